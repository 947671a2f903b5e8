// Storing a setting under its row's value rule (module_state.h).
#include "base/module_state.h"

#include "base/decimal.h"

namespace zef {

namespace {

void storeSwitch(bool& field, std::string_view text, SettingSource source) {
  if (source == SettingSource::layoutStart) {
    field = text == switchOn || text == "ON" || text == "on";
  } else if (text == switchOn || text == switchOff) {
    field = text == switchOn;
  }
}

}  // namespace

const Setting* settingOfChangeKey(std::string_view key) {
  const auto found = std::find_if(std::begin(settings), std::end(settings), [key](const Setting& setting) {
    return !setting.changeKey.empty() && setting.changeKey == key;
  });
  return found == std::end(settings) ? nullptr : found;
}

void storeSetting(const Setting& setting, std::string_view text, SettingSource source, ModuleState& state) {
  if (const auto flag = std::get_if<bool ModuleState::*>(&setting.field)) return storeSwitch(state.**flag, text, source);
  if (const auto number = std::get_if<std::int32_t ModuleState::*>(&setting.field)) {
    state.**number = bounded(setting, readDecimal(text));
    return;
  }
  const auto words = std::get<std::string ModuleState::*>(setting.field);
  state.*words = text.empty() ? ModuleState{}.*words : std::string(text);
}

}  // namespace zef
