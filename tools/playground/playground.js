// The playground's behaviour. The page is a model host around the module:
// it sends requests to the module's own request entry (in WebAssembly),
// runs each result script on the preview's host model and draws the model
// desktop. A change to the layout start boots the ghost again (a fresh
// module state and desktop); the talk is sent as a ZEF request whenever it
// changes; the settings menu runs a clicked choice's script on the model and
// then, as the sample ghosts do, answers the event settingZEF with a new
// settingZEF request.
'use strict';

const $ = (id) => document.getElementById(id);
const utf8 = new TextEncoder();
const utf8Text = new TextDecoder('utf-8');
const shiftJisText = new TextDecoder('shift_jis');

// ---- Shift_JIS: browsers decode it but cannot encode it, so the table is
// read back from the browser's own decoder (code page 932).
const shiftJisCodes = (() => {
  const codes = new Map();
  const decoder = new TextDecoder('shift_jis', { fatal: true });
  for (let byte = 0xa1; byte <= 0xdf; ++byte) codes.set(decoder.decode(new Uint8Array([byte])), [byte]);
  for (let lead = 0x81; lead <= 0xfc; ++lead) {
    if (lead >= 0xa0 && lead <= 0xdf) continue;
    // NEC's selection of IBM characters (lead 0xED, 0xEE) repeats 0xFA to
    // 0xFC: Windows writes those characters with the latter.
    if (lead === 0xed || lead === 0xee) continue;
    for (let trail = 0x40; trail <= 0xfc; ++trail) {
      if (trail === 0x7f) continue;
      let character;
      try {
        character = decoder.decode(new Uint8Array([lead, trail]));
      } catch {
        continue;
      }
      if (!codes.has(character)) codes.set(character, [lead, trail]);
    }
  }
  return codes;
})();

// `text` in Shift_JIS; characters that it lacks become "?" and are listed.
function encodeShiftJis(text, missing) {
  const bytes = [];
  for (const character of text) {
    const code = character.codePointAt(0);
    if (code < 0x80) {
      bytes.push(code);
      continue;
    }
    const pair = shiftJisCodes.get(character);
    if (pair) {
      bytes.push(...pair);
    } else {
      bytes.push(0x3f);
      missing.add(character);
    }
  }
  return new Uint8Array(bytes);
}

// ---- The WebAssembly module. It needs almost nothing of WASI: no files, no
// clock; the host model borrows the page's Shift_JIS decoder.
const module = {
  exports: null,
  memory: () => module.exports.memory,

  async open() {
    const bytes = Uint8Array.from(atob(zefWasmBase64), (c) => c.charCodeAt(0));
    const noSystem = () => 52;  // ENOSYS
    const wasi = new Proxy({
      environ_sizes_get: (count, size) => {
        const view = new DataView(module.memory().buffer);
        view.setUint32(count, 0, true);
        view.setUint32(size, 0, true);
        return 0;
      },
      environ_get: () => 0,
      fd_close: () => 0,
      fd_seek: () => 70,  // ESPIPE
      fd_write: noSystem,
      proc_exit: (status) => {
        throw new Error(`the module stopped (exit ${status})`);
      },
    }, { get: (target, name) => target[name] || noSystem });
    const decoder = new TextDecoder('shift_jis', { fatal: true });
    const page = {
      decode_shift_jis(inPointer, length, outPointer) {
        let text;
        try {
          text = decoder.decode(new Uint8Array(module.memory().buffer, inPointer, length));
        } catch {
          return 0;
        }
        const out = utf8.encode(text);
        if (out.length > 8) return 0;
        new Uint8Array(module.memory().buffer, outPointer, out.length).set(out);
        return out.length;
      },
    };
    const { instance } = await WebAssembly.instantiate(bytes, { wasi_snapshot_preview1: wasi, zef_page: page });
    module.exports = instance.exports;
    module.exports._initialize();
  },

  // A block from the module's allocator holding `bytes` and a NUL.
  block(bytes) {
    const pointer = module.exports.malloc(bytes.length + 1);
    if (pointer === 0) throw new Error('out of memory');
    const view = new Uint8Array(module.memory().buffer, pointer, bytes.length + 1);
    view.set(bytes);
    view[bytes.length] = 0;
    return pointer;
  },

  load() { return module.exports.load(module.block(utf8.encode('.')), 1); },
  unload() { return module.exports.unload(); },

  // The response's bytes, as the host gets them; null when no block came back.
  request(bytes) {
    const length = module.exports.malloc(4);
    new DataView(module.memory().buffer).setInt32(length, bytes.length, true);
    const response = module.exports.request(module.block(bytes), length);
    const size = new DataView(module.memory().buffer).getInt32(length, true);
    module.exports.free(length);
    if (response === 0) return null;
    const copy = new Uint8Array(module.memory().buffer, response, size).slice();
    module.exports.free(response);
    return copy;
  },

  // Calls an interface function with `bytes` as (pointer, length).
  withBytes(bytes, call) {
    const pointer = module.block(bytes);
    try {
      return call(pointer, bytes.length);
    } finally {
      module.exports.free(pointer);
    }
  },

  // The text that the last zef_page_* call left, `size` bytes.
  text(size) { return new Uint8Array(module.memory().buffer, module.exports.zef_page_text(), size).slice(); },
  utf8(size) { return utf8Text.decode(module.text(size)); },
};

// ---- Requests and responses.
function charsetName() { return $('charset').value; }
function encode(text, missing) { return charsetName() === 'UTF-8' ? utf8.encode(text) : encodeShiftJis(text, missing); }

function requestBytes(args, missing) {
  const parts = [utf8.encode(`EXECUTE SAORI/1.0\r\nCharset: ${charsetName()}\r\nSender: zef playground\r\n`)];
  args.forEach((argument, index) => {
    parts.push(utf8.encode(`Argument${index}: `), encode(argument, missing), utf8.encode('\r\n'));
  });
  parts.push(utf8.encode('\r\n'));
  const bytes = new Uint8Array(parts.reduce((sum, part) => sum + part.length, 0));
  let at = 0;
  for (const part of parts) {
    bytes.set(part, at);
    at += part.length;
  }
  return bytes;
}

// The value of the response line that starts with `name`, as bytes.
function headerValue(response, name) {
  const head = utf8.encode(`\r\n${name}: `);
  outer: for (let at = 0; at + head.length <= response.length; ++at) {
    for (let i = 0; i < head.length; ++i) if (response[at + i] !== head[i]) continue outer;
    const start = at + head.length;
    let end = start;
    while (end < response.length && response[end] !== 0x0d) ++end;
    return response.subarray(start, end);
  }
  return null;
}

function decodeIn(isUtf8, bytes) { return (isUtf8 ? utf8Text : shiftJisText).decode(bytes); }

// ---- The session: what a host does, recorded for the result panel.
const session = {
  results: [],    // what the last action sent and got, for the result panel
  // How long the last talk took: the figure drawn (figure), on the screen
  // (painted), and the panels below it done (panels), in milliseconds.
  timing: {},
  characters: 2,  // that the model desktop shows
  menuOpen: false,
};

// Sends one request and runs its result on the model. Returns the result.
function send(args) {
  const missing = new Set();
  const bytes = requestBytes(args, missing);
  const response = module.request(bytes);
  const entry = { args, missing: [...missing], response };
  session.results.push(entry);
  if (!response) return entry;
  const charset = headerValue(response, 'Charset');
  entry.utf8 = charset !== null && utf8Text.decode(charset) === 'UTF-8';
  entry.script = headerValue(response, 'Result') || new Uint8Array(0);
  module.withBytes(entry.script, (pointer, length) => module.exports.zef_page_run(pointer, length, entry.utf8 ? 1 : 0));
  entry.events = module.utf8(module.exports.zef_page_events()).split('\n').filter(Boolean);
  entry.notes = module.utf8(module.exports.zef_page_notes()).split('\n').filter(Boolean);
  return entry;
}

// Runs a script that the model host runs by itself (a clicked choice).
function recordChoice(title) {
  const entry = { args: [`(choice) ${title}`], choice: true, response: new Uint8Array(0), script: new Uint8Array(0) };
  entry.events = module.utf8(module.exports.zef_page_events()).split('\n').filter(Boolean);
  entry.notes = module.utf8(module.exports.zef_page_notes()).split('\n').filter(Boolean);
  session.results.push(entry);
  return entry;
}

// ---- The form.
function offsetInputs() { return [...document.querySelectorAll('#offset-fields input')]; }
const mostOffsetFields = 16;

// One offset field per character that Argument2 names, read by the module.
function matchOffsetFields() {
  const characters = module.withBytes(utf8.encode($('characters').value),
    (pointer, length) => module.exports.zef_page_character_count(pointer, length));
  const shown = Math.min(characters, mostOffsetFields);
  const box = $('offset-fields');
  while (offsetInputs().length < shown) {
    const index = offsetInputs().length;
    const field = document.createElement('div');
    field.className = 'field';
    field.innerHTML = `<label for="offset-${index}"><span lang="ja">キャラクター ${index}</span> / Character ${index} (Argument${10 + index})</label>` +
      `<input id="offset-${index}" value="0" inputmode="numeric" data-argument="${10 + index}">` +
      `<output for="offset-${index}" data-offset="${index}"></output>`;
    field.querySelector('input').addEventListener('input', boot);
    box.append(field);
  }
  while (offsetInputs().length > shown) box.lastElementChild.remove();
  const note = $('offset-note');
  note.hidden = characters <= mostOffsetFields;
  note.textContent = `キャラクター ${mostOffsetFields} から ${characters - 1} のずらしは 0 で送ります / ` +
    `The offsets of characters ${mostOffsetFields} to ${characters - 1} go out as 0.`;
  return characters;
}

function layoutArguments(characters) {
  const args = [$('command').value];
  for (const id of ['switch', 'characters', 'balloons', 'step', 'time', 'dummy-scope', 'balloon-number', 'font', 'font-height']) {
    args.push($(id).value);
  }
  for (let index = 0; index < characters; ++index) args.push(offsetInputs()[index]?.value ?? '0');
  return args;
}

function talkArguments() {
  const lines = $('talk').value.split('\n');
  if (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
  return ['ZEF', ...lines];
}

// The module's own reading of each layout start value, beside the field.
function showReadings(settingsText) {
  const settings = new Map(settingsText.split('\n').filter(Boolean).map((line) => {
    const tab = line.indexOf('\t');
    return [line.slice(0, tab), line.slice(tab + 1)];
  }));
  const accepted = settings.get('started') === 'yes';
  for (const output of document.querySelectorAll('output[data-reading]')) {
    const input = $(output.htmlFor.value);
    const value = settings.get(output.dataset.reading) ?? '';
    output.textContent = accepted ? `→ ${value}` : '→ (受け付けられません / refused)';
    output.classList.toggle('differs', !accepted || value !== input.value);
    output.title = accepted && value !== input.value ? `"${input.value}": read as ${value}` : '';
  }
  const offsets = (settings.get('offsets') ?? '').split(' ');
  for (const output of document.querySelectorAll('output[data-offset]')) {
    const value = offsets[Number(output.dataset.offset)] ?? '';
    const input = $(output.htmlFor.value);
    output.textContent = `→ ${value}`;
    output.classList.toggle('differs', value !== input.value);
  }
  const characters = Number(settings.get('characters') ?? 2);
  $('command-reading').textContent = accepted ? '' : '引数が足りません / refused: too few arguments';
  return characters;
}

// ---- Drawing.
function drawFigure() {
  $('figure').innerHTML = module.utf8(module.exports.zef_page_svg());
  $('state').textContent = module.utf8(module.exports.zef_page_state());
  drawChoices();
}

// A choice's name with the words that open its line: the menu's "30" after
// "･Pos-H [px] →+" is "Pos-H +30". A choice that raises an event is its title.
function choiceLabel(kind, title, lead) {
  if (kind !== 'script') return title;
  const words = lead.replace(/\[px\]/g, ' ').replace(/[^A-Za-z0-9 &-]/g, ' ').replace(/\s+/g, ' ').trim();
  const shown = /^[0-9]+$/.test(title) ? `+${title}` : title;
  return words ? `${words} ${shown}` : shown;
}

// Balloons that hold choices are drawn last, on top of the balloons that
// the model stacks over them, so that every choice can be clicked.
function raiseMenuBalloons(spans) {
  const texts = new Set(spans.map((span) => span.closest('svg.balloon-text')));
  for (const text of texts) {
    const desktop = text.parentNode;
    const frame = text.previousElementSibling;
    const label = text.nextElementSibling;
    desktop.append(frame, text, label);
  }
}

function drawChoices() {
  const lines = module.utf8(module.exports.zef_page_choices()).split('\n').filter(Boolean);
  const choices = lines.map((line) => {
    const [scope, kind, title, event, lead, figure] = line.split('\t');
    return { scope, kind, title, event, figure: Number(figure), label: choiceLabel(kind, title, lead) };
  });
  $('menu').hidden = choices.length === 0;
  const box = $('choices');
  box.replaceChildren();
  const spans = [...$('figure').querySelectorAll('tspan.choice')];
  raiseMenuBalloons(spans);
  choices.forEach((choice, index) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = `${choice.label} (scope ${choice.scope})`;
    button.addEventListener('click', () => choose(index, choice));
    box.append(button);
    const span = spans[choice.figure];
    if (span) span.addEventListener('click', () => choose(index, choice));
  });
}

function drawResults() {
  const box = $('results');
  box.replaceChildren();
  for (const entry of session.results) {
    const section = document.createElement('div');
    section.className = 'result';
    const heading = document.createElement('h3');
    heading.textContent = entry.args.map((a) => (a.length > 60 ? a.slice(0, 60) + '…' : a)).join(' | ');
    section.append(heading);
    const add = (tag, text, className) => {
      const element = document.createElement(tag);
      element.textContent = text;
      if (className) element.className = className;
      section.append(element);
      return element;
    };
    if (entry.missing?.length) add('p', `Shift_JIS にない文字を ? で送りました / Not in Shift_JIS, sent as "?": ${entry.missing.join(' ')}`, 'error');
    if (!entry.response) {
      add('p', 'The module returned no response block (out of memory). / 応答がありません（メモリー不足）。', 'error');
    } else if (!entry.choice) {
      const script = decodeIn(entry.utf8, entry.script);
      const twin = document.createElement('div');
      twin.className = 'twin';
      const raw = document.createElement('div');
      raw.innerHTML = '<h4><span lang="ja">スクリプト</span> / Result script (raw)</h4>';
      const rawText = document.createElement('pre');
      rawText.className = 'raw';
      rawText.textContent = script === '' ? '(empty result / 空の結果)' : script;
      raw.append(rawText);
      const explained = document.createElement('div');
      explained.innerHTML = '<h4><span lang="ja">読み解き</span> / Explained (saori-run --explain)</h4>';
      const explainedText = document.createElement('pre');
      explainedText.className = 'explained';
      explainedText.textContent = module.withBytes(entry.script, (pointer, length) =>
        module.utf8(module.exports.zef_page_explain(pointer, length, entry.utf8 ? 1 : 0)));
      explained.append(explainedText);
      twin.append(raw, explained);
      section.append(twin);
      add('p', `Charset: ${entry.utf8 ? 'UTF-8' : 'Shift_JIS'}, ${entry.response.length} bytes`, 'hint');
    }
    if (entry.events?.length) add('p', `Events / イベント: ${entry.events.join(', ')}`, 'events');
    if (entry.notes?.length) {
      add('h4', 'Host notes / ホストでは');
      const list = add('ul', '', 'notes');
      for (const note of entry.notes) {
        const item = document.createElement('li');
        item.textContent = note;
        list.append(item);
      }
    }
    box.append(section);
  }
}

function drawEngines(layout, talk) {
  const box = $('engines');
  box.replaceChildren();
  for (const engine of engineLines(layout, talk)) {
    const part = document.createElement('div');
    part.className = 'engine';
    const heading = document.createElement('h3');
    heading.textContent = `${engine.engine} (sample/${engine.file})`;
    const copy = document.createElement('button');
    copy.type = 'button';
    copy.textContent = 'コピー / Copy';
    const text = document.createElement('pre');
    text.textContent = engine.lines.join('\n');
    copy.addEventListener('click', () => copyText(text, copy));
    heading.append(copy);
    part.append(heading, text);
    if (engine.extra) {
      const extra = document.createElement('pre');
      extra.textContent = engine.extra;
      part.append(extra);
    }
    for (const warning of engine.warnings) {
      const line = document.createElement('p');
      line.className = 'warning';
      line.textContent = warning;
      part.append(line);
    }
    box.append(part);
  }
}

// Copies through the clipboard where the page may (a file:// page may not):
// else the text is selected for Ctrl+C.
function copyText(element, button) {
  const selectIt = () => {
    const range = document.createRange();
    range.selectNodeContents(element);
    getSelection().removeAllRanges();
    getSelection().addRange(range);
    button.textContent = 'Ctrl+C でコピー / Selected: press Ctrl+C';
  };
  if (!navigator.clipboard) return selectIt();
  navigator.clipboard.writeText(element.textContent).then(() => {
    button.textContent = 'コピーしました / Copied';
  }, selectIt);
}

// ---- Actions. Each one runs guarded: a module that stops (a trap, such as
// running out of WebAssembly memory) is reported and opened afresh.
function guarded(action) {
  return (...args) => {
    try {
      const status = $('status');
      status.classList.remove('error');
      status.textContent = 'Ready / 準備完了';
      action(...args);
    } catch (error) {
      $('status').classList.add('error');
      $('status').textContent = `The module stopped: ${error.message}. It may have run out of memory; the page opens it afresh. ` +
        `/ モジュールが止まりました（メモリー不足など）。開き直します。`;
      module.open().then(() => bootNow(), () => {});
    }
  };
}

function bootNow() {
  session.results = [];
  session.menuOpen = false;
  module.unload();
  module.load();
  // The model desktop stands as many characters as the layout start names.
  const characters = matchOffsetFields();
  module.exports.zef_page_reset(characters);
  const start = send(layoutArguments(characters));
  $('charset-reading').textContent = start.response
    ? `→ ${start.utf8 ? 'UTF-8' : 'Shift_JIS'} の応答 / answered in ${start.utf8 ? 'UTF-8' : 'Shift_JIS'}` : '';
  session.characters = showReadings(module.utf8(module.exports.zef_page_settings()));
  talkNow();
}

// The figure is drawn at once; the text panels below it (the scripts, the
// explanations, the engines' lines) once the figure is on the screen, so that
// typing a long talk never waits for them.
function talkNow() {
  const start = performance.now();
  session.results = session.results.filter((entry) => entry.args[0] !== 'ZEF');
  const talk = talkArguments();
  if (talk.length > 1) send(talk);
  drawFigure();
  const timing = { figure: performance.now() - start };
  session.timing = timing;
  requestAnimationFrame(() => setTimeout(guarded(() => {
    timing.painted = performance.now() - start;
    if (session.timing !== timing) return;  // a newer keystroke draws them
    drawResults();
    drawEngines(layoutArguments(offsetInputs().length), talk);
    timing.panels = performance.now() - start;
  }), 0));
}

function openMenuNow() {
  session.results = [];
  send(['settingZEF']);
  session.menuOpen = true;
  drawFigure();
  drawResults();
}

// A click on a choice: the host runs its script or raises its event, and
// the ghost answers settingZEF with the menu again (saori-run's @choose does
// the same); after anything else (End raises OnSettingZEF) the talk is drawn
// again where the balloons now stand.
function chooseNow(index, choice) {
  session.results = [];
  const size = module.exports.zef_page_choose(index);
  if (size < 0) return;
  const answer = module.utf8(size);
  recordChoice(choice.label);
  if (answer !== '') {
    send(answer.split('\t'));
    drawFigure();
    drawResults();
    return;
  }
  session.menuOpen = false;
  talkNow();
}

function changeNow(event) {
  event.preventDefault();
  session.results = [];
  send(['changeZEF', $('change-key').value, $('change-value').value]);
  showReadings(module.utf8(module.exports.zef_page_settings()));
  const change = session.results[0];
  const talk = talkArguments();
  if (talk.length > 1) send(talk);
  drawFigure();
  drawResults();
}

const boot = guarded(bootNow);
const talk = guarded(talkNow);
const choose = guarded(chooseNow);

async function start() {
  try {
    await module.open();
  } catch (error) {
    $('status').classList.add('error');
    $('status').textContent = `This browser cannot run the module: ${error.message} / このブラウザーではモジュールを動かせません`;
    return;
  }
  module.load();
  for (const element of document.querySelectorAll('#layout input, #layout select')) {
    element.addEventListener('input', boot);
  }
  $('talk').addEventListener('input', talk);
  $('open-menu').addEventListener('click', guarded(openMenuNow));
  $('reboot').addEventListener('click', boot);
  $('change').addEventListener('submit', guarded(changeNow));
  boot();
  // For tests and the curious: the state of the page.
  window.zefPlayground = session;
}

start();
