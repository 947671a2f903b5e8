// The page's own module loader (tools/playground/zef_module.js) under Node's
// WASI: the Node tests call the WebAssembly module exactly as the page does.
//
//   const zef = await openWasmModule('zef-playground.wasm');
//   zef.load();
//   const response = zef.request(bytes);  // Uint8Array, or null
import { WASI } from 'node:wasi';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import vm from 'node:vm';

const loaderPath = fileURLToPath(new URL('../../tools/playground/zef_module.js', import.meta.url));
const context = vm.createContext({ TextEncoder, TextDecoder, WebAssembly, DataView, Uint8Array, Proxy, Error });
vm.runInContext(readFileSync(loaderPath, 'utf8'), context, { filename: loaderPath });

export function openWasmModule(path) {
  const wasi = new WASI({ version: 'preview1', args: [], env: {} });
  return context.openZefModule(readFileSync(path), {
    wasi: wasi.getImportObject().wasi_snapshot_preview1,
    start: (instance) => wasi.initialize(instance),
  });
}
