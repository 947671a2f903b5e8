// playground.html driven in headless Chromium as an author uses it: set two
// characters, type a three-utterance talk, and find the three balloons with
// their texts where the native preview (saori-run --state) puts them; open
// the settings menu, click "Pos-H +30" and find that character's balloons
// 30 px further right and the menu back; then "Pos-H -30" with the keyboard
// alone. Also: a talk beyond the module's memory reported, no console error,
// no network request, no sideways scrolling at 200% zoom; the figure's
// update time for a 10 KiB talk is printed (no limit: speed is measured, not
// asserted). Leaves a screenshot in WORK.
//
// usage: node playground_in_chromium.mjs PLAYGROUND_HTML SAORI_RUN WORK
// Exit 77 (skipped) when Chromium is missing or cannot start, unless CI=true.
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './devtools_pipe.mjs';

const [pagePath, saoriRun, work] = process.argv.slice(2);
const failures = [];
const check = (ok, what) => {
  if (!ok) failures.push(what);
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
};

function skip(reason) {
  if (process.env.CI === 'true') {
    console.log(`cannot run under CI: ${reason}`);
    process.exit(1);
  }
  console.log(`skipped: ${reason}`);
  process.exit(77);
}

function findChromium() {
  for (const name of ['chromium', 'chromium-browser']) {
    try {
      return execFileSync('sh', ['-c', `command -v ${name}`]).toString().trim();
    } catch {}
  }
  return null;
}

// The balloons that the native preview shows after the session's last
// request: "balloon 12 number 0 at 1410,580 size 260x60" and its "| text" rows
// (the ghost's own words in «»); `options` are saori-run's.
function nativeBalloons(sessionLines, options = []) {
  return nativeState(sessionLines, options).balloons;
}

function nativeState(sessionLines, options = []) {
  mkdirSync(work, { recursive: true });
  const session = join(work, 'session.txt');
  writeFileSync(session, sessionLines.map((args) => args.join('\t')).join('\n') + '\n');
  const state = execFileSync(saoriRun, [...options, '--state', session]).toString();
  const last = state.slice(state.lastIndexOf('== request '));
  const balloons = [];
  for (const line of last.split('\n')) {
    const match = line.match(/^balloon (\d+) number -?\d+ at (-?\d+),(-?\d+) size (\d+)x(\d+)$/);
    if (match) {
      const [, scope, x, y, width, height] = match.map(Number);
      balloons.push({ scope, x, y, width, height, text: '' });
    } else if (line.startsWith('  | ') && balloons.length) {
      balloons[balloons.length - 1].text += line.slice(4);
    }
  }
  return { balloons, currentScope: Number(last.match(/^current scope (\d+)$/m)[1]),
    notes: last.split('\n').filter((line) => line.startsWith('note ')).length };
}

// The scope whose balloon shows the ghost's own words `text` in the page's figure.
const ownWordsScope = (text) => `(() => {
  const own = [...document.querySelectorAll('#figure tspan.own')].find((span) => span.textContent === ${JSON.stringify(text)});
  const label = own?.closest('svg.balloon-text').nextElementSibling;
  return label ? Number(label.textContent.match(/scope (\\d+)/)[1]) : -1;
})()`;

async function setValue(page, id, value) {
  await page.evaluate(`(() => { const input = document.getElementById('${id}'); input.value = ${JSON.stringify(value)};
    input.dispatchEvent(new Event('input')); })()`);
}

// What saori-run --explain prints for the session's last request, as the
// page shows it (without the indent under the request's heading).
function nativeExplained(sessionLines) {
  const session = join(work, 'explain.txt');
  writeFileSync(session, sessionLines.map((args) => args.join('\t')).join('\n') + '\n');
  const output = execFileSync(saoriRun, ['--explain', session]).toString();
  const last = output.slice(output.lastIndexOf('== request '));
  const lines = last.split('\n').slice(2);
  return lines.slice(0, lines.findIndex((line) => line.startsWith('== '))).map((line) => line.slice(2)).join('\n') + '\n';
}

// The balloons that the page draws, read from its figure.
const pageBalloons = `[...document.querySelectorAll('#figure rect.balloon')].map((rect) => {
  const text = rect.nextElementSibling;
  const label = text.nextElementSibling;
  return { scope: Number(label.textContent.match(/scope (\\d+)/)[1]),
           x: Number(rect.getAttribute('x')), y: Number(rect.getAttribute('y')),
           width: Number(rect.getAttribute('width')), height: Number(rect.getAttribute('height')),
           text: [...text.querySelectorAll('text')].map((line) => line.textContent).join('') };
})`;

const show = (balloons) => balloons.map((b) => `${b.scope}@${b.x},${b.y} ${b.width}x${b.height} "${b.text}"`).join('; ');

async function replaceText(page, selector, lines) {
  await page.click(`document.querySelector('${selector}')`);
  await page.pressKey('a', 'KeyA', 65, 2);  // Ctrl+A
  await page.pressKey('Delete', 'Delete', 46);
  for (let i = 0; i < lines.length; ++i) {
    if (i > 0) await page.pressKey('Enter', 'Enter', 13, 0, '\r');
    await page.typeText(lines[i]);
  }
}

async function main() {
  if (!existsSync(pagePath)) skip(`${pagePath} was not built (see wasm_build)`);
  const executable = findChromium();
  if (!executable) skip('chromium is not installed (tools/install-deps.sh installs it)');
  let browser;
  try {
    browser = await launchChromium(executable);
  } catch (error) {
    skip(`chromium cannot start here: ${error.message}`);
  }
  console.log(`browser: ${browser.version}`);
  try {
    await drive(await browser.newPage());
  } finally {
    await browser.close();
  }
}

async function drive(page) {
  const problems = [];
  const requests = [];
  page.on('Runtime.exceptionThrown', (event) => problems.push(event.exceptionDetails.exception?.description ?? event.exceptionDetails.text));
  page.on('Runtime.consoleAPICalled', (event) => {
    if (event.type === 'error' || event.type === 'warning') problems.push(event.args.map((a) => a.value ?? a.description).join(' '));
  });
  page.on('Network.requestWillBeSent', (event) => requests.push(event.request.url));
  await page.send('Runtime.enable');
  await page.send('Network.enable');
  await page.send('Page.enable');
  await page.send('Emulation.setDeviceMetricsOverride', { width: 1280, height: 1000, deviceScaleFactor: 1, mobile: false });
  const url = pathToFileURL(pagePath).href;
  await page.send('Page.navigate', { url });
  await page.waitFor(`document.readyState === 'complete' && !!window.zefPlayground`);

  // The page as it opens, for the README.
  await page.send('Emulation.setDeviceMetricsOverride', { width: 1280, height: 1700, deviceScaleFactor: 1, mobile: false });
  const shot = await page.send('Page.captureScreenshot', { format: 'png' });
  mkdirSync(work, { recursive: true });
  writeFileSync(join(work, 'playground.png'), Buffer.from(shot.data, 'base64'));
  await page.send('Emulation.setDeviceMetricsOverride', { width: 1280, height: 1000, deviceScaleFactor: 1, mobile: false });

  // The Japanese of the talk reaches the balloon through Shift_JIS requests
  // (the page's own encoder) and through UTF-8 ones.
  const greeting = `[...document.querySelectorAll('#figure svg.balloon-text')].some((t) => t.textContent.includes('こんにちは'))`;
  check(await page.evaluate(greeting), 'a Shift_JIS request carries the talk\'s Japanese to its balloon');
  await page.evaluate(`(() => { const charset = document.getElementById('charset'); charset.value = 'UTF-8';
    charset.dispatchEvent(new Event('input')); })()`);
  check(await page.evaluate(`${greeting} && document.getElementById('charset-reading').textContent.includes('answered in UTF-8')`),
    'a UTF-8 request does too, and is answered in UTF-8');
  await page.evaluate(`(() => { const charset = document.getElementById('charset'); charset.value = 'Shift_JIS';
    charset.dispatchEvent(new Event('input')); })()`);

  // The module's reading beside a value that it reads otherwise: 0 characters are 1.
  await replaceText(page, '#characterCount', ['0']);
  check(await page.evaluate(`document.querySelector('output[data-reading=characterCount]').textContent === '→ 1' &&
    document.querySelectorAll('#offset-fields input').length === 1`), '"0" characters: read as 1, with one offset field');

  // Two characters and a three-utterance talk, typed.
  await replaceText(page, '#characterCount', ['2']);
  const talk = ['\\s[5]Hello.', '\\s[10]Hi, two.', 'Bye.'];
  await replaceText(page, '#talk', talk);
  await page.waitFor(`document.querySelectorAll('#figure rect.balloon').length === 3`);
  const layout = await page.evaluate(`[...document.querySelectorAll('#layout [data-argument]')].map((input) => input.value)`);
  const expected = nativeBalloons([['firstZEF', ...layout], ['ZEF', ...talk]]);
  const drawn = await page.evaluate(pageBalloons);
  console.log(`native: ${show(expected)}\npage:   ${show(drawn)}`);
  check(expected.length === 3 && show(drawn) === show(expected), 'three balloons with the three texts where the preview puts them');
  check(await page.evaluate(`document.querySelector('output[data-reading=characterCount]').textContent === '→ 2'`),
    'the module\'s reading of the characters is shown beside the field');

  // The talk's result explained as saori-run --explain explains it.
  await page.waitFor(`window.zefPlayground.timing.panels !== undefined`);
  const explained = await page.evaluate(`[...document.querySelectorAll('#results .result')]
    .find((r) => r.querySelector('h3').textContent.startsWith('ZEF')).querySelector('pre.explained').textContent`);
  check(explained === nativeExplained([['firstZEF', ...layout], ['ZEF', ...talk]]), 'the result script explained as saori-run --explain does');

  // The ghost's own words after the talk land where the host puts them: in
  // the balloon of the talk's last utterance, as saori-run's @after shows.
  await setValue(page, 'words-after', 'See you.');
  const afterTalk = nativeState([['firstZEF', ...layout], ['ZEF', ...talk], ['@after See you.']]);
  const ownScope = await page.evaluate(ownWordsScope('See you.'));
  check(ownScope === afterTalk.currentScope && afterTalk.balloons.some((b) => b.scope === ownScope && b.text.endsWith('«See you.»')) &&
    await page.evaluate(`document.getElementById('next-words').textContent.includes('scope ${ownScope}')`),
    `the ghost's words after the talk land in scope ${ownScope}, as saori-run's @after puts them, and the page says so`);
  // With an empty talk they follow the layout start: the ghost's boot talk.
  await replaceText(page, '#talk', ['']);
  const afterStart = nativeState([['firstZEF', ...layout], ['@after See you.']]);
  check(await page.evaluate(ownWordsScope('See you.')) === afterStart.currentScope,
    `with no talk, the words after the layout start land in scope ${afterStart.currentScope}, as saori-run's @after puts them`);
  await setValue(page, 'words-after', '');
  await replaceText(page, '#talk', talk);

  // The author's sizes: a wide character 0 and a balloon of 240 x 120, as
  // saori-run --char-size and --balloon-size draw them.
  await setValue(page, 'char-size-0', '400x500');
  await setValue(page, 'balloon-size', '240x120');
  await page.waitFor(`window.zefPlayground.timing.panels !== undefined`);
  const sized = nativeBalloons([['firstZEF', ...layout], ['ZEF', ...talk]], ['--char-size', '400x500,200x300', '--balloon-size', '240x120']);
  const sizedOnPage = await page.evaluate(pageBalloons);
  check(sized.length === 3 && show(sizedOnPage) === show(sized) && sized[0].width === 240,
    `the author's sizes: the balloons stand where saori-run --char-size 400x500,200x300 --balloon-size 240x120 puts them`);
  check(await page.evaluate(`[...document.querySelectorAll('#results .notes li')].some((item) =>
    item.textContent.includes('covers character') && item.querySelector('span[lang=ja]').textContent.includes('に重なります'))`),
    'a balloon over a character is noted in Japanese and English');
  await setValue(page, 'char-size-0', '200x300');
  await setValue(page, 'balloon-size', '');

  // A surface image dropped on character 1's size field gives its size.
  await page.evaluate(`(async () => {
    const canvas = new OffscreenCanvas(180, 320);
    canvas.getContext('2d').fillRect(0, 0, 1, 1);
    const blob = await canvas.convertToBlob({ type: 'image/png' });
    const drop = new DataTransfer();
    drop.items.add(new File([blob], 'surface10.png', { type: 'image/png' }));
    document.getElementById('char-size-1').dispatchEvent(new DragEvent('drop', { dataTransfer: drop, cancelable: true }));
  })()`);
  await page.waitFor(`document.getElementById('char-size-1').value === '180x320'`);
  check(await page.evaluate(`[...document.querySelectorAll('#figure rect.character')].some((rect) =>
    rect.getAttribute('width') === '180' && rect.getAttribute('height') === '320')`),
    'a surface image dropped on a character\'s size field sets its size, and the figure draws it so');
  await setValue(page, 'char-size-1', '200x300');

  // The settings menu: click "Pos-H +30" in the figure.
  await page.click(`document.getElementById('open-menu')`);
  await page.waitFor(`document.querySelectorAll('#figure tspan.choice').length > 0`);
  const before = await page.evaluate(pageBalloons);
  const chosen = await page.evaluate(`(() => {
    const buttons = [...document.querySelectorAll('#choices button')];
    const index = buttons.findIndex((button) => button.textContent.startsWith('Pos-H +30 '));
    return { index, label: buttons[index]?.textContent };
  })()`);
  check(chosen.index >= 0, `the menu offers "Pos-H +30" (${chosen.label})`);
  // Every line of the menu inside its balloon, every balloon inside the figure.
  const cut = await page.evaluate(`(() => {
    const svg = document.querySelector('#figure svg.desktop');
    const [vx, vy, vw, vh] = svg.getAttribute('viewBox').split(' ').map(Number);
    const cut = [];
    for (const text of svg.querySelectorAll('svg.balloon-text')) {
      const [x, y, width, height] = ['x', 'y', 'width', 'height'].map((key) => Number(text.getAttribute(key)));
      const widest = Math.max(...[...text.querySelectorAll('text')].map((line) => line.getBBox().x + line.getBBox().width));
      if (widest > width || x < vx || y < vy || x + width > vx + vw || y + height > vy + vh) cut.push(text.nextElementSibling.textContent);
    }
    return cut;
  })()`);
  check(cut.length === 0, `every line of the menu stands inside its balloon and every balloon inside the figure${cut.length ? ': ' + cut.join(', ') : ''}`);
  await page.click(`document.querySelectorAll('#figure tspan.choice')[${chosen.index}]`);
  await page.waitFor(`window.zefPlayground.results.some((entry) => entry.choice) &&
    window.zefPlayground.results.some((entry) => entry.args[0] === 'settingZEF')`);
  const after = await page.evaluate(pageBalloons);
  const moves = movesBetween(before, after);
  console.log(`moved by the click: ${moves.map((m) => `${m.scope} by ${m.dx},${m.dy}`).join('; ')}`);
  const chosenNatively = nativeBalloons([['firstZEF', ...layout], ['ZEF', ...talk], ['settingZEF'], [`@choose ${chosen.index + 1}`]]);
  // The page draws the balloons that hold choices last (on top), and the
  // dump shows choices in brackets: the places are compared, scope by scope.
  const places = (balloons) => [...balloons].sort((a, b) => a.scope - b.scope)
    .map((b) => `${b.scope}@${b.x},${b.y} ${b.width}x${b.height}`).join('; ');
  if (places(after) !== places(chosenNatively)) console.log(`native: ${places(chosenNatively)}\npage:   ${places(after)}`);
  check(places(after) === places(chosenNatively),
    `every balloon of the menu drawn again where saori-run's @choose ${chosen.index + 1} puts it`);
  check(moves.length > 0 && moves.every((m) => m.dx === 30 && m.dy === 0), 'the character\'s balloons moved 30 px right, and nothing else moved');
  check(await page.evaluate(`document.querySelectorAll('#figure tspan.choice').length > 0`), 'the menu came back');

  // The same with the keyboard alone: focus "Pos-H -30" of that balloon and press Enter.
  const scope = chosen.label.match(/scope (\d+)/)[1];
  await page.evaluate(`[...document.querySelectorAll('#choices button')].find((b) => b.textContent === 'Pos-H -30 (scope ${scope})').focus()`);
  await page.evaluate(`window.zefPlayground.results = []`);
  await page.pressKey('Enter', 'Enter', 13, 0, '\r');
  await page.waitFor(`window.zefPlayground.results.some((entry) => entry.choice)`);
  const back = await page.evaluate(pageBalloons);
  check(movesBetween(before, back).length === 0, '"Pos-H -30" by keyboard put the balloons back');

  // changeZEF: the module's reading of the new count, and its event.
  await replaceText(page, '#change-value', ['8']);
  await page.click(`document.querySelector('#change button[type=submit]')`);
  await page.waitFor(`window.zefPlayground.results.some((entry) => entry.args[0] === 'changeZEF')`);
  check(await page.evaluate(`document.querySelector('output[data-reading=balloonCount]').textContent === '→ 8' &&
    window.zefPlayground.results.find((entry) => entry.args[0] === 'changeZEF').events.includes('OnChangeZEF')`),
    'changeZEF Bl_Num 8: the module now reads 8 balloons, and raises OnChangeZEF');

  // Kept balloon positions: with Pos_Keep on, "Pos-H +30" of a character,
  // then "Boot again" (a new run of the ghost, which hands its sums back):
  // the talk's balloons of that character stand 30 px right of a fresh boot's.
  await page.click(`document.getElementById('reboot')`);
  const home = await page.evaluate(pageBalloons);
  await setValue(page, 'change-key', 'Pos_Keep');
  await replaceText(page, '#change-value', ['On']);
  await page.click(`document.querySelector('#change button[type=submit]')`);
  await page.click(`document.getElementById('open-menu')`);
  await page.waitFor(`document.querySelectorAll('#figure tspan.choice').length > 0`);
  await page.evaluate(`[...document.querySelectorAll('#choices button')].find((b) => b.textContent === 'Pos-H +30 (scope ${scope})').click()`);
  await page.waitFor(`window.zefPlayground.results.some((entry) => entry.choice)`);
  await page.evaluate(`window.zefPlayground.results = []`);
  await page.click(`document.getElementById('reboot')`);
  await page.waitFor(`window.zefPlayground.results.some((entry) => entry.args[0] === 'restoreZEF')`);
  const kept = movesBetween(home, await page.evaluate(pageBalloons));
  const restored = await page.evaluate(`window.zefPlayground.results.find((entry) => entry.args[0] === 'restoreZEF').args.join(' ')`);
  console.log(`after the restart: ${restored}; moved: ${kept.map((m) => `${m.scope} by ${m.dx},${m.dy}`).join('; ')}`);
  check(kept.length > 0 && kept.every((m) => m.dx === 30 && m.dy === 0 && (m.scope - 10) % 2 === Number(scope)),
    'Pos_Keep on, "Pos-H +30", boot again: the talk\'s balloons of that character stand 30 px right of a fresh boot\'s');

  // Speed: the figure for a 10 KiB talk, as the author's typing triggers it.
  const timings = await page.evaluate(`(async () => {
    const talk = document.getElementById('talk');
    const lines = [];
    for (let size = 0, i = 0; size < 10240; ++i) {
      const line = i % 3 === 0 ? '\\\\s[5]' + 'Hello, this is a longer line of the talk. ' .repeat(2) : 'Line ' + i + ' of the talk.';
      lines.push(line);
      size += line.length + 1;
    }
    const times = [];
    for (let round = 0; round < 7; ++round) {
      talk.value = lines.join('\\n') + (round % 2 ? '' : '\\n');
      talk.dispatchEvent(new Event('input'));
      const timing = window.zefPlayground.timing;
      while (timing.panels === undefined) await new Promise((resolve) => setTimeout(resolve, 10));
      times.push(timing);
    }
    return { bytes: talk.value.length, utterances: lines.length, times };
  })()`);
  const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
  const ms = (key) => `${median(timings.times.map((t) => t[key])).toFixed(1)} ms`;
  console.log(`10 KiB talk (${timings.bytes} bytes, ${timings.utterances} utterances), medians of ${timings.times.length}: ` +
    `figure drawn ${ms('figure')}, on the screen ${ms('painted')}, panels below it done ${ms('panels')}`);

  // At 200% zoom.
  await page.send('Emulation.setDeviceMetricsOverride', { width: 640, height: 500, deviceScaleFactor: 2, mobile: false });
  const overflow = await page.evaluate(`document.documentElement.scrollWidth - document.documentElement.clientWidth`);
  check(overflow <= 0, `at 200% zoom (640 CSS px wide) nothing scrolls sideways (overflow ${overflow} px)`);

  // A talk that the module's memory cannot hold (64 MiB): the module stops,
  // the page says so and opens it afresh with the layout start alone.
  await page.evaluate(`(() => {
    const charset = document.getElementById('charset');
    charset.value = 'UTF-8';
    charset.dispatchEvent(new Event('input'));
    const talk = document.getElementById('talk');
    talk.value = 'x'.repeat(64 << 20);
    talk.dispatchEvent(new Event('input'));
  })()`);
  // After a restart the ghost that keeps positions follows the layout start
  // with its own requests, so the check is for a fresh run without the talk.
  await page.waitFor(`document.getElementById('status').classList.contains('error') &&
    window.zefPlayground.results.length >= 1 && window.zefPlayground.results[0].args[0] === 'firstZEF' &&
    !window.zefPlayground.results.some((entry) => entry.args[0] === 'ZEF')`, 60000);
  check(await page.evaluate(`document.getElementById('status').classList.contains('error') &&
    document.getElementById('status').textContent.includes('out of memory') &&
    document.querySelector('output[data-reading=characterCount]').textContent === '→ 2'`),
    'a 64 MiB talk: the page says the module ran out of memory, and the module answers again');

  check(problems.length === 0, `no console error or exception${problems.length ? ': ' + problems.join(' | ') : ''}`);
  const elsewhere = requests.filter((request) => request !== url);
  check(elsewhere.length === 0, `no request beyond the page itself${elsewhere.length ? ': ' + elsewhere.join(' ') : ''}`);
}

function movesBetween(before, after) {
  const moves = [];
  for (const balloon of after) {
    const old = before.find((b) => b.scope === balloon.scope);
    if (!old) continue;
    if (old.x !== balloon.x || old.y !== balloon.y) moves.push({ scope: balloon.scope, dx: balloon.x - old.x, dy: balloon.y - old.y });
  }
  return moves;
}

await main();
if (failures.length) {
  console.log(`${failures.length} check(s) failed`);
  process.exit(1);
}
