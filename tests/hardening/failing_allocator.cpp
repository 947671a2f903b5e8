// The replaced allocation functions behind failing_allocator.h.
//
// The module's request path allocates through operator new (std::string,
// std::vector) and, for the response block, through malloc, so both are
// replaced. Under AddressSanitizer malloc belongs to the sanitizer and only
// operator new is replaced (it then allocates through the sanitizer's malloc).
#include "hardening/failing_allocator.h"

#include <cerrno>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define ZEF_SANITIZER_OWNS_MALLOC 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEF_SANITIZER_OWNS_MALLOC 1
#endif
#endif

namespace {

// The tests that use this run on one thread, so plain variables suffice.
bool armed = false;
bool failPersistently = false;
std::size_t failingAllocation = 0;
std::size_t allocationsSeen = 0;
long live = 0;

// Counts one allocation and tells whether it must fail.
bool nextAllocationFails() {
  if (!armed) return false;
  ++allocationsSeen;
  if (failingAllocation == 0) return false;
  return allocationsSeen == failingAllocation || (failPersistently && allocationsSeen > failingAllocation);
}

}  // namespace

#if defined(ZEF_SANITIZER_OWNS_MALLOC)

namespace {
void* rawAllocate(std::size_t size) { return std::malloc(size); }
void rawFree(void* block) { std::free(block); }
}  // namespace

#else

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {
void* rawAllocate(std::size_t size) { return __libc_malloc(size); }
void rawFree(void* block) { __libc_free(block); }

void* counted(void* block) {
  if (block != nullptr) ++live;
  return block;
}
}  // namespace

extern "C" {

void* malloc(std::size_t size) {
  if (nextAllocationFails()) {
    errno = ENOMEM;
    return nullptr;
  }
  return counted(__libc_malloc(size));
}

void* calloc(std::size_t count, std::size_t size) {
  if (nextAllocationFails()) {
    errno = ENOMEM;
    return nullptr;
  }
  return counted(__libc_calloc(count, size));
}

void* realloc(void* block, std::size_t size) {
  if (block == nullptr) return malloc(size);
  if (size == 0) {
    free(block);
    return nullptr;
  }
  if (nextAllocationFails()) {
    errno = ENOMEM;
    return nullptr;
  }
  return __libc_realloc(block, size);
}

void* memalign(std::size_t alignment, std::size_t size) {
  if (nextAllocationFails()) {
    errno = ENOMEM;
    return nullptr;
  }
  return counted(__libc_memalign(alignment, size));
}

void* aligned_alloc(std::size_t alignment, std::size_t size) { return memalign(alignment, size); }

int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
  void* block = memalign(alignment, size);
  if (block == nullptr) return ENOMEM;
  *out = block;
  return 0;
}

void free(void* block) {
  if (block == nullptr) return;
  --live;
  __libc_free(block);
}

}  // extern "C"

#endif

// operator new and delete, all through the counted raw allocator.
namespace {

void* newBlock(std::size_t size) {
  if (nextAllocationFails()) return nullptr;
  void* block = rawAllocate(size == 0 ? 1 : size);
  if (block != nullptr) ++live;
  return block;
}

void deleteBlock(void* block) {
  if (block == nullptr) return;
  --live;
  rawFree(block);
}

}  // namespace

void* operator new(std::size_t size) {
  void* block = newBlock(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return newBlock(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return newBlock(size); }
void operator delete(void* block) noexcept { deleteBlock(block); }
void operator delete[](void* block) noexcept { deleteBlock(block); }
void operator delete(void* block, std::size_t) noexcept { deleteBlock(block); }
void operator delete[](void* block, std::size_t) noexcept { deleteBlock(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { deleteBlock(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { deleteBlock(block); }

namespace zef::hardening {

void armAllocationFault(std::size_t failAt, bool persistent) {
  allocationsSeen = 0;
  failingAllocation = failAt;
  failPersistently = persistent;
  armed = true;
}

std::size_t disarmAllocationFault() {
  armed = false;
  return allocationsSeen;
}

long liveAllocations() { return live; }

bool mallocIsReplaced() {
#if defined(ZEF_SANITIZER_OWNS_MALLOC)
  return false;
#else
  return true;
#endif
}

}  // namespace zef::hardening
