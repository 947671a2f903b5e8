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

void changeBalloonCount(std::int32_t count, ModuleState& state, std::string& script) {
  const std::int32_t oldCount = state.balloonCount;
  state.setBalloonCount(count);
  // A smaller count leaves the scopes above it as the host has them.
  for (std::int32_t level = oldCount + 1; level <= state.balloonCount; ++level) {
    for (std::int32_t c = 0; c < state.characterCount; ++c) appendNewLevelScope(script, state, level, c);
  }
}

}  // namespace

void runSettingChange(const SettingChange& change, ModuleState& state, std::string& script) {
  using Setting = SettingChange::Setting;
  switch (change.setting) {
    case Setting::balloonCount:
      changeBalloonCount(change.number, state, script);
      break;
    case Setting::moveStep:
      state.setMoveStep(change.number);
      break;
    case Setting::moveTime:
      state.setMoveTime(change.number);
      break;
    case Setting::enabled:
      if (change.enabled) state.setEnabled(*change.enabled);
      break;
    case Setting::none:
      break;
  }
  script += changeTakenEvent;
}

}  // namespace zef
