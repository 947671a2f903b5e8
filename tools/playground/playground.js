// The playground's behaviour. The page is a model host around the module:
// each action of its user is played in WebAssembly by saori-run's own loop
// (page_interface.cpp), which sends the requests to the module's entries,
// plays the ghost's part and runs every script shown on the preview's host
// model; the page then draws the model desktop. A change to the layout start
// boots the ghost again (a fresh module state and desktop); the talk is sent
// as a ZEF request whenever it changes; a clicked choice of the settings menu
// is picked as saori-run's @choose picks it, and the ghost answers the event
// settingZEF with a new settingZEF request, as the sample ghosts do.
'use strict';

const $ = (id) => document.getElementById(id);

// The module: opened from the base64 that the page carries (see zef_module.js).
const module = {
  zef: null,
  async open() {
    module.zef = await openZefModule(Uint8Array.from(atob(zefWasmBase64), (c) => c.charCodeAt(0)));
    module.exports = module.zef.exports;
  },
  withBytes: (bytes, call) => module.zef.withBytes(bytes, call),
  utf8: (size) => module.zef.utf8(size),
};

// ---- The session: what a host does, recorded for the result panel.
const session = {
  results: [],    // what the last action sent and got, for the result panel
  // How long the last talk took: the figure drawn (figure), on the screen
  // (painted), and the panels below it done (panels), in milliseconds.
  timing: {},
};

// Sends one request between the ghost's own `words` ({ before, after }, text)
// when given; the ghost follows it with requests of its own where it does.
// Returns the request's own entry in the result panel.
function send(args, words = null) {
  const missing = new Set();
  const parts = args.flatMap((argument) => [encode(argument, missing), new Uint8Array(1)]);
  // The words go in the requests' charset, as the ghost's talk holds them.
  const before = words ? encode(words.before, missing) : new Uint8Array(0);
  const after = words ? encode(words.after, missing) : new Uint8Array(0);
  const played = module.withBytes(joinBytes([before, after, ...parts]),
    (pointer, length) => module.exports.zef_page_send(pointer, length, before.length, after.length));
  return Object.assign(readPlayed(played, args)[0], { missing: [...missing], words });
}

// The steps that the last action played, added to the result panel: each
// request with its result script, or a picked choice; the events and host
// notes of what the host then showed. The first is headed by `heading` when
// given: the page's own words for it.
function readPlayed(count, heading = null) {
  const entries = [];
  for (let index = 0; index < count; ++index) {
    const part = (number) => module.zef.text(module.exports.zef_page_played(index, number));
    const lines = (number) => utf8Text.decode(part(number)).split('\n').filter(Boolean);
    const facts = module.exports.zef_page_played_facts(index);
    const size = module.exports.zef_page_played_size(index);
    entries.push({
      args: index === 0 && heading ? heading : utf8Text.decode(part(0)).split('\t'),
      choice: (facts & 1) !== 0,
      utf8: (facts & 2) !== 0,
      responseSize: size < 0 ? null : size,
      script: part(1),
      events: lines(2),
      notes: lines(3),
    });
  }
  session.results.push(...entries);
  return entries;
}

// The ghost's own words around the script that the figure shows.
function ghostWords() { return { before: $('words-before').value, after: $('words-after').value }; }

// ---- The form.
function offsetInputs() { return [...document.querySelectorAll('#offset-fields input')]; }
const mostOffsetFields = 16;
let mostCharacters;  // that stand side by side on the model desktop, as the model has it
let firstOffsetArgument;  // a layout start's first surface offset, after its settings

// The settings that a ghost gives, from the module's own table.
function settingRows() {
  return module.utf8(module.exports.zef_page_setting_rows()).split('\n').filter(Boolean).map((line) => {
    const [name, argument, key, value, japanese, english, kind, ...words] = line.split('\t');
    return { name, argument: Number(argument), key, value, japanese, english, kind, words };
  });
}

// One field per setting that a layout start takes, each with the module's
// reading of it beside it; and changeZEF's keys.
function buildSettingFields() {
  const rows = settingRows();
  const taken = rows.filter((setting) => setting.argument > 0);
  firstOffsetArgument = taken.length + 1;
  for (const row of taken) {
    const field = document.createElement('div');
    field.className = 'field';
    field.innerHTML = `<label for="${row.name}"><span lang="ja">${row.japanese}</span> / ${row.english} (Argument${row.argument})</label>` +
      `<input id="${row.name}" name="${row.name}" data-argument="${row.argument}">` +
      `<output for="${row.name}" data-reading="${row.name}"></output>`;
    const input = field.querySelector('input');
    input.value = row.value;
    if (row.kind === 'number') input.inputMode = 'numeric';
    if (row.words.length > 0) {
      const words = document.createElement('datalist');
      words.id = `${row.name}-words`;
      words.append(...row.words.map((word) => new Option(word)));
      input.setAttribute('list', words.id);
      field.append(words);
    }
    $('setting-fields').append(field);
  }
  const keys = $('change-key');
  for (const row of rows.filter((setting) => setting.key !== '')) keys.add(new Option(row.key));
  keys.value = keys.dataset.example;
}

function sizeInputs() { return [...document.querySelectorAll('#size-fields input')]; }

// One size field per character that stands on the model desktop.
function matchSizeFields(characters) {
  matchFields($('size-fields'), Math.min(characters, mostCharacters), (index) =>
    `<label for="char-size-${index}"><span lang="ja">キャラクター ${index}</span> / Character ${index}</label>` +
    `<input id="char-size-${index}" value="200x300" spellcheck="false" data-size="character">` +
    `<output for="char-size-${index}"></output>` +
    `<button type="button" class="from-image" data-for="char-size-${index}"><span lang="ja">画像から</span> / From an image (${['surface0.png', 'surface10.png'][index] ?? 'surface*.png'})</button>`,
  takeImages);
}

// Keeps `count` fields in `box`: a new one is made of `html(index)`, boots
// the ghost again when it changes, and is handed to `prepare`.
function matchFields(box, count, html, prepare = () => {}) {
  while (box.children.length < count) {
    const field = document.createElement('div');
    field.className = 'field';
    field.innerHTML = html(box.children.length);
    field.querySelector('input').addEventListener('input', boot);
    prepare(field);
    box.append(field);
  }
  while (box.children.length > count) box.lastElementChild.remove();
}

// A size read from an image (the balloon's or a surface's), into `input`.
function sizeFromImage(file, input) {
  createImageBitmap(file).then((image) => {
    input.value = `${image.width}x${image.height}`;
    image.close();
    boot();
  }, () => showStatus(`${file.name}: 画像として読めません / cannot be read as an image`, true));
}

// The image buttons and image drops of the size fields within `box`.
function takeImages(box) {
  for (const button of box.querySelectorAll('button.from-image')) {
    button.addEventListener('click', () => {
      const picker = $('size-image');
      picker.value = '';
      picker.onchange = () => picker.files[0] && sizeFromImage(picker.files[0], $(button.dataset.for));
      picker.click();
    });
  }
  for (const input of box.querySelectorAll('input[data-size]')) {
    input.addEventListener('dragover', (event) => event.preventDefault());
    input.addEventListener('drop', (event) => {
      const file = event.dataTransfer.files[0];
      if (!file) return;
      event.preventDefault();
      sizeFromImage(file, input);
    });
  }
}

// The sizes as the model reads them ("WxH,WxH\nWxH"), each field's reading beside it.
function ghostSizes() {
  const read = (input) => {
    const packed = input.value === '' ? 0 :
      module.withBytes(utf8.encode(input.value), (pointer, length) => module.exports.zef_page_read_size(pointer, length));
    const output = input.nextElementSibling;
    const size = packed ? `${packed >> 16}x${packed & 0xffff}` : '';
    const fallback = input.dataset.size === 'balloon' ? '260x(text)' : '200x300';
    output.textContent = input.value === '' || packed ? `→ ${size || fallback}` : `→ ${fallback}（読めません / not WxH, 1 to 2000）`;
    output.classList.toggle('differs', input.value !== '' && !packed);
    return size || (input.dataset.size === 'balloon' ? '' : fallback);
  };
  return `${sizeInputs().map(read).join(',')}\n${read($('balloon-size'))}`;
}

// One offset field per character that Argument2 names, read by the module.
function matchOffsetFields() {
  const characters = module.withBytes(utf8.encode($('characterCount').value),
    (pointer, length) => module.exports.zef_page_character_count(pointer, length));
  matchFields($('offset-fields'), Math.min(characters, mostOffsetFields), (index) =>
    `<label for="offset-${index}"><span lang="ja">キャラクター ${index}</span> / Character ${index} (Argument${firstOffsetArgument + index})</label>` +
    `<input id="offset-${index}" value="0" inputmode="numeric" data-argument="${firstOffsetArgument + index}">` +
    `<output for="offset-${index}" data-offset="${index}"></output>`);
  const note = $('offset-note');
  note.hidden = characters <= mostOffsetFields;
  note.textContent = `キャラクター ${mostOffsetFields} から ${characters - 1} のずらしは 0 で送ります / ` +
    `The offsets of characters ${mostOffsetFields} to ${characters - 1} go out as 0.`;
  return characters;
}

function layoutArguments(characters) {
  const args = [$('command').value];
  for (const input of document.querySelectorAll('#setting-fields input')) args.push(input.value);
  for (let index = 0; index < characters; ++index) args.push(offsetInputs()[index]?.value ?? '0');
  return args;
}

function talkArguments() {
  const lines = $('talk').value.split('\n');
  if (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
  return ['ZEF', ...lines];
}

// How the module read the settings sent since the ghost started, as text:
// the font name is in the requests' charset.
function moduleReadings() {
  const bytes = module.zef.text(module.exports.zef_page_readings());
  return decodeIn(charsetName() === 'UTF-8', bytes);
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
  $('command-reading').textContent = accepted ? '' : '引数が足りません / refused: too few arguments';
}

// ---- Drawing.
function drawFigure() {
  $('figure').innerHTML = module.utf8(module.exports.zef_page_svg());
  const scope = module.exports.zef_page_current_scope();
  $('next-words').textContent = `この後のゴースト自身のトーク（スコープのタグなし）はスコープ ${scope} のバルーンに出ます / ` +
    `The ghost's next words without a scope tag land in scope ${scope}'s balloon.`;
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
  // The frame where the ghost's next words land stays on top.
  const desktop = $('figure').querySelector('svg.desktop');
  for (const marker of $('figure').querySelectorAll('.next, .next-label')) desktop.append(marker);
}

function drawChoices() {
  const lines = module.utf8(module.exports.zef_page_choices()).split('\n').filter(Boolean);
  const choices = lines.map((line) => {
    const [scope, kind, title, lead, figure] = line.split('\t');
    return { scope, figure: Number(figure), label: choiceLabel(kind, title, lead) };
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

// ---- Actions. Each one runs guarded: a module that stops (a trap, such as
// running out of WebAssembly memory) is reported and opened afresh.
function guarded(action, reopens = true) {
  return (...args) => {
    try {
      action(...args);
    } catch (error) {
      showStatus(`The module stopped (${error.message}): it may have run out of memory. ` +
        (reopens ? 'The page opened it afresh and sent the layout start again, but not the talk. ' : '') +
        '/ モジュールが止まりました（メモリー不足など）。' +
        (reopens ? '開き直して配置の開始だけを送り直しました（トークは送っていません）。' : ''), true);
      if (reopens) module.open().then(guarded(bootAfterStop, false), () => {});
    }
  };
}

// The line at the top of the page; an error stays until the author acts again.
function showStatus(text, isError = false) {
  $('status').textContent = text;
  $('status').classList.toggle('error', isError);
}

// Boots the ghost: a fresh module state and desktop, the layout start, and
// the talk.
function bootNow() {
  startLayout();
  talkNow();
}

// After the module stopped: the layout start again, but not the talk, which
// may be what stopped it.
function bootAfterStop() {
  startLayout();
  drawFigure();
  drawResults();
}

// A fresh module state and desktop: the ghost starts again (and hands back
// what it keeps), and the layout start is sent.
function startLayout() {
  session.results = [];
  // The model desktop stands as many characters as the layout start names,
  // up to seven side by side (as saori-run's preview).
  const characters = matchOffsetFields();
  matchSizeFields(characters);
  module.withBytes(utf8.encode(ghostSizes()), (pointer, length) =>
    module.exports.zef_page_boot(characters, pointer, length, charsetName() === 'UTF-8' ? 1 : 0));
  const note = $('figure-note');
  note.hidden = characters <= mostCharacters;
  note.textContent = `${characters} 人のうち、図に立つのは 0 から ${mostCharacters - 1} までです / ` +
    `Of the ${characters} characters, the model desktop draws 0 to ${mostCharacters - 1}; ` +
    `scopes ${mostCharacters} to ${characters - 1} are drawn as extra scopes.`;
  // With an empty talk, the ghost's words go with the layout start (its boot talk).
  const start = send(layoutArguments(characters), talkArguments().length > 1 ? null : ghostWords());
  $('charset-reading').textContent = start.responseSize !== null
    ? `→ ${start.utf8 ? 'UTF-8' : 'Shift_JIS'} の応答 / answered in ${start.utf8 ? 'UTF-8' : 'Shift_JIS'}` : '';
  showReadings(moduleReadings());
}

// The figure is drawn at once; the text panels below it (the scripts, the
// explanations, the engines' lines) once the figure is on the screen, so that
// typing a long talk never waits for them.
function talkNow() {
  const start = performance.now();
  session.results = session.results.filter((entry) => entry.args[0] !== 'ZEF');
  const talk = talkArguments();
  if (talk.length > 1) send(talk, ghostWords());
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
  drawFigure();
  drawResults();
}

// A click on a choice: the host runs its script or raises its event, and
// the ghost answers settingZEF with the menu again (as saori-run's @choose);
// after anything else (End raises OnSettingZEF) the talk is drawn again
// where the balloons now stand.
function chooseNow(index, choice) {
  session.results = [];
  const played = module.exports.zef_page_choose(index);
  if (played < 0) return;
  const entries = readPlayed(played, [`(choice) ${choice.label}`]);
  if (entries.length > 1) {
    drawFigure();
    drawResults();
    return;
  }
  talkNow();
}

function changeNow(event) {
  event.preventDefault();
  session.results = [];
  send(['changeZEF', $('change-key').value, $('change-value').value]);
  showReadings(moduleReadings());
  const talk = talkArguments();
  if (talk.length > 1) send(talk, ghostWords());
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
    showStatus(`This browser cannot run the module: ${error.message} / このブラウザーではモジュールを動かせません`, true);
    return;
  }
  mostCharacters = module.exports.zef_page_most_characters();
  buildSettingFields();
  for (const element of document.querySelectorAll('#layout input, #layout select')) {
    element.addEventListener('input', boot);
  }
  // An empty talk boots again: the ghost's words then go with the layout start.
  $('talk').addEventListener('input', () => (talkArguments().length > 1 ? talk() : boot()));
  for (const id of ['words-before', 'words-after']) $(id).addEventListener('input', boot);
  takeImages($('sizes'));
  $('open-menu').addEventListener('click', guarded(openMenuNow));
  $('reboot').addEventListener('click', boot);
  $('change').addEventListener('submit', guarded(changeNow));
  for (const kind of ['input', 'click', 'submit']) {
    document.addEventListener(kind, () => showStatus('Ready / 準備完了'), { capture: true });
  }
  showStatus('Ready / 準備完了');
  boot();
  // For tests and the curious: the state of the page.
  window.zefPlayground = session;
}

start();
