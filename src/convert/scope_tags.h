// The ghost's scope tags in an utterance: the bracketed scope tag (a
// backslash, `p[`, then the bytes up to the first `]`, with no line break
// between), which ends the part of the utterance that is rewritten, and the
// marker `\p[zef]` (blanks allowed on both sides of the lower-case word), with
// which the ghost's author returns to the utterance's balloon after a `\p[N]`.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/host_script.h"
#include "convert/script_bytes.h"

namespace zef {

class ScopeTagScanner {
 public:
  explicit ScopeTagScanner(std::string_view text) : text_(text), closeOrBreak_(text, FindCloseOrBreak{}) {}

  // Whether a scope tag begins at `at`. Asked for positions that never go
  // backwards, a whole scan takes linear time (ForwardSearch).
  bool startsAt(std::size_t at) {
    if (!hasAt(text_, at, scopeSwitchOpen)) return false;
    const std::size_t stop = closeOrBreak_.next(at + scopeSwitchOpen.size());
    return stop < text_.size() && text_[stop] == ']';
  }

 private:
  std::string_view text_;
  ForwardSearch<FindCloseOrBreak> closeOrBreak_;
};

inline constexpr std::string_view markerWord = "zef";

// The end of the marker that starts at `at` (a backslash), if one does. The
// blank runs of two candidates never overlap, so all checks together stay
// linear.
inline std::optional<std::size_t> markerEndAt(std::string_view text, std::size_t at) {
  if (!hasAt(text, at, scopeSwitchOpen)) return std::nullopt;
  std::size_t next = skipBlanks(text, at + scopeSwitchOpen.size());
  if (!hasAt(text, next, markerWord)) return std::nullopt;
  next = skipBlanks(text, next + markerWord.size());
  if (byteAt(text, next) != ']') return std::nullopt;
  return next + 1;
}

// Appends `text` with every marker, left to right and without overlap,
// replaced by `textScopeSwitch`.
inline void appendReplacingMarkers(std::string& out, std::string_view text, std::string_view textScopeSwitch) {
  std::size_t copied = 0;
  for (std::size_t at = text.find('\\'); at != std::string_view::npos; at = text.find('\\', at + 1)) {
    const auto end = markerEndAt(text, at);
    if (!end) continue;
    out.append(text, copied, at - copied);
    out += textScopeSwitch;
    copied = *end;
    at = *end - 1;
  }
  out.append(text, copied);
}

}  // namespace zef
