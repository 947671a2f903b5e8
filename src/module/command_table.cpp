// The rows of the command table and their readers: each reader turns a
// request's arguments into the typed values of its command and runs it. The
// argument positions and the words a ghost writes (switch values, setting
// keys) are known here only.
#include "module/command_table.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

#include "base/decimal.h"
#include "convert/conversion_command.h"
#include "placement/layout_start.h"
#include "settings/setting_change.h"
#include "settings/settings_menu.h"

namespace zef {

namespace {

constexpr std::string_view layoutStartArguments[] = {
    "switch",         "characters", "balloons per character", "pixel step", "move time", "first dummy scope",
    "balloon number", "font name",  "font height",            "surface offset of each character",
};
constexpr std::string_view settingChangeArguments[] = {"key", "value"};

// Reached only for a name that no command argument has: not constexpr, so
// the consteval lookup below that reaches it does not compile.
void noArgumentOfThatName() {}

// The position of a command's argument by its name (Argument1 is the first);
// a name that is none of them does not compile.
template <std::size_t count>
consteval std::size_t argumentNamed(const std::string_view (&names)[count], std::string_view name) {
  const auto found = std::find(std::begin(names), std::end(names), name);
  if (found == std::end(names)) noArgumentOfThatName();
  return static_cast<std::size_t>(found - std::begin(names)) + 1;
}

consteval std::size_t layoutArgument(std::string_view name) { return argumentNamed(layoutStartArguments, name); }

// A layout start takes "On", "ON" and "on" for on, anything else for off.
bool isLayoutSwitchOn(std::string_view text) { return text == "On" || text == "ON" || text == "on"; }

// changeZEF takes exactly "On" and "Off"; any other value changes nothing.
std::optional<bool> settingSwitch(std::string_view text) {
  if (text == "On") return true;
  if (text == "Off") return false;
  return std::nullopt;
}

struct SettingKey {
  std::string_view key;
  SettingChange::Setting setting;
};

constexpr SettingKey settingKeys[] = {
    {"Bl_Num", SettingChange::Setting::balloonCount},
    {"Bl_Move", SettingChange::Setting::moveStep},
    {"Bl_Time", SettingChange::Setting::moveTime},
    {"ZEF_Switch", SettingChange::Setting::enabled},
};

SettingChange readSettingChange(const ArgumentList& arguments) {
  const std::string_view key = arguments[argumentNamed(settingChangeArguments, "key")];
  const std::string_view value = arguments[argumentNamed(settingChangeArguments, "value")];
  const auto known = std::find_if(std::begin(settingKeys), std::end(settingKeys),
                                  [key](const SettingKey& entry) { return entry.key == key; });
  if (known == std::end(settingKeys)) return {};
  if (known->setting == SettingChange::Setting::enabled) return {known->setting, 0, settingSwitch(value)};
  return {known->setting, readDecimal(value), std::nullopt};
}

// The characters that a layout start names itself, under the value rule of
// characterCount: the count it needs and the offsets it carries follow from it.
std::int64_t namedCharacters(const ArgumentList& arguments) {
  return boundCharacterCount(readDecimal(arguments[layoutArgument("characters")]));
}

template <Layout layout>
CommandOutcome startLayout(const ArgumentList& arguments, const ModuleState& state, Charset) {
  CommandOutcome outcome{{}, state};
  storeLayoutSettings(arguments, *outcome.newState);
  runLayoutStart(layout, *outcome.newState, outcome.resultScript);
  return outcome;
}

CommandOutcome runTalk(const ArgumentList& arguments, const ModuleState& state, Charset) {
  CommandOutcome outcome;
  runConversion(std::span(arguments).subspan(1), state, outcome.resultScript);
  return outcome;
}

CommandOutcome runMenu(const ArgumentList&, const ModuleState& state, Charset charset) {
  CommandOutcome outcome;
  runSettingsMenu(state, charset, outcome.resultScript);
  return outcome;
}

CommandOutcome runChange(const ArgumentList& arguments, const ModuleState& state, Charset) {
  CommandOutcome outcome{{}, state};
  runSettingChange(readSettingChange(arguments), *outcome.newState, outcome.resultScript);
  return outcome;
}

constexpr std::size_t unbounded = ArgumentCount{0}.most;

constexpr Command commands[] = {
    {"firstZEF", {10, unbounded, true}, false, true, true, argumentErrorNotice, startLayout<Layout::fresh>},
    {"startZEF", {10, unbounded, true}, false, true, true, argumentErrorNotice, startLayout<Layout::kept>},
    {"ZEF", {2}, true, false, false, {}, runTalk},
    {"settingZEF", {1}, true, false, false, {}, runMenu},
    {"changeZEF", {3, 3}, false, false, true, {}, runChange},
};

}  // namespace

std::span<const Command> commandTable() { return commands; }

const Command* findCommand(std::string_view word) {
  const auto found = std::find_if(std::begin(commands), std::end(commands),
                                  [word](const Command& command) { return command.word == word; });
  return found == std::end(commands) ? nullptr : found;
}

bool countFits(const Command& command, const ArgumentList& arguments) {
  const std::size_t count = arguments.size();
  if (count < command.count.fewest || count > command.count.most) return false;
  if (!command.count.onePerNamedCharacter) return true;
  return static_cast<std::int64_t>(count - command.count.fewest) >= namedCharacters(arguments);
}

CommandOutcome dispatchCommand(const ArgumentList& arguments, const ModuleState& state, Charset charset) {
  if (arguments.empty()) return {};
  const Command* command = findCommand(arguments[0]);
  if (command == nullptr) return {};
  if (!countFits(*command, arguments)) return {std::string(command->refusal.in(charset)), std::nullopt};
  if (command->needsStartedLayout && !state.layoutStarted) return {};
  return command->run(arguments, state, charset);
}

void storeLayoutSettings(const ArgumentList& arguments, ModuleState& state) {
  const auto number = [&arguments](std::size_t at) { return readDecimal(arguments[at]); };
  state.enabled = isLayoutSwitchOn(arguments[layoutArgument("switch")]);
  state.setCharacterCount(number(layoutArgument("characters")));
  state.setBalloonCount(number(layoutArgument("balloons per character")));
  state.moveStep = number(layoutArgument("pixel step"));
  state.setMoveTime(number(layoutArgument("move time")));
  state.setDummyScopeBase(number(layoutArgument("first dummy scope")));
  state.setBalloonOffset(number(layoutArgument("balloon number")));
  state.setFontName(arguments[layoutArgument("font name")]);
  state.setFontHeight(number(layoutArgument("font height")));
  // The new offsets are complete before the old ones are given up.
  std::vector<std::int32_t> offsets(static_cast<std::size_t>(state.characterCount));
  constexpr std::size_t firstOffset = layoutArgument("surface offset of each character");
  for (std::size_t c = 0; c < offsets.size(); ++c) offsets[c] = number(firstOffset + c);
  state.surfaceOffsets = std::move(offsets);
}

}  // namespace zef
