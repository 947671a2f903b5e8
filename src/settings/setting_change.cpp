// The changeZEF command: one setting changed while the ghost runs. A larger
// balloon count also sets up the scopes of the new levels; every change ends
// by raising OnChangeZEF, which tells the ghost the change has been taken.
#include "settings/setting_change.h"

#include <cstdint>
#include <string_view>

#include "base/decimal.h"
#include "base/host_script.h"
#include "placement/dummy_scope.h"

namespace zef {

namespace {

constexpr std::string_view changeTakenEvent = "\\![raise,OnChangeZEF]";

// Makes the balloon scope of a new level a dummy scope, places it on its
// anchor scope and joins it to the real character, so that it follows the
// character. The anchor scope does not join: it is already grouped.
void appendNewLevelScope(std::string& out, const ModuleState& state, std::int32_t level, std::int32_t character) {
  const std::int32_t scope = dummyScope(state, level, character);
  out += scopeSwitchOpen;
  appendDecimal(out, scope);
  out += dummyScopeHead;
  out += placeOnBase;
  appendDecimal(out, anchorScope(state, character));
  out += ignoreStickyWindow;
  out += ']';
  out += stickyGroupOpen;
  appendDecimal(out, character);
  out += ',';
  appendDecimal(out, scope);
  out += ']';
}

void changeBalloonCount(std::string_view value, ModuleState& state, std::string& script) {
  const std::int32_t oldCount = state.getBalloonCount();
  state.setBalloonCount(readDecimal(value));
  // A smaller count leaves the scopes above it as the host has them.
  for (std::int32_t level = oldCount + 1; level <= state.getBalloonCount(); ++level) {
    for (std::int32_t c = 0; c < state.getCharacterCount(); ++c) appendNewLevelScope(script, state, level, c);
  }
}

// Unlike a layout start, the switch takes only these two exact words.
void changeSwitch(std::string_view value, ModuleState& state) {
  if (value == "On") state.setEnabled(true);
  if (value == "Off") state.setEnabled(false);
}

}  // namespace

void runSettingChange(const ArgumentList& arguments, ModuleState& state, std::string& script) {
  if (arguments.size() != 3) return;
  const std::string_view key = arguments[1];
  const std::string_view value = arguments[2];

  if (key == "Bl_Num") {
    changeBalloonCount(value, state, script);
  } else if (key == "Bl_Move") {
    state.setMoveStep(readDecimal(value));
  } else if (key == "Bl_Time") {
    state.setMoveTime(readDecimal(value));
  } else if (key == "ZEF_Switch") {
    changeSwitch(value, state);
  }
  script += changeTakenEvent;
}

}  // namespace zef
