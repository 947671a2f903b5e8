// A search for the first position, at or after a given one, where something
// is found, that remembers its last answer.
//
// The lazy spans of the tag patterns ("up to the next `]`", "up to the next
// `repaint`") are asked for again and again while a scan moves forward. When
// every query starts at or after the previous one, the remembered answer
// either still holds or the search goes on from beyond it, so each byte of the
// text is examined once in all, however many tags share the same stretch.
// A query that goes backwards is still answered correctly, only searched anew.
#pragma once

#include <cstddef>
#include <string_view>

namespace zef {

// Finder: std::size_t(std::string_view text, std::size_t from), the first
// position at or after `from` where it finds what it looks for, or
// text.size().
template <typename Finder>
class ForwardSearch {
 public:
  ForwardSearch(std::string_view text, Finder finder) : text_(text), finder_(finder) {}

  std::size_t next(std::size_t from) {
    if (known_ && from >= searchedFrom_ && from <= found_) return found_;
    known_ = true;
    searchedFrom_ = from;
    found_ = from >= text_.size() ? text_.size() : finder_(text_, from);
    return found_;
  }

 private:
  std::string_view text_;
  Finder finder_;
  bool known_ = false;
  std::size_t searchedFrom_ = 0;
  std::size_t found_ = 0;
};

}  // namespace zef
