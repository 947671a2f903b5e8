// The command table: which command word, with how many arguments, runs what.
#include "module/dispatch.h"

#include <cstdint>
#include <string_view>

#include "convert/conversion_command.h"
#include "base/decimal.h"
#include "base/host_script.h"
#include "placement/layout_start.h"
#include "settings/setting_change.h"
#include "settings/settings_menu.h"

namespace zef {

namespace {

// The fixed arguments of a layout start: the command word and nine settings.
constexpr std::int64_t layoutStartFixedArguments = 10;

bool isLayoutStartWord(std::string_view word) { return word == "firstZEF" || word == "startZEF"; }

// A layout start must carry one surface offset per character that it names
// itself in Argument2; the count stored before the request plays no part.
bool hasEveryLayoutStartArgument(const ArgumentList& arguments) {
  if (arguments.size() < 3) return false;
  const std::int64_t characters = boundCharacterCount(readDecimal(arguments[2]));
  return static_cast<std::int64_t>(arguments.size()) >= layoutStartFixedArguments + characters;
}

CommandOutcome startLayout(const ArgumentList& arguments, const ModuleState& state) {
  CommandOutcome outcome{{}, state};
  runLayoutStart(arguments, *outcome.newState, outcome.resultScript);
  outcome.newState->layoutStarted = true;
  return outcome;
}

CommandOutcome changeSetting(const ArgumentList& arguments, const ModuleState& state) {
  CommandOutcome outcome{{}, state};
  runSettingChange(arguments, *outcome.newState, outcome.resultScript);
  return outcome;
}

}  // namespace

CommandOutcome dispatchCommand(const ArgumentList& arguments, const ModuleState& state, Charset charset) {
  CommandOutcome outcome;
  if (arguments.empty()) return outcome;
  const std::string_view word = arguments[0];
  const std::size_t count = arguments.size();

  if (isLayoutStartWord(word)) {
    if (hasEveryLayoutStartArgument(arguments)) return startLayout(arguments, state);
    outcome.resultScript = argumentErrorNotice.in(charset);
    return outcome;
  }
  if (word == "ZEF" && count >= 2) {
    if (state.layoutStarted) runConversion(arguments, state, outcome.resultScript);
    return outcome;
  }
  if (word == "settingZEF") {
    if (state.layoutStarted) runSettingsMenu(state, charset, outcome.resultScript);
    return outcome;
  }
  if (word == "changeZEF" && count == 3) return changeSetting(arguments, state);
  return outcome;
}

}  // namespace zef
