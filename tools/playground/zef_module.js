// The WebAssembly file of the module and the preview, opened and called as a
// host calls the module: each request goes in a block from the module's own
// malloc, which the module frees, and each response block is freed once it
// is read. The page and the Node tests share this file:
//
//   const zef = await openZefModule(wasmBytes);
//   zef.load();
//   const response = zef.request(requestBytes);  // Uint8Array, or null
//
// The module needs almost nothing of WASI (no files, no clock): `system`
// lends it its WASI imports (by default the few it calls, answered here) and
// how to start it; the host model borrows the Shift_JIS decoder of the page
// (a browser's "shift_jis" is code page 932).
'use strict';

async function openZefModule(bytes, system = {}) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder('utf-8');
  let entries = null;
  const memory = () => entries.memory;

  const noSystem = () => 52;  // ENOSYS
  const minimalWasi = new Proxy({
    environ_sizes_get: (count, size) => {
      const view = new DataView(memory().buffer);
      view.setUint32(count, 0, true);
      view.setUint32(size, 0, true);
      return 0;
    },
    environ_get: () => 0,
    fd_close: () => 0,
    fd_seek: () => 70,  // ESPIPE
    fd_write: noSystem,
    proc_exit: (status) => {
      throw new Error(`the module stopped (exit ${status})`);
    },
  }, { get: (target, name) => target[name] || noSystem });

  const shiftJis = new TextDecoder('shift_jis', { fatal: true });
  const page = {
    // Writes the UTF-8 of one code page 932 character; 0 when it is none.
    decode_shift_jis(inPointer, length, outPointer) {
      let text;
      try {
        text = shiftJis.decode(new Uint8Array(memory().buffer, inPointer, length));
      } catch {
        return 0;
      }
      const out = encoder.encode(text);
      if (out.length > 8) return 0;
      new Uint8Array(memory().buffer, outPointer, out.length).set(out);
      return out.length;
    },
  };

  const { instance } = await WebAssembly.instantiate(bytes, {
    wasi_snapshot_preview1: system.wasi || minimalWasi,
    zef_page: page,
  });
  entries = instance.exports;
  if (system.start) system.start(instance);
  else entries._initialize();

  const zef = {
    exports: entries,

    // A block from the module's allocator holding `bytes` and a NUL.
    block(bytes) {
      const pointer = entries.malloc(bytes.length + 1);
      if (pointer === 0) throw new Error('out of memory');
      const view = new Uint8Array(memory().buffer, pointer, bytes.length + 1);
      view.set(bytes);
      view[bytes.length] = 0;
      return pointer;
    },

    load() { return entries.load(zef.block(encoder.encode('.')), 1); },
    unload() { return entries.unload(); },

    // The response's bytes, as the host gets them; null when no block came back.
    request(bytes) {
      const length = entries.malloc(4);
      if (length === 0) throw new Error('out of memory');
      new DataView(memory().buffer).setInt32(length, bytes.length, true);
      const response = entries.request(zef.block(bytes), length);
      const size = new DataView(memory().buffer).getInt32(length, true);
      entries.free(length);
      if (response === 0) return null;
      const copy = new Uint8Array(memory().buffer, response, size).slice();
      entries.free(response);
      return copy;
    },

    // Calls a zef_page_* function with `bytes` as (pointer, length).
    withBytes(bytes, call) {
      const pointer = zef.block(bytes);
      try {
        return call(pointer, bytes.length);
      } finally {
        entries.free(pointer);
      }
    },

    // The text that the last zef_page_* call left, `size` bytes.
    text(size) { return new Uint8Array(memory().buffer, entries.zef_page_text(), size).slice(); },
    utf8(size) { return decoder.decode(zef.text(size)); },
  };
  return zef;
}
