// Replaces the balloon-scope marker `\p[zef]` (blanks allowed on both sides of
// the lower-case word) by a switch to the utterance's text scope, so that a
// ghost author can return to the utterance's balloon after an explicit `\p[N]`.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zef {

// `text` with every marker, left to right and without overlap, replaced by
// "\p[" + textScope + "]".
std::string replaceMarkers(std::string_view text, std::int32_t textScope);

}  // namespace zef
