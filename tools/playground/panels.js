// The text panels below the figure: each request of the last action with its
// result script raw and explained (as saori-run --explain), its events and
// host notes; and the pieces for each engine (engine_lines.js), to copy.
'use strict';

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
    if (entry.responseSize === null) {
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
      add('p', `Charset: ${entry.utf8 ? 'UTF-8' : 'Shift_JIS'}, ${entry.responseSize} bytes`, 'hint');
    }
    if (entry.words && (entry.words.before || entry.words.after)) {
      add('p', `ゴースト自身のトーク / The ghost's own words: 前 / before「${entry.words.before}」, 後 / after「${entry.words.after}」`, 'own');
    }
    if (entry.events?.length) add('p', `Events / イベント: ${entry.events.join(', ')}`, 'events');
    if (entry.notes?.length) {
      add('h4', 'Host notes / ホストでは');
      const list = add('ul', '', 'notes');
      for (const note of entry.notes) {
        const [english, japanese] = note.split('\t');
        const item = document.createElement('li');
        const inJapanese = document.createElement('span');
        inJapanese.lang = 'ja';
        inJapanese.textContent = japanese;
        item.append(inJapanese, document.createElement('br'), english);
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
    part.append(heading);
    for (const { label, text } of engine.pieces) {
      const title = document.createElement('h4');
      title.textContent = label;
      const copy = document.createElement('button');
      copy.type = 'button';
      copy.textContent = 'コピー / Copy';
      const code = document.createElement('pre');
      code.textContent = text;
      copy.addEventListener('click', () => copyText(code, copy));
      title.append(copy);
      part.append(title, code);
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
