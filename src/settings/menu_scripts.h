// The choice scripts of the settings menu: shifts of anchor scopes by a pixel
// amount and resets that put them back against their characters.
//
// They write plain script; the menu puts each one into its choice tag with
// appendScriptChoice (base/host_script.h), which quotes it as the host needs.
// Every script ends by raising settingZEF (event::settingMenu), so that the
// ghost can ask for the menu again once the move is done.
#pragma once

#include <cstdint>
#include <string>

#include "base/module_state.h"

namespace zef {

enum class Shift {
  right,  // the anchor scope of one character
  down,   // the anchor scopes of every character
};

// Moves anchor scopes by `pixels` in the background, each scope against where
// it stands; `character` names the one that Shift::right moves.
void appendShiftScript(std::string& out, const ModuleState& state, Shift shift, std::int32_t character,
                       std::int32_t pixels);

enum class Reset {
  horizontal,  // the anchor scope of one character, horizontally
  vertical,    // every character's, vertically
  both,        // every character's, in both directions
};

// Puts anchor scopes back against their characters at once, on each
// character's side; `character` names the one that Reset::horizontal moves.
void appendResetScript(std::string& out, const ModuleState& state, Reset reset, std::int32_t character);

// The most bytes of such a script when it moves `scopes` anchor scopes.
std::uint64_t menuScriptBytes(std::uint64_t scopes);

}  // namespace zef
