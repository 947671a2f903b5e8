// What the processor offers beyond what the module is compiled for.
//
// The rewriting of long talk searches for words with vector instructions.
// The build's baseline is kept (SSE2 on x86-64, none on 32-bit x86), and the
// 32-byte AVX2 instructions are used only where the processor and the
// operating system both support them, which is asked once. A function that
// uses them is marked ZEF_AVX2_FUNCTION, so that only it is compiled for them.
#pragma once

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
#include <immintrin.h>
#if defined(__GNUC__) || defined(__clang__)
#define ZEF_AVX2_FUNCTION __attribute__((target("avx2")))
#else
// MSVC compiles the AVX2 intrinsics in any function.
#define ZEF_AVX2_FUNCTION
#endif
#define ZEF_AVX2_AVAILABLE 1
#endif

namespace zef::platform {

// Whether ZEF_AVX2_FUNCTION functions may run: false where there are none.
bool hasAvx2() noexcept;

}  // namespace zef::platform
