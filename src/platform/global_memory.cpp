// The one file that knows whether blocks are Windows global memory or malloc.
#include "platform/global_memory.h"

#include <cstring>
#include <new>
#include <type_traits>

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace zef::platform {

#if !defined(__cpp_exceptions)
// Without exceptions (WebAssembly), this C++ library's operator new answers a
// failed allocation with a null pointer, through which the code would then
// write. The module stops at once instead: a trap, which the page that embeds
// it reports (see failure_guard.h).
namespace {
[[noreturn]] void stopOnFailedAllocation() { __builtin_trap(); }
const bool stopsOnFailedAllocation = (std::set_new_handler(stopOnFailedAllocation), true);
}  // namespace
#endif

#if defined(_WIN32)
static_assert(std::is_same_v<BlockHandle, HGLOBAL>, "a block handle is an HGLOBAL");
static_assert(std::is_same_v<Bool, BOOL>, "the entries' results are BOOLs");

static void* allocateBytes(std::size_t size) noexcept { return GlobalAlloc(GMEM_FIXED, size); }
void freeBlock(BlockHandle block) noexcept {
  if (block != nullptr) GlobalFree(block);
}
#else
static void* allocateBytes(std::size_t size) noexcept { return std::malloc(size); }
void freeBlock(BlockHandle block) noexcept { std::free(block); }
#endif

BlockHandle allocateBlock(std::string_view bytes) noexcept {
  void* block = allocateBytes(bytes.size() + 1);
  if (block == nullptr) return nullptr;
  char* out = static_cast<char*>(block);
  if (!bytes.empty()) std::memcpy(out, bytes.data(), bytes.size());
  out[bytes.size()] = '\0';
  return block;
}

}  // namespace zef::platform
