// The page's "Copy for your engine" lines read back as each engine reads
// them: every call must carry exactly the form's arguments, whatever quotes,
// "%", "$" or separators the talk holds; where an engine would change a text,
// a warning must say so.
// usage: node engine_lines_test.mjs ENGINE_LINES_JS
import { readFileSync } from 'node:fs';
import vm from 'node:vm';

const context = {};
vm.runInNewContext(readFileSync(process.argv[2], 'utf8'), context);
const failures = [];
const expectSame = (got, want, what) => {
  if (JSON.stringify(got) !== JSON.stringify(want)) failures.push(`${what}: got ${JSON.stringify(got)}, want ${JSON.stringify(want)}`);
};

// YAYA: FUNCTIONEX("zef.dll", ...) whose arguments are "..." or '...'
// strings, or such strings joined by "+".
function yayaCalls(lines) {
  return lines.filter((line) => line.startsWith('FUNCTIONEX(')).map((line) => {
    const inner = line.slice(line.indexOf('FUNCTIONEX(') + 11, line.lastIndexOf(')'));
    const args = [];
    let current = null;
    for (let at = 0; at < inner.length;) {
      const c = inner[at];
      if (c === '"' || c === "'") {
        const end = inner.indexOf(c, at + 1);
        current = (current ?? '') + inner.slice(at + 1, end);
        at = end + 1;
      } else if (c === ',') {
        args.push(current);
        current = null;
        ++at;
      } else {
        ++at;  // blanks and "+"
      }
    }
    args.push(current);
    return args.slice(1);  // without "zef.dll"
  });
}

// Kawari: $(callsaori zef ...) with bare words and "..." holding \" escapes.
function kawariCalls(lines) {
  return [...lines.join('\n').matchAll(/\$\(callsaori zef ((?:"(?:\\"|[^"])*"|[^)"])*)\)/g)].map((match) => {
    const args = [];
    for (const word of match[1].matchAll(/"((?:\\"|[^"])*)"|(\S+)/g)) {
      args.push(word[1] !== undefined ? word[1].replace(/\\"/g, '"') : word[2]);
    }
    return args;
  });
}

// Satori: （zef,...）, its arguments split at the separator after "zef".
function satoriCalls(lines) {
  return [...lines.join('\n').matchAll(/（zef([,、，])(.*?)）$/gm)].map((match) => match[2].split(match[1]));
}

const layout = ['firstZEF', 'On', '2', '6', '100', '100', '10', '0', 'default', '12', '0', '0'];
const talks = [
  ['ZEF', '\\s[5]Hello.', 'こんにちは、今日は。'],
  ['ZEF', 'He said "hi".', "it's 100%", '50% "both" \'kinds\'', '', 'a, b'],
  ['ZEF', 'a,b', 'c、d', 'e，f'],
  ['ZEF', 'cost $(price)', '120+5'],
];
for (const talk of talks) {
  const [yaya, satori, kawari] = context.engineLines(layout, talk);
  expectSame(yayaCalls(yaya.lines), [layout, talk], `YAYA ${JSON.stringify(talk)}`);
  expectSame(kawariCalls(kawari.lines), [layout, talk], `Kawari ${JSON.stringify(talk)}`);
  const separators = [',', '、', '，'].filter((mark) => talk.some((text) => text.includes(mark)));
  if (separators.length < 3) expectSame(satoriCalls(satori.lines), [layout, talk], `Satori ${JSON.stringify(talk)}`);
}
expectSame(context.engineLines(layout, talks[0])[1].warnings, [], 'Satori has nothing to warn of in a plain talk');
expectSame(context.engineLines(layout, talks[2])[1].warnings.length, 1, 'Satori warns when every separator is taken');
expectSame(context.engineLines(layout, talks[3])[1].warnings.length, 1, 'Satori warns of "120+5"');
expectSame(context.engineLines(layout, talks[3])[2].warnings.length, 1, 'Kawari warns of $(...)');

if (failures.length) {
  console.log(failures.join('\n'));
  process.exit(1);
}
console.log(`${talks.length} talks: every engine's lines carry the form's arguments`);
