// "Copy for your engine": whole pieces for YAYA, Satori and Kawari 8, each
// exactly as the samples (package/sample/) write it, to paste into the
// ghost: where to register the sample (and the module), the one menu
// choice, the talk as the sample's one call, and the sample's layout start
// with the page's values. Where an engine would change a text on the way,
// a warning says how.
//
//   engineLines(["firstZEF", "On", "2", ...], ["ZEF", "Hello.", "Hi."])
//   -> [{ engine: "YAYA", file: "yaya/zef.dic",
//         pieces: [{ label: "...", text: "dic, zef.dic, Shift_JIS" }, ...], warnings: [] }, ...]
'use strict';

// The sample's menu choice label.
const menuLabel = 'バルーンの位置';

// A piece: what it is and where it goes (Japanese / English), and its text.
const piece = (label, text) => ({ label, text });

// The samples keep the balloon positions for two characters: one horizontal
// sum each in restoreZEF and in what they save. Another count needs as many.
function keptSumsWarnings(layout, where) {
  const characters = Math.max(1, parseInt(layout[2], 10) || 0);
  if (characters === 2) return [];
  return [`${characters} 人: サンプルの ${where} の restoreZEF と保存する位置を、一人に一つずつにします / ` +
    `${characters} characters: give the sample's restoreZEF in ${where}, and what it saves, one horizontal sum per character`];
}

// YAYA: a double-quoted string holds a " written twice. It also expands
// "%name" and "%(...)", so text with "%" goes in single quotes, each quote
// character a piece of its own, joined with "+".
function yayaString(text) {
  if (!text.includes('%')) return `"${text.replace(/"/g, '""')}"`;
  const pieces = text.split(/(["'])/).filter((part) => part !== '');
  return pieces
    .map((part) => {
      if (part === '"') return "'\"'";
      if (part === "'") return '"\'"';
      return part.includes('%') ? `'${part}'` : `"${part}"`;
    })
    .join(' + ');
}

function yayaLines(layout, talk) {
  const start = [
    'ZEF.Start',
    '{',
    '\tif ZEF.StartedRun == ghostuptimes {',
    '\t\treturn',
    '\t}',
    '\tZEF.StartedRun = ghostuptimes',
    `\t_layout = FUNCTIONEX("zef.dll", ${layout.map(yayaString).join(', ')})`,
    '\tZEF.KeepOn',
    '\t--',
    '\t_layout + ZEF.Restore',
    '}',
  ].join('\n');
  return {
    engine: 'YAYA',
    file: 'yaya/zef.dic',
    pieces: [
      piece('yaya.txt に一行 / One line in yaya.txt', 'dic, zef.dic, Shift_JIS'),
      piece('ゴーストのメニューに選択肢を一つ / One choice in the ghost\'s menu', `\\q[${menuLabel},OnZEFMenu]`),
      piece('トーク / A talk', `ZEF.Talk(${talk.slice(1).map(yayaString).join(', ')})`),
      piece('zef.dic の ZEF.Start（この値で）/ ZEF.Start in zef.dic (with these values)', start),
    ],
    warnings: keptSumsWarnings(layout, 'ZEF.Restore'),
  };
}

// Satori: （call,zefTalk,...） and （zef,firstZEF,...）. The separator right after
// the name ("," here, as the sample writes it) is the only one that separates;
// a "," inside an argument is written "φ,". Satori also evaluates an argument
// that starts with a digit or a sign as arithmetic, and takes full-width
// parentheses for a call of its own.
function satoriArguments(args, warnings) {
  return args.map((argument, index) => {
    const where = `${args[0] === 'ZEF' ? 'zefTalk' : args[0]} ${args[0] === 'ZEF' ? '発言 / utterance' : 'Argument'}${index}「${argument}」`;
    if (index > 0 && /^\s*[-+0-9]/.test(argument) && !/^[-+]?[0-9]+$/.test(argument)) {
      warnings.push(`${where}: 里々は数字や符号で始まる引数を計算します / Satori evaluates an argument that starts with a digit or a sign as arithmetic`);
    }
    if (/[（）]/.test(argument)) warnings.push(`${where}: 里々は（…）を呼び出しと読みます / Satori reads （…） as a call`);
    if (argument.includes('φ')) warnings.push(`${where}: 里々は φ の次の文字をそのまま書きます / Satori takes φ as the escape of the character after it`);
    return argument.replace(/,/g, 'φ,');
  });
}

function satoriLines(layout, talk) {
  const warnings = [];
  const utterances = satoriArguments(talk, warnings).slice(1);
  const settings = satoriArguments(layout, warnings);
  const start = `＠zefStart\n（when,（zefRun）==（起動回数）,,（set,zefRun,（起動回数））（zef,${settings.join(',')}）（call,zefKeep））`;
  warnings.push(...keptSumsWarnings(layout, '＊zefKeep'));
  return {
    engine: 'Satori',
    file: 'satori/dic_zef.txt',
    pieces: [
      piece('satori_conf.txt の「＠SAORI」の下に一行（見出しがなければ二行とも）/ One line under ＠SAORI in satori_conf.txt (both lines without that heading)',
        '＠SAORI\nzef,zef.dll'),
      piece('ゴーストのメニューに選択肢を一つ / One choice in the ghost\'s menu', `＿${menuLabel}\tOnZEFMenu`),
      piece('トーク（一行に）/ A talk (on one line)', `（call,zefTalk,${utterances.join(',')}）`),
      piece('dic_zef.txt の ＠zefStart（この値で）/ ＠zefStart in dic_zef.txt (with these values)', start),
    ],
    warnings,
  };
}

// Kawari 8: the sample writes numbers and plain words bare and every
// utterance in double quotes, where a " is \" and a \ right before a " or a
// \ (or the closing quote) is \\. Kawari leaves empty arguments out, which
// the module reads as empty: their places stay.
function kawariWord(text, quoted) {
  if (!quoted && /^[^\s"$(),\\]+$/.test(text)) return text;
  return `"${text.replace(/\\(?=["\\]|$)/g, '\\\\').replace(/"/g, '\\"')}"`;
}

function kawariLines(layout, talk) {
  const warnings = [];
  for (const text of talk.slice(1)) {
    if (/\$[({]/.test(text)) warnings.push(`「${text}」: 華和梨は $(…) や ${'${…}'} を置き換えます / Kawari substitutes $(…) and \${…}, also in quotes`);
  }
  const settings = layout.map((argument) => kawariWord(argument, false)).join(' ');
  return {
    engine: 'Kawari 8',
    file: 'kawari/dict-zef.txt',
    pieces: [
      piece('kawarirc.kis の =kis と =end の間に一行 / One line between =kis and =end in kawarirc.kis', 'load dict-zef.txt;'),
      piece('ゴーストのメニューに選択肢を一つ / One choice in the ghost\'s menu', `"\\q[${menuLabel},OnZEFMenu]"`),
      piece('トーク / A talk', `$(zef.Talk ${talk.slice(1).map((text) => kawariWord(text, true)).join(' ')})`),
      piece('dict-zef.txt の zef.layout（この値で）/ zef.layout in dict-zef.txt (with these values)',
        `zef.layout : $(set zef.started 1)$(callsaori zef ${settings})\${zef.keep}`),
    ],
    warnings: [...warnings, ...keptSumsWarnings(layout, 'zef.keep')],
  };
}

function engineLines(layout, talk) {
  return [yayaLines(layout, talk), satoriLines(layout, talk), kawariLines(layout, talk)];
}
