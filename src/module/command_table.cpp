// The rows of the command table and their readers: each reader turns a
// request's arguments into the typed values of its command and runs it. The
// argument positions are known here only; the settings' keys and words are
// read from the settings table (base/module_state.h).
#include "module/command_table.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "base/decimal.h"
#include "convert/conversion_command.h"
#include "placement/layout_start.h"
#include "settings/kept_positions.h"
#include "settings/setting_change.h"
#include "settings/settings_menu.h"

namespace zef {

namespace {

constexpr std::size_t keyArgument = 1;
constexpr std::size_t valueArgument = 2;

// A layout start's settings follow the command word in the rows' order, then
// one surface offset per character.
// The argument of the first layout start setting at or after `row`.
constexpr std::size_t argumentAt(const Setting* row) {
  return 1 + static_cast<std::size_t>(
                 std::count_if(std::begin(settings), row, [](const Setting& before) { return before.byLayoutStart; }));
}

constexpr std::size_t argumentOf(const Setting& setting) { return argumentAt(&setting); }

constexpr std::size_t firstSurfaceOffset = argumentAt(std::end(settings));

// The characters that a layout start names itself, under the value rule of
// characterCount: the count it needs and the offsets it carries follow from it.
std::int64_t namedCharacters(const ArgumentList& arguments) {
  return boundCharacterCount(readDecimal(arguments[argumentOf(settingNamed("characterCount"))]));
}

template <Layout layout>
void startLayout(const ArgumentList& arguments, ModuleState& state, std::string& script) {
  storeLayoutSettings(arguments, state);
  runLayoutStart(layout, state, script);
}

void runTalk(const ArgumentList& arguments, const ModuleState& state, Charset, std::string& script) {
  runConversion(std::span(arguments).subspan(1), state, script);
}

void runMenu(const ArgumentList&, const ModuleState& state, Charset charset, std::string& script) {
  runSettingsMenu(state, charset, script);
}

void runChange(const ArgumentList& arguments, ModuleState& state, std::string& script) {
  runSettingChange({settingOfChangeKey(arguments[keyArgument]), arguments[valueArgument]}, state, script);
}

// restoreZEF: the vertical sum, then one horizontal sum per character of the
// started layout; more arguments are ignored.
constexpr std::size_t verticalSumArgument = 1;
constexpr std::size_t firstHorizontalSum = 2;

// The sums of a restoreZEF request, or none when some are missing.
std::optional<KeptPositions> keptPositionsOf(const ArgumentList& arguments, const ModuleState& state) {
  const auto characters = static_cast<std::size_t>(state.characterCount);
  if (arguments.size() < firstHorizontalSum + characters) return std::nullopt;
  KeptPositions kept{.vertical = readDecimal(arguments[verticalSumArgument]), .horizontal = {}};
  for (std::size_t c = 0; c < characters; ++c) kept.horizontal.push_back(readDecimal(arguments[firstHorizontalSum + c]));
  return kept;
}

// Sums missing or beyond any desktop get the argument error notice and move nothing.
void runRestoreRequest(const ArgumentList& arguments, const ModuleState& state, Charset charset,
                       std::string& script) {
  const std::optional<KeptPositions> kept = keptPositionsOf(arguments, state);
  if (!kept || !onTheDesktop(*kept)) {
    script += argumentErrorNotice.in(charset);
    return;
  }
  runRestore(*kept, state, script);
}

constexpr ArgumentCount layoutStartCount = {.fewest = firstSurfaceOffset, .onePerNamedCharacter = true};

constexpr Command commands[] = {
    {.word = "firstZEF", .count = layoutStartCount, .startsLayout = true, .refusal = argumentErrorNotice,
     .change = startLayout<Layout::fresh>},
    {.word = "startZEF", .count = layoutStartCount, .startsLayout = true, .refusal = argumentErrorNotice,
     .change = startLayout<Layout::kept>},
    {.word = "ZEF", .count = {.fewest = 2}, .needsStartedLayout = true, .answer = runTalk},
    {.word = "settingZEF", .count = {.fewest = 1}, .needsStartedLayout = true, .answer = runMenu},
    {.word = "changeZEF", .count = {.fewest = 3, .most = 3}, .change = runChange},
    // Its count depends on the started layout's characters: the reader checks it.
    {.word = "restoreZEF", .count = {.fewest = 1}, .needsStartedLayout = true,
     .answer = runRestoreRequest},
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

Verdict judgeRequest(const ArgumentList& arguments, bool layoutStarted) {
  const Command* command = arguments.empty() ? nullptr : findCommand(arguments[0]);
  if (command == nullptr) return Verdict::unknown;
  if (!countFits(*command, arguments)) return Verdict::refused;
  if (command->needsStartedLayout && !layoutStarted) return Verdict::waiting;
  return command->change != nullptr ? Verdict::changes : Verdict::answers;
}

CommandOutcome dispatchCommand(const ArgumentList& arguments, const ModuleState& state, Charset charset) {
  CommandOutcome outcome;
  const Verdict verdict = judgeRequest(arguments, state.layoutStarted);
  if (verdict == Verdict::unknown || verdict == Verdict::waiting) return outcome;
  const Command& command = *findCommand(arguments[0]);
  if (verdict == Verdict::refused) {
    outcome.resultScript = command.refusal.in(charset);
  } else if (verdict == Verdict::answers) {
    command.answer(arguments, state, charset, outcome.resultScript);
  } else {
    command.change(arguments, outcome.newState.emplace(state), outcome.resultScript);
    if (command.startsLayout) outcome.newState->layoutStarted = true;
  }
  return outcome;
}

void storeLayoutSettings(const ArgumentList& arguments, ModuleState& state) {
  for (const Setting& setting : settings) {
    if (setting.byLayoutStart) storeSetting(setting, arguments[argumentOf(setting)], SettingSource::layoutStart, state);
  }
  // The new offsets are complete before the old ones are given up.
  std::vector<std::int32_t> offsets(static_cast<std::size_t>(state.characterCount));
  for (std::size_t c = 0; c < offsets.size(); ++c) offsets[c] = readDecimal(arguments[firstSurfaceOffset + c]);
  state.surfaceOffsets = std::move(offsets);
}

}  // namespace zef
