// Byte tests and the remembering search shared by the tag scanners.
//
// Tags are recognised byte by byte on undecoded Shift-JIS text: a line break
// (CR or LF) ends every lazy span, a blank is only the byte 0x20, and a digit
// only an ASCII one (isAsciiDigit, shared with the number reader).
//
// The lazy spans of the tag patterns ("up to the next `]`", "up to the next
// `repaint`") are asked for again and again while a scan moves forward. A
// ForwardSearch remembers its last answer: when every query starts at or
// after the previous one, that answer either still holds or the search goes
// on from beyond it, so each byte is examined once in all, however many tags
// share a stretch. A query that goes backwards is still answered, only anew.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/decimal.h"  // isAsciiDigit

namespace zef {

constexpr bool isLineBreak(char byte) { return byte == '\r' || byte == '\n'; }

// The byte at `at`, or NUL past the end (NUL never starts or continues a tag
// piece that is compared against it).
constexpr char byteAt(std::string_view text, std::size_t at) { return at < text.size() ? text[at] : '\0'; }

// Whether `piece`, which is not empty, stands at `at`. Its first byte alone
// rules out most places, without a call of the byte comparison.
constexpr bool hasAt(std::string_view text, std::size_t at, std::string_view piece) {
  return byteAt(text, at) == piece.front() && text.substr(at).starts_with(piece);
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

// Finder: std::size_t(std::string_view text, std::size_t from), the first
// position at or after `from` where it finds what it looks for, or
// text.size().
template <typename Finder>
class ForwardSearch {
 public:
  ForwardSearch(std::string_view text, Finder finder) : text_(text), finder_(finder) {}

  std::size_t next(std::size_t from) {
    if (from >= searchedFrom_ && from <= found_) return found_;
    searchedFrom_ = from;
    found_ = from >= text_.size() ? text_.size() : finder_(text_, from);
    return found_;
  }

 private:
  std::string_view text_;
  Finder finder_;
  // Nothing known yet: no position lies between these two.
  std::size_t searchedFrom_ = std::string_view::npos;
  std::size_t found_ = 0;
};

}  // namespace zef
