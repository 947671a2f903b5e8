// The WebAssembly file of the module, saori-run's session loop and the
// preview, opened for the page's calls (page_interface.cpp): each text goes
// in a block from the module's own malloc. The page and the Node tests share
// this file:
//
//   const zef = await openZefModule(wasmBytes);
//   const size = zef.withBytes(bytes, (pointer, length) => zef.exports.zef_page_send(pointer, length, 0, 0));
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
