// The choice scripts of the settings menu: shifts of anchor scopes by a pixel
// amount and resets that put them back against their characters.
//
// They write plain script; the menu puts each one into its choice tag with
// appendScriptChoice (base/script_choice.h), which quotes it as the
// host needs. Every script ends by raising settingZEF, so that the ghost can
// ask for the menu again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/module_state.h"

namespace zef {

// Mode "BPh" moves the anchor scope of `character` right by `amount` pixels;
// mode "BPv" moves the anchor scopes of every character down by `amount`
// (`character` plays no part). Any other mode moves nothing. The amount is
// inserted as it is, unparsed.
void appendShiftScript(std::string& out, const ModuleState& state, std::int32_t character, std::string_view mode,
                       std::string_view amount);

// Puts the anchor scope of `character` back against it horizontally.
void appendResetHScript(std::string& out, const ModuleState& state, std::int32_t character);

// Puts the anchor scopes of every character back against them vertically.
void appendResetVScript(std::string& out, const ModuleState& state);

// Puts the anchor scopes of every character back against them in both directions.
void appendResetHVScript(std::string& out, const ModuleState& state);

}  // namespace zef
