// Memory blocks that cross the module boundary.
//
// The host hands the module its path and each request in a block that the
// module frees, and takes each response in a block that the module allocates
// and the host frees. On Windows a block is a fixed global memory block
// (GlobalAlloc/GlobalFree); elsewhere, following the POSIX SAORI convention,
// it is plain malloc/free memory and the handle is the pointer to its bytes.
// Either way a handle is also the address of the block's first byte.
#pragma once

#include <cstddef>
#include <string_view>

// How the entries are exported; ZEF_INSTANCE_ENTRIES is 1 where hosts also
// look up <module name>_saori_load and the like (every host but Windows').
#if defined(_WIN32)
#define ZEF_CDECL __cdecl
#define ZEF_EXPORT
#define ZEF_INSTANCE_ENTRIES 0
#else
#define ZEF_CDECL
#define ZEF_EXPORT __attribute__((visibility("default")))
#define ZEF_INSTANCE_ENTRIES 1
#endif

namespace zef::platform {

// Same types as Windows' HGLOBAL and BOOL (checked where <windows.h> is seen).
using BlockHandle = void*;
using Bool = int;

// Frees a block that the host handed in. A null handle is ignored.
void freeBlock(BlockHandle block) noexcept;

// Allocates a block holding `bytes` followed by one NUL byte, which hosts that
// read the response as a C string rely on. Returns null if memory runs out.
BlockHandle allocateBlock(std::string_view bytes) noexcept;

}  // namespace zef::platform
