// The changeZEF command: one setting changed while the ghost runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/module_state.h"

namespace zef {

// One setting and its new value, as the command table reads them from a
// changeZEF request (module/command_table.cpp).
struct SettingChange {
  enum class Setting { none, balloonCount, moveStep, moveTime, enabled };
  Setting setting = Setting::none;  // none: a key the module does not know
  std::int32_t number = 0;          // the value of balloonCount, moveStep and moveTime
  std::optional<bool> enabled;      // the switch's value; none: left as it is
};

// Applies `change` to `state` and appends the script for it, ending with the
// OnChangeZEF event.
void runSettingChange(const SettingChange& change, ModuleState& state, std::string& script);

}  // namespace zef
