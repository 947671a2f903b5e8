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
  return lines.map((line) => {
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
function kawariCalls(line) {
  return [...line.matchAll(/\$\(callsaori zef ((?:"(?:\\"|[^"])*"|[^)"])*)\)/g)].map((match) => {
    const args = [];
    for (const word of match[1].matchAll(/"((?:\\"|[^"])*)"|(\S+)/g)) {
      args.push(word[1] !== undefined ? word[1].replace(/\\"/g, '"') : word[2]);
    }
    return args;
  });
}

// Satori: （zef、...） split at "、".
function satoriCalls(line) {
  return [...line.matchAll(/（zef、(.*?)）(?=（zef|$)/g)].map((match) => match[1].split('、'));
}

const layout = ['firstZEF', 'On', '2', '6', '100', '100', '10', '0', 'default', '12', '0', '0'];
const talks = [
  ['ZEF', '\\s[5]Hello.', 'こんにちは。'],
  ['ZEF', 'He said "hi".', "it's 100%", '50% "both" \'kinds\'', ''],
  ['ZEF', 'cost $(price)', 'a、b', '120+5'],
];
for (const talk of talks) {
  const [yaya, satori, kawari] = context.engineLines(layout, talk);
  expectSame(yayaCalls(yaya.lines), [layout, talk], `YAYA ${JSON.stringify(talk)}`);
  expectSame(kawariCalls(kawari.lines.at(-1)), [layout, talk], `Kawari ${JSON.stringify(talk)}`);
  const satoriChanges = talk.some((text) => /[、,，（）]|^[-+0-9].*[^0-9]/.test(text));
  if (satoriChanges) {
    expectSame(satori.warnings.length > 0, true, `Satori warns for ${JSON.stringify(talk)}`);
  } else {
    expectSame(satoriCalls(satori.lines[1]), [layout, talk], `Satori ${JSON.stringify(talk)}`);
    expectSame(satori.warnings, [], `Satori has nothing to warn of in ${JSON.stringify(talk)}`);
  }
}
expectSame(context.engineLines(layout, talks[2])[2].warnings.length, 1, 'Kawari warns of $(...)');
expectSame(context.engineLines(layout, talks[2])[1].warnings.length, 2, 'Satori warns of "a、b" and "120+5"');

if (failures.length) {
  console.log(failures.join('\n'));
  process.exit(1);
}
console.log(`${talks.length} talks: every engine's lines carry the form's arguments`);
