// The rows of the command table and their readers (command_table.h). The
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
#include "base/host_script.h"
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
// one surface offset per character. The argument of the first layout start
// setting at or after `row`:
constexpr std::size_t argumentAt(const Setting* row) {
  return 1 + static_cast<std::size_t>(
                 std::count_if(std::begin(settings), row, [](const Setting& before) { return before.byLayoutStart; }));
}

constexpr std::size_t firstSurfaceOffset = argumentAt(std::end(settings));

// The characters that a layout start names itself, under the value rule of
// characterCount: the count it needs and the offsets it carries follow from it.
std::int64_t namedCharacters(const ArgumentList& arguments) {
  return boundCharacterCount(readDecimal(arguments[argumentAt(&settingNamed("characterCount"))]));
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
  runSettingChange(settingOfChangeKey(arguments[keyArgument]), arguments[valueArgument], state, script);
}

// "ZEFの起動に失敗しました。" and "引数を確認してください。"
constexpr CharsetText startFailed = {
    "ZEF\x82\xcc\x8b\x4e\x93\xae\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42",
    "ZEF\xe3\x81\xae\xe8\xb5\xb7\xe5\x8b\x95\xe3\x81\xab\xe5\xa4\xb1\xe6\x95\x97\xe3\x81\x97\xe3\x81\xbe\xe3\x81\x97"
    "\xe3\x81\x9f\xe3\x80\x82"};
constexpr CharsetText checkArguments = {
    "\x88\xf8\x90\x94\x82\xf0\x8a\x6d\x94\x46\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42",
    "\xe5\xbc\x95\xe6\x95\xb0\xe3\x82\x92\xe7\xa2\xba\xe8\xaa\x8d\xe3\x81\x97\xe3\x81\xa6\xe3\x81\x8f\xe3\x81\xa0"
    "\xe3\x81\x95\xe3\x81\x84\xe3\x80\x82"};

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
    script += argumentErrorNotice(charset);
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

// Whether `arguments` (whose Argument0 is the command's word) fit its count.
bool countFits(const Command& command, const ArgumentList& arguments) {
  const std::size_t count = arguments.size();
  if (count < command.count.fewest || count > command.count.most) return false;
  if (!command.count.onePerNamedCharacter) return true;
  return static_cast<std::int64_t>(count - command.count.fewest) >= namedCharacters(arguments);
}

}  // namespace

std::string argumentErrorNotice(Charset charset) {
  std::string notice;
  appendTrayNotice(notice, "error", "ZEF Argument Error", {startFailed.in(charset), checkArguments.in(charset)});
  return notice;
}

std::span<const Command> commandTable() { return commands; }

const Command* findCommand(std::string_view word) {
  const auto found = std::find_if(std::begin(commands), std::end(commands),
                                  [word](const Command& command) { return command.word == word; });
  return found == std::end(commands) ? nullptr : found;
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
    if (command.refusal != nullptr) outcome.resultScript = command.refusal(charset);
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
    if (!setting.byLayoutStart) continue;
    storeSetting(setting, arguments[argumentAt(&setting)], SettingSource::layoutStart, state);
  }
  // The new offsets are complete before the old ones are given up.
  std::vector<std::int32_t> offsets(static_cast<std::size_t>(state.characterCount));
  for (std::size_t c = 0; c < offsets.size(); ++c) offsets[c] = readDecimal(arguments[firstSurfaceOffset + c]);
  state.surfaceOffsets = std::move(offsets);
}

}  // namespace zef
