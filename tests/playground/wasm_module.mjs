// The page's own module loader (tools/playground/zef_module.js) under Node's
// WASI, with the module's entries called as a host calls them: each request
// goes in a block from the module's own malloc, which the module frees, and
// each response block is freed once it is read.
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

export async function openWasmModule(path) {
  const wasi = new WASI({ version: 'preview1', args: [], env: {} });
  const zef = await context.openZefModule(readFileSync(path), {
    wasi: wasi.getImportObject().wasi_snapshot_preview1,
    start: (instance) => wasi.initialize(instance),
  });
  const entries = zef.exports;
  const memory = () => new DataView(entries.memory.buffer);
  return Object.assign(zef, {
    load: () => entries.load(zef.block(new TextEncoder().encode('.')), 1),
    unload: () => entries.unload(),
    // The response's bytes, as the host gets them; null when no block came back.
    request(bytes) {
      const length = entries.malloc(4);
      if (length === 0) throw new Error('out of memory');
      memory().setInt32(length, bytes.length, true);
      const response = entries.request(zef.block(bytes), length);
      const size = memory().getInt32(length, true);
      entries.free(length);
      if (response === 0) return null;
      const copy = new Uint8Array(entries.memory.buffer, response, size).slice();
      entries.free(response);
      return copy;
    },
  });
}
