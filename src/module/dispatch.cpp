// The command table: which command word, with how many arguments, runs what.
#include "module/dispatch.h"

#include <cstdint>
#include <string_view>
#include <utility>

#include "convert/conversion_command.h"
#include "module/decimal.h"
#include "module/host_script.h"
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

// Runs a command that changes the state on a copy, and commits the copy and
// the script together once nothing can fail any more.
template <typename Command>
void runOnCopy(ModuleState& state, std::string& resultScript, Command command) {
  ModuleState next = state;
  std::string script;
  command(next, script);
  resultScript += script;
  state = std::move(next);
}

}  // namespace

void dispatchCommand(const ArgumentList& arguments, ModuleState& state, std::string& resultScript) {
  if (arguments.empty()) return;
  const std::string_view word = arguments[0];
  const std::size_t count = arguments.size();

  if (isLayoutStartWord(word)) {
    if (!hasEveryLayoutStartArgument(arguments)) {
      resultScript += argumentErrorNotice;
      return;
    }
    runOnCopy(state, resultScript, [&](ModuleState& next, std::string& script) {
      runLayoutStart(arguments, next, script);
      next.layoutStarted = true;
    });
    return;
  }
  if (word == "ZEF" && count >= 2) {
    if (state.layoutStarted) runConversion(arguments, state, resultScript);
    return;
  }
  if (word == "settingZEF") {
    if (state.layoutStarted) runSettingsMenu(state, resultScript);
    return;
  }
  if (word == "changeZEF" && count == 3) {
    runOnCopy(state, resultScript, [&](ModuleState& next, std::string& script) {
      runSettingChange(arguments, next, script);
    });
  }
}

}  // namespace zef
