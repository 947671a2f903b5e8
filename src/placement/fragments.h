// The script fragments that turn scopes into dummy scopes, place them and
// group them with their character.
//
// Each builder appends its fragment to a script being built (the layout start
// writes hundreds of them into one buffer). All numbers follow the numbering
// of dummy_scope.h for the state passed in.
#pragma once

#include <cstdint>
#include <string>

#include "module/base/module_state.h"

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

// Groups the real character with all of its dummy scopes, level 0 first.
void appendStickyGroup(std::string& out, const ModuleState& state, std::int32_t character);

// Upper bounds of the bytes the fragments above take, so that a script can be
// sized once. Computed in 64 bits: a layout may hold millions of fragments.
inline constexpr std::uint64_t maxDecimalBytes = 11;  // "-2147483648"
std::uint64_t placementFragmentBytes();
std::uint64_t dummyFragmentBytes();
std::uint64_t holdFragmentBytes();
std::uint64_t stickyGroupBytes(const ModuleState& state);

// Makes room for `extraBytes` more bytes in `out` in one allocation. A size
// beyond what a string can hold is left to the appends themselves, which then
// fail on their own.
void reserveMore(std::string& out, std::uint64_t extraBytes);

}  // namespace zef
