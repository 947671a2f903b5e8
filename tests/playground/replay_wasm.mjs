// Replays a call stream that request_stream wrote through the WebAssembly
// module and writes the recording in request_stream's format.
// usage: node replay_wasm.mjs ZEF_PLAYGROUND_WASM STREAM RECORDING
import { readFileSync, writeFileSync } from 'node:fs';
import { openWasmModule } from './wasm_module.mjs';

const [wasmPath, streamPath, recordingPath] = process.argv.slice(2);
if (process.argv.length !== 5) {
  console.error('usage: node replay_wasm.mjs ZEF_PLAYGROUND_WASM STREAM RECORDING');
  process.exit(2);
}
const module = await openWasmModule(wasmPath);
const stream = readFileSync(streamPath);
const parts = [];
const number = (value) => {
  const bytes = Buffer.alloc(4);
  bytes.writeUInt32LE(value >>> 0);
  return bytes;
};

for (let at = 0; at < stream.length;) {
  const call = String.fromCharCode(stream[at++]);
  if (call === 'L') parts.push(number(module.load()));
  if (call === 'U') parts.push(number(module.unload()));
  if (call !== 'R') continue;
  const length = stream.readUInt32LE(at);
  at += 4;
  const response = module.request(stream.subarray(at, at + length));
  at += length;
  parts.push(Buffer.from([response ? 1 : 0]), number(response ? response.length : 0));
  if (response) parts.push(Buffer.from(response));
}
writeFileSync(recordingPath, Buffer.concat(parts));
