// The numbering of the dummy scopes, the side each one is placed on, and the
// pieces of script that make a scope one, shared by every command that
// addresses them.
//
// Each real character c owns a column of dummy scopes, one per balloon level:
// level 0 is its anchor scope, levels 1 .. balloonCount its balloon scopes.
// Scope numbers are computed in wrapping 32-bit arithmetic.
#pragma once

#include <cstdint>

#include "base/host_script.h"
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

// Where the utterance at a position of a talk goes.
struct Seat {
  std::int32_t character;
  std::int32_t balloonScope;
};

// The position is an unsigned 32-bit counter. The positions take level 1 of
// every character in turn, then level 2, and so on up to balloonCount, then
// level 1 again. The cycle is taken in 64 bits so that it is never zero,
// whatever the counts.
constexpr Seat seatOf(const ModuleState& state, std::uint32_t position) {
  const auto characters = static_cast<std::uint32_t>(state.characterCount);
  const std::uint64_t cycle = static_cast<std::uint64_t>(state.balloonCount) * characters;
  const auto slot = static_cast<std::uint32_t>(position % cycle);
  const auto character = static_cast<std::int32_t>(slot % characters);
  const auto level = static_cast<std::int32_t>(1 + slot / characters);
  return {character, dummyScope(state, level, character)};
}

// The corners of a placement. An even number is placed to the left of its
// base, an odd one to the right, so that neighbouring characters' balloons
// open to opposite sides.
constexpr Corners placementCorners(std::int32_t number) {
  return number % 2 == 0 ? Corners::leftOfBase : Corners::rightOfBase;
}

}  // namespace zef
