// The numbering of the dummy scopes, and the literal pieces of script that
// place them, shared by every command that addresses them.
//
// Each real character c owns a column of dummy scopes, one per balloon level:
// level 0 is its anchor scope, levels 1 .. balloonCount its balloon scopes.
// Scope numbers are computed in wrapping 32-bit arithmetic.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/int32_math.h"
#include "base/module_state.h"

namespace zef {

// dummyScopeBase + level * characterCount + character.
constexpr std::int32_t dummyScope(const ModuleState& state, std::int32_t level, std::int32_t character) {
  return wrapAdd(wrapAdd(state.dummyScopeBase, wrapMul(level, state.characterCount)), character);
}

// The anchor scope of a character: its dummy scope of level 0.
constexpr std::int32_t anchorScope(const ModuleState& state, std::int32_t character) {
  return dummyScope(state, 0, character);
}

// Corner pairs of a placement. An even number is placed with its right bottom
// corner on the base's left top corner, an odd one the other way round, so
// that neighbouring characters' balloons open to opposite sides.
inline constexpr std::string_view evenSideCorners = ",--base-offset=left.top,--move-offset=right.bottom";
inline constexpr std::string_view oddSideCorners = ",--base-offset=right.top,--move-offset=left.bottom";

constexpr std::string_view sideCorners(std::int32_t number) {
  return number % 2 == 0 ? evenSideCorners : oddSideCorners;
}

// Moves only the named scope, not the sticky group it belongs to.
inline constexpr std::string_view ignoreStickyWindow = ",--option=ignore-sticky-window";

// Pieces of the fragments that make a scope a dummy scope. A fragment is
// scopeSwitchOpen (base/host_script.h) + scope number + dummyScopeHead,
// optionally followed by a move of the scope.
inline constexpr std::string_view dummyScopeHead = "]\\s[__system_dummy__]\\![set,alignmenttodesktop,free]";
inline constexpr std::string_view dummyScopeSurface = "]\\s[__system_dummy__]";

// A move onto the base with no offset and at once; the base scope number follows.
inline constexpr std::string_view placeOnBase = "\\![move,--X=0,--Y=0,--time=0,--base=";

// A move of the scope by nothing against itself, so it stays where it stands.
inline constexpr std::string_view holdInPlace = "\\![moveasync,--X=0,--Y=0,--time=0,--base=me";

// Joins scopes into a group that moves together; the scope numbers follow,
// separated by commas, then "]".
inline constexpr std::string_view stickyGroupOpen = "\\![set,sticky-window,";

}  // namespace zef
