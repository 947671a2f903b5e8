// The text of the page's requests in the form's charset, and of the module's
// answers:
//
//   encode('こんにちは', missing)  -> the bytes in Shift_JIS or UTF-8
//   decodeIn(true, bytes)        -> the text of UTF-8 bytes
// In Shift_JIS, characters it lacks go out as "?" and are added to `missing`.
'use strict';

const utf8 = new TextEncoder();
const utf8Text = new TextDecoder('utf-8');
const shiftJisText = new TextDecoder('shift_jis');

function charsetName() { return $('charset').value; }
function encode(text, missing) { return charsetName() === 'UTF-8' ? utf8.encode(text) : encodeShiftJis(text, missing); }
function decodeIn(isUtf8, bytes) { return (isUtf8 ? utf8Text : shiftJisText).decode(bytes); }

// Byte arrays one after another, in one array.
function joinBytes(parts) {
  const bytes = new Uint8Array(parts.reduce((sum, part) => sum + part.length, 0));
  let at = 0;
  for (const part of parts) {
    bytes.set(part, at);
    at += part.length;
  }
  return bytes;
}
