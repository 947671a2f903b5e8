// Recognises the bracketed scope tag: a backslash, `p[`, then the bytes up to
// the first `]`, with no line break between.
//
// The utterance is only rewritten before its first scope tag; from it on the
// ghost's own scope switches rule.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/host_script.h"
#include "convert/forward_search.h"
#include "convert/script_bytes.h"

namespace zef {

class ScopeTagScanner {
 public:
  explicit ScopeTagScanner(std::string_view text) : text_(text), closeOrBreak_(text, FindCloseOrBreak{}) {}

  // Whether a scope tag begins at `at`. Asked for positions that never go
  // backwards, a whole scan takes linear time: the `]` or line break that
  // ends one candidate is remembered for the next ones on the same stretch.
  bool startsAt(std::size_t at) {
    if (!hasAt(text_, at, scopeSwitchOpen)) return false;
    const std::size_t stop = closeOrBreak_.next(at + scopeSwitchOpen.size());
    return stop < text_.size() && text_[stop] == ']';
  }

 private:
  std::string_view text_;
  ForwardSearch<FindCloseOrBreak> closeOrBreak_;
};

}  // namespace zef
