// "Copy for your engine": the layout start and the talk as call lines for
// YAYA, Satori and Kawari, written by the rules that the samples follow
// (package/sample/). Each engine gets its lines and, where the text is one
// that the engine would change on the way, a warning that says how.
//
//   engineLines(["firstZEF", "On", "2", ...], ["ZEF", "Hello.", "Hi."])
//   -> [{ engine: "YAYA", lines: ['_layout = FUNCTIONEX("zef.dll", "firstZEF", "On", ...)', ...], warnings: [] }, ...]
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
  const call = (name, args) => `${name} = FUNCTIONEX("zef.dll", ${args.map(yayaString).join(', ')})`;
  const lines = [call('_layout', layout)];
  if (talk.length > 1) lines.push(call('_talk', talk));
  return { engine: 'YAYA', file: 'yaya/zef.dic', lines, warnings: [] };
}

// Satori: (zef、WORD、ARG、...) in full-width parentheses, the arguments
// separated by "、". Satori also cuts at "," and "，", evaluates an argument
// that starts with a digit or a sign as arithmetic, and takes full-width
// parentheses for a call of its own.
function satoriLines(layout, talk) {
  const warnings = [];
  const check = (argument, index, word) => {
    const where = `${word} Argument${index}「${argument}」`;
    if (/[、,，]/.test(argument)) warnings.push(`${where}: 里々は「、」「,」「，」で引数を切ります / Satori cuts it apart at 、 , ，`);
    if (/^[\s]*[-+0-9]/.test(argument) && !/^[-+]?[0-9]+$/.test(argument)) {
      warnings.push(`${where}: 里々は数字や符号で始まる引数を計算します / Satori evaluates an argument that starts with a digit or sign as arithmetic`);
    }
    if (/[（）]/.test(argument)) warnings.push(`${where}: 里々は（…）を呼び出しと読みます / Satori reads （…） as a call`);
  };
  const call = (args) => {
    args.forEach((argument, index) => index > 0 && check(argument, index, args[0]));
    return `（zef、${args.join('、')}）`;
  };
  const lines = ['＊OnBoot', call(layout) + (talk.length > 1 ? call(talk) : '')];
  return {
    engine: 'Satori', file: 'satori/dic_zef.txt', lines, warnings,
    extra: 'satori_conf.txt: ＠SAORI\nzef,zef.dll',
  };
}

// Kawari: $(callsaori zef WORD ARG ...): the sample writes numbers and plain
// words bare and every utterance in double quotes; a double quote inside one
// is written \". Kawari leaves empty arguments out, which the module reads
// as empty: their places stay.
function kawariWord(text, quoted) {
  if (!quoted && /^[^\s"$()\\]+$/.test(text)) return text;
  return `"${text.replace(/"/g, '\\"')}"`;
}

function kawariLines(layout, talk) {
  const warnings = [];
  for (const text of talk.slice(1)) {
    if (/\$[({]/.test(text)) warnings.push(`「${text}」: 華和梨は $(…) や ${'${…}'} を置き換えます / Kawari substitutes $(…) and \${…}, also in quotes`);
  }
  const call = (args, quoteAll) =>
    `$(callsaori zef ${args.map((argument, index) => kawariWord(argument, quoteAll && index > 0)).join(' ')})`;
  const line = 'event.OnBoot : ' + call(layout, false) + (talk.length > 1 ? call(talk, true) : '');
  return { engine: 'Kawari', file: 'kawari/dict-zef.txt', lines: ['=kis', 'saoriregist zef.dll zef;', '=end', line], warnings };
}

function engineLines(layout, talk) {
  return [yayaLines(layout, talk), satoriLines(layout, talk), kawariLines(layout, talk)];
}
