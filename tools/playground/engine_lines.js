// "Copy for your engine": the layout start and the talk as call lines for
// YAYA, Satori and Kawari 8, written by the rules that the samples follow
// (package/sample/, README "Calling from YAYA, Satori and Kawari"): the
// firstZEF call for the sample's guarded layout start, and the talk behind
// that guard. Where an engine would change a text on the way, a warning says
// how.
//
//   engineLines(["firstZEF", "On", "2", ...], ["ZEF", "Hello.", "Hi."])
//   -> [{ engine: "YAYA", file: "yaya/zef.dic", lines: [...], warnings: [] }, ...]
'use strict';

// YAYA: double quotes, as the sample writes them. A double-quoted string
// expands "%name" and "%(...)", and neither kind of quote can hold itself, so
// text with "%" goes in single quotes and each quote character is a piece of
// its own, joined with "+".
function yayaString(text) {
  if (text === '') return '""';
  const pieces = text.split(/(["'])/).filter((piece) => piece !== '');
  return pieces
    .map((piece) => {
      if (piece === '"') return "'\"'";
      if (piece === "'") return '"\'"';
      return piece.includes('%') ? `'${piece}'` : `"${piece}"`;
    })
    .join(' + ');
}

function yayaLines(layout, talk) {
  const call = (args) => `FUNCTIONEX("zef.dll", ${args.map(yayaString).join(', ')})`;
  const lines = ['// ZEF.Start の firstZEF / the firstZEF line of ZEF.Start', call(layout)];
  // YAYA evaluates the right side of "+" first: the guard goes on a line of its own.
  if (talk.length > 1) lines.push('// 会話 / a talk', 'ZEF.Start', '--', call(talk));
  return { engine: 'YAYA', file: 'yaya/zef.dic', lines, warnings: [] };
}

// Satori: （zef,WORD,ARG,...）. The separator that follows the SAORI's name
// (",", "、" or "，") is the only one that separates that call's arguments, so
// each call takes one that none of its arguments holds. Satori also
// evaluates an argument that starts with a digit or a sign as arithmetic, and
// takes full-width parentheses for a call of its own.
const satoriSeparators = [',', '、', '，'];

function satoriLines(layout, talk) {
  const warnings = [];
  const call = (args) => {
    const separator = satoriSeparators.find((mark) => args.every((argument) => !argument.includes(mark)));
    args.forEach((argument, index) => {
      if (index === 0) return;
      const where = `${args[0]} Argument${index}「${argument}」`;
      if (/^\s*[-+0-9]/.test(argument) && !/^[-+]?[0-9]+$/.test(argument)) {
        warnings.push(`${where}: 里々は数字や符号で始まる引数を計算します / Satori evaluates an argument that starts with a digit or a sign as arithmetic`);
      }
      if (/[（）]/.test(argument)) warnings.push(`${where}: 里々は（…）を呼び出しと読みます / Satori reads （…） as a call`);
    });
    if (!separator) {
      warnings.push(`${args[0]}: 引数に「,」「、」「，」がすべてあり、里々はどれかで切ります / its arguments hold all of , 、 ，: Satori cuts them apart`);
    }
    return `（zef${separator || ','}${args.join(separator || ',')}）`;
  };
  const lines = ['＃ ＠zefStart の firstZEF / the firstZEF of ＠zefStart', call(layout)];
  if (talk.length > 1) lines.push('＃ 会話 / a talk', `（zefStart）${call(talk)}`);
  return { engine: 'Satori', file: 'satori/dic_zef.txt', lines, warnings };
}

// Kawari 8: $(callsaori zef WORD ARG ...): the sample writes numbers and plain
// words bare and every utterance in double quotes; a word that holds a ","
// must be quoted, and a double quote inside one is written \". Kawari leaves
// empty arguments out, which the module reads as empty: their places stay.
function kawariWord(text, quoted) {
  if (!quoted && /^[^\s"$(),\\]+$/.test(text)) return text;
  return `"${text.replace(/"/g, '\\"')}"`;
}

function kawariLines(layout, talk) {
  const warnings = [];
  for (const text of talk.slice(1)) {
    if (/\$[({]/.test(text)) warnings.push(`「${text}」: 華和梨は $(…) や ${'${…}'} を置き換えます / Kawari substitutes $(…) and \${…}, also in quotes`);
  }
  const call = (args, quoteAll) =>
    `$(callsaori zef ${args.map((argument, index) => kawariWord(argument, quoteAll && index > 0)).join(' ')})`;
  const lines = ['# zef.layout の firstZEF / the firstZEF of zef.layout', call(layout, false)];
  if (talk.length > 1) lines.push('# 会話 / a talk', '${zef.Start}' + call(talk, true));
  return { engine: 'Kawari 8', file: 'kawari/dict-zef.txt', lines, warnings };
}

function engineLines(layout, talk) {
  return [yayaLines(layout, talk), satoriLines(layout, talk), kawariLines(layout, talk)];
}
