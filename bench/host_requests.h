// Requests sent the way a host sends them, for the request benchmarks.
#pragma once

#include <string>
#include <vector>

#include "module/entries.h"
#include "platform/global_memory.h"

namespace zef::bench {

// A SAORI/1.0 EXECUTE request carrying `arguments` as Argument0, Argument1, ...
inline std::string requestFor(const std::vector<std::string>& arguments) {
  std::string text = "EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\nSender: bench\r\n";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    text += "Argument" + std::to_string(i) + ": " + arguments[i] + "\r\n";
  }
  return text + "\r\n";
}

// Sends one request in a fresh block, frees the response as a host does, and
// returns the response's length.
inline long send(const std::string& text) {
  long length = static_cast<long>(text.size());
  platform::BlockHandle response = answerRequest(platform::allocateBlock(text), &length);
  platform::freeBlock(response);
  return length;
}

}  // namespace zef::bench
