// The changeZEF command: one setting changed while the ghost runs.
#pragma once

#include <string>
#include <string_view>

#include "base/module_state.h"

namespace zef {

// One setting and its new value as the ghost wrote it, as the command table
// reads them from a changeZEF request (module/command_table.cpp).
struct SettingChange {
  const Setting* setting = nullptr;  // null: a key the module does not know
  std::string_view value;
};

// Applies `change` to `state` and appends the script for it, ending with the
// OnChangeZEF event.
void runSettingChange(const SettingChange& change, ModuleState& state, std::string& script);

}  // namespace zef
