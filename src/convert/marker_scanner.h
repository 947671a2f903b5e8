// Replaces the balloon-scope marker `\p[zef]` (blanks allowed on both sides of
// the lower-case word) by a switch to the utterance's text scope, so that a
// ghost author can return to the utterance's balloon after an explicit `\p[N]`.
#pragma once

#include <string>
#include <string_view>

namespace zef {

// Appends `text` with every marker, left to right and without overlap,
// replaced by `textScopeSwitch`.
void appendReplacingMarkers(std::string& out, std::string_view text, std::string_view textScopeSwitch);

}  // namespace zef
