// Small helpers for checking script text, shared by the tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "module/entries.h"

namespace zef::test {

inline std::string joined(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += piece;
  return text;
}

inline std::size_t countOf(std::string_view text, std::string_view piece) {
  std::size_t count = 0;
  for (std::size_t at = text.find(piece); at != std::string_view::npos; at = text.find(piece, at + 1)) ++count;
  return count;
}

// The text between the first `from` and the following `to` (or the end).
inline std::string_view between(std::string_view text, std::string_view from, std::string_view to) {
  const std::size_t start = text.find(from);
  if (start == std::string_view::npos) return {};
  const std::size_t end = text.find(to, start + from.size());
  return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

inline const ModuleState& currentState() { return *currentModuleState(); }

}  // namespace zef::test
