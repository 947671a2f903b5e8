// The page's "Copy for your engine" pieces read back as each engine reads
// them: the talk and the layout start must carry exactly the form's
// arguments, whatever quotes, backslashes, "%", "$" or separators the talk
// holds; where an engine would change a text, a warning must say so. With
// SAMPLE_DIR (package/sample), every piece of the default settings must
// stand in the sample as it is, and so must the talk of the samples' own
// example.
// usage: node engine_lines_test.mjs ENGINE_LINES_JS [SAMPLE_DIR]
import { existsSync, readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import vm from 'node:vm';

const [linesFile, sampleDir] = process.argv.slice(2);
const context = {};
vm.runInNewContext(readFileSync(linesFile, 'utf8'), context);
const failures = [];
const expectSame = (got, want, what) => {
  if (JSON.stringify(got) !== JSON.stringify(want)) failures.push(`${what}: got ${JSON.stringify(got)}, want ${JSON.stringify(want)}`);
};
const pieceText = (engine, start) => engine.pieces.find((piece) => piece.text.includes(start))?.text ?? '';

// YAYA: NAME(...) whose arguments are "..." strings (a "" in one is a ") or
// '...' strings, or such strings joined by "+".
function yayaCall(text, name) {
  const at = text.indexOf(`${name}(`);
  if (at < 0) return null;
  const args = [];
  let current = null;
  for (let i = at + name.length + 1; i < text.length;) {
    const c = text[i];
    if (c === '"' || c === "'") {
      let end = i + 1;
      let value = '';
      for (;;) {
        const close = text.indexOf(c, end);
        value += text.slice(end, close);
        if (c === '"' && text[close + 1] === '"') {
          value += '"';
          end = close + 2;
          continue;
        }
        i = close + 1;
        break;
      }
      current = (current ?? '') + value;
    } else if (c === ',' || c === ')') {
      args.push(current);
      current = null;
      ++i;
      if (c === ')') break;
    } else {
      ++i;  // blanks and "+"
    }
  }
  return args;
}

// Kawari: $(NAME ...) with bare words and "..." in which \" is " and \\ is \.
function kawariCall(text, name) {
  const at = text.indexOf(`$(${name} `);
  if (at < 0) return null;
  const args = [];
  let i = at + name.length + 3;
  while (text[i] !== ')') {
    if (text[i] === ' ') {
      ++i;
    } else if (text[i] === '"') {
      let value = '';
      for (++i; text[i] !== '"'; ++i) {
        if (text[i] === '\\' && (text[i + 1] === '"' || text[i + 1] === '\\')) ++i;
        value += text[i];
      }
      args.push(value);
      ++i;
    } else {
      const end = text.slice(i).search(/[ )]/) + i;
      args.push(text.slice(i, end));
      i = end;
    }
  }
  return args;
}

// Satori: （NAME,...）, its arguments split at the "," that no φ escapes.
function satoriCall(text, name) {
  const match = text.match(new RegExp(`（${name},([^（）]*)）`));
  if (!match) return null;
  return match[1].split(/(?<!φ),/).map((argument) => argument.replace(/φ(.)/g, '$1'));
}

const layout = ['firstZEF', 'On', '2', '6', '100', '100', '10', '0', 'default', '12', '0', '0'];
const talks = [
  ['ZEF', '\\s[5]Hello.', 'こんにちは、今日は。'],
  ['ZEF', 'He said "hi".', "it's 100%", '50% "both" \'kinds\'', '', 'a, b'],
  ['ZEF', 'a,b', 'c、d', 'e，f', 'ends with \\', 'a \\" b \\\\ c'],
  ['ZEF', 'cost $(price)', '120+5'],
];
for (const talk of talks) {
  const [yaya, satori, kawari] = context.engineLines(layout, talk);
  expectSame(yayaCall(pieceText(yaya, 'ZEF.Talk('), 'ZEF.Talk'), talk.slice(1), `YAYA talk ${JSON.stringify(talk)}`);
  expectSame(yayaCall(pieceText(yaya, 'FUNCTIONEX('), 'FUNCTIONEX'), ['zef.dll', ...layout], 'YAYA ZEF.Start');
  expectSame(kawariCall(pieceText(kawari, 'zef.Talk'), 'zef.Talk'), talk.slice(1), `Kawari talk ${JSON.stringify(talk)}`);
  expectSame(kawariCall(pieceText(kawari, 'callsaori'), 'callsaori zef'), layout, 'Kawari zef.layout');
  expectSame(satoriCall(pieceText(satori, 'zefTalk'), 'call'), ['zefTalk', ...talk.slice(1)], `Satori talk ${JSON.stringify(talk)}`);
  expectSame(satoriCall(pieceText(satori, '＠zefStart'), 'zef'), layout, 'Satori ＠zefStart');
}
expectSame(context.engineLines(layout, talks[0])[1].warnings, [], 'Satori has nothing to warn of in a plain talk');
expectSame(context.engineLines(layout, talks[3])[1].warnings.length, 1, 'Satori warns of "120+5"');
expectSame(context.engineLines(layout, talks[3])[2].warnings.length, 1, 'Kawari warns of $(...)');
const threeCharacters = ['firstZEF', 'On', '3', '6', '100', '100', '10', '0', 'default', '12', '0', '0', '0'];
expectSame(context.engineLines(threeCharacters, talks[0]).map((engine) => engine.warnings.length), [1, 1, 1],
  'three characters: each engine says that the samples keep one horizontal sum per character for two');

// The pieces as the samples write them: each one stands in its sample.
const sampleTexts = (file) => {
  const directory = join(sampleDir, file.split('/')[0]);
  return readdirSync(directory).filter((name) => name.endsWith('.txt') || name.endsWith('.dic'))
    .map((name) => readFileSync(join(directory, name), 'utf8').replace(/\r\n/g, '\n')).join('\n');
};
if (sampleDir && existsSync(join(sampleDir, 'yaya/zef.dic')) && readFileSync(join(sampleDir, 'yaya/zef.dic'), 'utf8').includes('ZEF.Talk')) {
  for (const engine of context.engineLines(layout, ['ZEF', '\\s[0]発言1', '\\s[10]発言2'])) {
    const sample = sampleTexts(engine.file);
    for (const { label, text } of engine.pieces) {
      if (!sample.includes(text)) failures.push(`${engine.engine} "${label}" is not in sample/${engine.file}'s folder as it is:\n${text}`);
    }
  }
} else if (sampleDir) {
  console.log('the samples do not have the one-call talk yet: their pieces were not compared');
}

if (failures.length) {
  console.log(failures.join('\n'));
  process.exit(1);
}
console.log(`${talks.length} talks: every engine's pieces carry the form's arguments`);
