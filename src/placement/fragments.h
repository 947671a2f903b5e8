// The script fragments that turn scopes into dummy scopes, place them and
// group them with their character.
//
// Each builder appends its fragment to a script being built (the layout start
// writes hundreds of them into one buffer). All numbers follow the numbering
// of dummy_scope.h for the state passed in.
#pragma once

#include <cstdint>
#include <string>

#include "base/host_script.h"
#include "base/module_state.h"

namespace zef {

// Makes dummyScope(level, character) a dummy scope and places it: level 0
// against the real character, every other level against the character's
// anchor scope, on the character's side.
void appendPlacementFragment(std::string& out, const ModuleState& state, std::int32_t level, std::int32_t character);

// Every placement fragment, levels 0 .. balloonCount outside, characters inside.
void appendPlacementScript(std::string& out, const ModuleState& state);

// Makes `scope` a dummy scope and frees its alignment without moving it.
void appendDummyFragment(std::string& out, std::int32_t scope);

// Makes `scope` a dummy scope and moves it by nothing against itself, so that
// it stays where the host has it.
void appendHoldFragment(std::string& out, std::int32_t scope);

// Makes the balloon scope of a level that a larger balloon count adds a dummy
// scope, places it on its anchor scope and joins it to the real character, so
// that it follows the character. The anchor scope does not join: it is
// already grouped.
void appendNewLevelFragment(std::string& out, const ModuleState& state, std::int32_t level, std::int32_t character);

// Groups the real character with all of its dummy scopes, level 0 first.
void appendStickyGroup(std::string& out, const ModuleState& state, std::int32_t character);

// Upper bounds of the bytes the fragments above take, so that a script can be
// sized once (base/host_script.h).
inline constexpr std::uint64_t dummyFragmentBytes =
    maxScopeSwitchBytes + spelling::dummySurface.size() + spelling::freeAlignment.size();
inline constexpr std::uint64_t placementFragmentBytes = dummyFragmentBytes + maxMoveBytes;
inline constexpr std::uint64_t holdFragmentBytes = maxScopeSwitchBytes + spelling::dummySurface.size() + maxMoveBytes;
constexpr std::uint64_t stickyGroupBytes(const ModuleState& state) {
  return stickyWindowBytes(static_cast<std::uint64_t>(state.balloonCount) + 2);
}

}  // namespace zef
