// An allocator for test binaries that can be told to fail: the binary that
// links failing_allocator.cpp has its operator new/new[] (and, unless a
// sanitizer owns malloc, the malloc family) replaced by versions that count
// the allocations of an armed window and fail the k-th one, or every one from
// the k-th on. operator new throws std::bad_alloc; malloc returns null.
#pragma once

#include <cstddef>

namespace zef::hardening {

// Starts a window in which allocation number `failAt` (counting from 1) fails,
// and with `persistent` every later one too. failAt 0 fails nothing.
void armAllocationFault(std::size_t failAt, bool persistent);

// Ends the window; returns how many allocations it saw (failed ones included).
std::size_t disarmAllocationFault();

// Allocations made and not yet freed, through every replaced function.
long liveAllocations();

// Whether the malloc family is replaced too (not under a sanitizer).
bool mallocIsReplaced();

}  // namespace zef::hardening
