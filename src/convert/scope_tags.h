// The ghost's scope tags in an utterance: the bracketed scope tag (a
// backslash, `p[`, then the bytes up to the first `]`, with no line break
// between), which ends the part of the utterance that is rewritten, and the
// marker `\p[zef]` (blanks allowed on both sides of the lower-case word), with
// which the ghost's author returns to the utterance's balloon after a `\p[N]`.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/host_script.h"
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

// Appends `text` with every marker, left to right and without overlap,
// replaced by `textScopeSwitch`.
void appendReplacingMarkers(std::string& out, std::string_view text, std::string_view textScopeSwitch);

}  // namespace zef
