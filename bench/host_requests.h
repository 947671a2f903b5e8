// Requests sent the way a host sends them, for the request benchmarks: the
// text from the tests' request builder, the block freed as a host frees it.
#pragma once

#include <string>
#include <vector>

#include "module/entries.h"
#include "platform/global_memory.h"
#include "support/request_text.h"

namespace zef::bench {

// Sends one request in a fresh block, frees the response as a host does, and
// returns the response's length.
inline long send(const std::string& text) {
  long length = static_cast<long>(text.size());
  platform::BlockHandle response = answerRequest(platform::allocateBlock(text), &length);
  platform::freeBlock(response);
  return length;
}

}  // namespace zef::bench
