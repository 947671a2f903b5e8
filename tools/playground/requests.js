// The SAORI/1.0 text of the page's requests, and the lines of a response:
//
//   requestBytes(['ZEF', 'Hello.'], missing)  -> "EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\n..."
//   headerValue(response, 'Result')          -> the bytes after "Result: "
// The charset is the form's; in Shift_JIS, characters it lacks go out as "?".
'use strict';

const utf8 = new TextEncoder();
const utf8Text = new TextDecoder('utf-8');
const shiftJisText = new TextDecoder('shift_jis');

function charsetName() { return $('charset').value; }
function encode(text, missing) { return charsetName() === 'UTF-8' ? utf8.encode(text) : encodeShiftJis(text, missing); }

function requestBytes(args, missing) {
  const parts = [utf8.encode(`EXECUTE SAORI/1.0\r\nCharset: ${charsetName()}\r\nSender: zef playground\r\n`)];
  args.forEach((argument, index) => {
    parts.push(utf8.encode(`Argument${index}: `), encode(argument, missing), utf8.encode('\r\n'));
  });
  parts.push(utf8.encode('\r\n'));
  const bytes = new Uint8Array(parts.reduce((sum, part) => sum + part.length, 0));
  let at = 0;
  for (const part of parts) {
    bytes.set(part, at);
    at += part.length;
  }
  return bytes;
}

// The value of the response line that starts with `name`, as bytes.
function headerValue(response, name) {
  const head = utf8.encode(`\r\n${name}: `);
  outer: for (let at = 0; at + head.length <= response.length; ++at) {
    for (let i = 0; i < head.length; ++i) if (response[at + i] !== head[i]) continue outer;
    const start = at + head.length;
    let end = start;
    while (end < response.length && response[end] !== 0x0d) ++end;
    return response.subarray(start, end);
  }
  return null;
}

function decodeIn(isUtf8, bytes) { return (isUtf8 ? utf8Text : shiftJisText).decode(bytes); }
