// The layout start commands firstZEF and startZEF.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/module_state.h"

namespace zef {

// The ghost's settings as a layout start gives them, before the state's value
// rules (the command table reads them from the request, module/command_table.cpp).
struct LayoutSettings {
  bool enabled = false;
  std::int32_t characterCount = 0;
  std::int32_t balloonCount = 0;
  std::int32_t moveStep = 0;
  std::int32_t moveTime = 0;
  std::int32_t dummyScopeBase = 0;
  std::int32_t balloonOffset = 0;
  std::string fontName;
  std::int32_t fontHeight = 0;
  // At least one per character that characterCount names, under its value rule.
  std::vector<std::int32_t> surfaceOffsets;
};

// firstZEF places every dummy scope afresh; startZEF leaves them where the
// host already has them.
enum class Layout { fresh, kept };

// Stores `settings` into `state` under its value rules, appends the layout
// script and marks the layout started.
void runLayoutStart(const LayoutSettings& settings, Layout layout, ModuleState& state, std::string& script);

}  // namespace zef
