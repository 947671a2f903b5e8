// Numbers in tag arguments: an optional sign and decimal digits, nothing else.
#pragma once

#include <charconv>
#include <string_view>

namespace zef::host_model {

// Reads all of `text` as a decimal int; false (and `value` untouched) when
// it is anything else or out of range.
inline bool parseInteger(std::string_view text, int& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return false;
  int parsed = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc{} || end != text.data() + text.size()) return false;
  value = parsed;
  return true;
}

}  // namespace zef::host_model
