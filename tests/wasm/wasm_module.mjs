// Loading the playground's WebAssembly file under Node's WASI and calling the
// module's entries as a host does: each request goes in a block from the
// module's own malloc, which the module frees, and each response block is
// freed here after it is read.
import { WASI } from 'node:wasi';
import { readFileSync } from 'node:fs';

// The page lends the host model its Shift-JIS decoder; Node's is the same
// WHATWG "shift_jis" (code page 932) that browsers have.
function pageImports(memory) {
  const decoder = new TextDecoder('shift_jis', { fatal: true });
  const encoder = new TextEncoder();
  return {
    decode_shift_jis(inPointer, length, outPointer) {
      let text;
      try {
        text = decoder.decode(new Uint8Array(memory().buffer, inPointer, length));
      } catch {
        return 0;
      }
      const bytes = encoder.encode(text);
      if (bytes.length > 8) return 0;
      new Uint8Array(memory().buffer, outPointer, bytes.length).set(bytes);
      return bytes.length;
    },
  };
}

export async function openWasmModule(path) {
  const wasi = new WASI({ version: 'preview1', args: [], env: {} });
  let instance;
  const memory = () => instance.exports.memory;
  ({ instance } = await WebAssembly.instantiate(readFileSync(path), {
    ...wasi.getImportObject(),
    zef_page: pageImports(memory),
  }));
  wasi.initialize(instance);
  const entries = instance.exports;

  const block = (bytes) => {
    const pointer = entries.malloc(bytes.length + 1);
    const view = new Uint8Array(memory().buffer, pointer, bytes.length + 1);
    view.set(bytes);
    view[bytes.length] = 0;
    return pointer;
  };
  return {
    exports: entries,
    load: () => entries.load(block(new TextEncoder().encode('.')), 1),
    unload: () => entries.unload(),
    // The response's bytes, or null when the module returned no block.
    request(bytes) {
      const length = entries.malloc(4);
      new DataView(memory().buffer).setInt32(length, bytes.length, true);
      const response = entries.request(block(bytes), length);
      const size = new DataView(memory().buffer).getInt32(length, true);
      entries.free(length);
      if (response === 0) return null;
      const copy = new Uint8Array(memory().buffer, response, size).slice();
      entries.free(response);
      return copy;
    },
  };
}
