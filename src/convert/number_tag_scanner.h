// Finds the surface tags `\s[N]` and balloon tags `\b[N]` whose numbers the
// conversion shifts: a backslash, the letter, `[`, blanks, one or more ASCII
// digits, blanks, `]`, and nothing else inside the brackets.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "convert/text_span.h"

namespace zef {

struct NumberTag {
  TextSpan tag;     // the whole tag
  TextSpan digits;  // its number
};

// The tag `\<letter>[ N ]` that begins at `at`, if one does.
std::optional<NumberTag> numberTagAt(std::string_view text, char letter, std::size_t at);

// The leftmost tag `\<letter>[ N ]` that begins at or after `from`. Each
// candidate is checked in the bytes it spans, and candidates never share
// bytes that have to be examined twice, so a whole scan is linear.
std::optional<NumberTag> findNumberTag(std::string_view text, char letter, std::size_t from);

}  // namespace zef
