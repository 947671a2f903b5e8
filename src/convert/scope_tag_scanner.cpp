// The leftmost `\p[...]` of a text.
#include "convert/scope_tag_scanner.h"

#include "convert/byte_cursor.h"
#include "convert/forward_search.h"
#include "convert/script_bytes.h"

namespace zef {

std::optional<TextSpan> findScopeTag(std::string_view text) {
  // Candidates only move forward, so the `]` or line break that ends one
  // candidate is remembered for the next ones on the same stretch.
  ForwardSearch closeOrBreak(text, FindCloseOrBreak{});
  ByteCursor backslashes(text, '\\');
  for (std::size_t at = backslashes.next(0); at < text.size(); at = backslashes.next(at + 1)) {
    if (!hasAt(text, at + 1, "p[")) continue;
    const std::size_t stop = closeOrBreak.next(at + 3);
    if (stop < text.size() && text[stop] == ']') return TextSpan{at, stop + 1};
  }
  return std::nullopt;
}

}  // namespace zef
