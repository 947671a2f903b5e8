// Rewriting one utterance of a talk so that its words stand in one scope (the
// text scope, normally a balloon scope) while the tags that act on the speaking
// character itself run in that character's scope.
//
// Only the head of the utterance is rewritten: the bytes before its first
// `\p[...]`. There every character tag is wrapped in a switch to the character
// scope and a switch back, surface numbers get the character's surface offset
// and, while conversion is on, balloon numbers the balloon offset. From the
// first `\p[...]` on the text is kept as the ghost wrote it, except that each
// marker `\p[zef]` becomes a switch back to the text scope. For character 0,
// text scope 12 and surface offset 100:
//
//   \s[5]Hello.\![anim,clear,1]\p[1]Hi.\p[zef]Bye.
//   \p[0]\s[105]\p[12]Hello.\p[0]\![anim,clear,1]\p[12]\p[1]Hi.\p[12]Bye.
//
// Every step is a forward scan in time linear in the text, with no recursion,
// so an utterance of any length and shape is safe on a small host stack.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/module_state.h"

namespace zef {

// Reads state.enabled, state.balloonOffset and the surface offset of
// `characterScope` (0 for a scope without an entry).
std::string convertUtterance(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope,
                             std::string_view text);

}  // namespace zef
