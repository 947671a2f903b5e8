// The marker `\p[zef]` and its replacement.
#include "convert/scope_tags.h"

#include <cstddef>
#include <optional>

namespace zef {

namespace {

constexpr std::string_view markerWord = "zef";

// The end of the marker that starts at `at` (a backslash), if one does. The
// blank runs of two candidates never overlap, so all checks together stay
// linear.
std::optional<std::size_t> markerEndAt(std::string_view text, std::size_t at) {
  if (!hasAt(text, at, scopeSwitchOpen)) return std::nullopt;
  std::size_t next = skipBlanks(text, at + scopeSwitchOpen.size());
  if (!hasAt(text, next, markerWord)) return std::nullopt;
  next = skipBlanks(text, next + markerWord.size());
  if (byteAt(text, next) != ']') return std::nullopt;
  return next + 1;
}

}  // namespace

void appendReplacingMarkers(std::string& out, std::string_view text, std::string_view textScopeSwitch) {
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
