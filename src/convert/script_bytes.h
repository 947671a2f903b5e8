// Byte tests shared by the tag scanners.
//
// Tags are recognised byte by byte on undecoded Shift-JIS text: a line break
// (CR or LF) ends every lazy span, a blank is only the byte 0x20, and a digit
// only an ASCII one (isAsciiDigit, shared with the number reader).
#pragma once

#include <cstddef>
#include <string_view>

#include "base/decimal.h"  // isAsciiDigit

namespace zef {

constexpr bool isLineBreak(char byte) { return byte == '\r' || byte == '\n'; }

// The byte at `at`, or NUL past the end (NUL never starts or continues a tag
// piece that is compared against it).
constexpr char byteAt(std::string_view text, std::size_t at) { return at < text.size() ? text[at] : '\0'; }

constexpr bool hasAt(std::string_view text, std::size_t at, std::string_view piece) {
  return at <= text.size() && text.substr(at).starts_with(piece);
}

// The position of the first byte at or after `at` that is not a blank.
constexpr std::size_t skipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && text[at] == ' ') ++at;
  return at;
}

// The first `]` or line break at or after `from`: where a lazy span up to
// `]` ends or fails.
struct FindCloseOrBreak {
  std::size_t operator()(std::string_view text, std::size_t from) const {
    while (from < text.size() && text[from] != ']' && !isLineBreak(text[from])) ++from;
    return from;
  }
};

}  // namespace zef
