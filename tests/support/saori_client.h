// Test helpers that talk to the module the way a host does: through the
// entries' own functions, with request blocks allocated like a host's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/charset.h"
#include "support/request_text.h"

namespace zef::test {

// Sends `text` in a fresh block and returns the whole response text.
std::string rawResponse(std::string_view text);

// Sends the arguments in a request of `charset` and returns the Result value,
// checking the framing (which must name the same charset).
std::string resultOf(const std::vector<std::string>& arguments, Charset charset = Charset::shiftJis);

// A freshly loaded module for the lifetime of the object.
class FreshModule {
 public:
  FreshModule();
  ~FreshModule();
  FreshModule(const FreshModule&) = delete;
  FreshModule& operator=(const FreshModule&) = delete;
};

// The arguments of a layout start with the default settings (two characters,
// six balloon levels, scope base 10, offsets 0).
std::vector<std::string> defaultLayoutStart(std::string_view commandWord = "firstZEF");

}  // namespace zef::test
