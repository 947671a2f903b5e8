// A request that needs more than the WebAssembly module's memory (256 MiB)
// must stop the module at the failed allocation (the trap "unreachable",
// which the page reports), never write through a null pointer (a memory
// fault, or worse, a wrong answer). A talk below the limit is answered.
// usage: node out_of_memory.mjs ZEF_PLAYGROUND_WASM
import { openWasmModule } from './wasm_module.mjs';

const module = await openWasmModule(process.argv[2]);
const encoder = new TextEncoder();
const layoutStart = encoder.encode('EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\n' +
  ['firstZEF', 'On', '1', '6', '100', '100', '10', '0', 'default', '12', '0']
    .map((argument, index) => `Argument${index}: ${argument}\r\n`).join('') + '\r\n');

// A ZEF request with one utterance of `size` bytes.
function talkOf(size) {
  const head = encoder.encode('EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\nArgument0: ZEF\r\nArgument1: ');
  const tail = encoder.encode('\r\n\r\n');
  const bytes = new Uint8Array(head.length + size + tail.length);
  bytes.set(head);
  bytes.fill(0x78, head.length, head.length + size);
  bytes.set(tail, head.length + size);
  return bytes;
}

let failed = false;
module.load();
module.request(layoutStart);
const answered = module.request(talkOf(16 << 20));
if (!answered || answered.length <= 16 << 20) {
  console.log(`a 16 MiB talk got ${answered ? answered.length + ' bytes' : 'no response'}`);
  failed = true;
}
try {
  const response = module.request(talkOf(64 << 20));
  console.log(`a 64 MiB talk was answered (${response ? response.length + ' bytes' : 'no block'}) instead of stopping the module`);
  failed = true;
} catch (error) {
  const stopped = error instanceof WebAssembly.RuntimeError && error.message === 'unreachable';
  console.log(`a 64 MiB talk: ${error.constructor.name}: ${error.message}`);
  if (!stopped) failed = true;
}
process.exit(failed ? 1 : 0);
