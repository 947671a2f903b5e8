// Finds the first bracketed scope tag of an utterance: a backslash, `p[`, then
// the bytes up to the first `]`, with no line break between.
//
// The utterance is only rewritten before this tag; from it on the ghost's own
// scope switches rule.
#pragma once

#include <optional>
#include <string_view>

#include "convert/text_span.h"

namespace zef {

// The leftmost scope tag in `text`, if there is one. Linear in the text.
std::optional<TextSpan> findScopeTag(std::string_view text);

}  // namespace zef
