// Shift_JIS for the page's requests. Browsers decode Shift_JIS (as code page
// 932) but cannot encode it, so the table is read back from the browser's own
// decoder once, when the page opens:
//
//   encodeShiftJis('こんにちは', missing)  -> Uint8Array [0x82, 0xb1, ...]
'use strict';

// Each character of code page 932 beyond ASCII, with its bytes.
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
