// The module's commands as a ghost sends them: the one place that knows a
// request's shape. Each row names its command word, whether it waits for a
// layout start and how many arguments it takes; its reader turns the arguments
// into the typed values that placement, conversion and settings work on, so
// none of them ever reads an argument by its index.
//
// Before and after, for the request
//   Argument0: changeZEF    Argument1: Bl_Move    Argument2: 50
// the row "changeZEF" (exactly two arguments after the word, at any time) and
// its reader give the row of "Bl_Move" and "50", which settings/ applies.
// The request
//   Argument0: firstZEF  Argument1: On  Argument2: 2 ... Argument11: 0
// stores enabled = true, characterCount = 2, ..., surfaceOffsets = {0, 0}
// into the new state under its value rules, and placement/ lays that state
// out with Layout::fresh.
//
// A new command word is one row in command_table.cpp (and a reader there, if
// it takes new arguments).
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/charset.h"
#include "base/module_state.h"
#include "module/request.h"

namespace zef {

// What one request produced: its result script and, for a command that
// changes settings, the state that the entries put in place of the module's
// once the answer has reached the host (entries.cpp).
struct CommandOutcome {
  std::string resultScript;
  std::optional<ModuleState> newState;
};

// How many arguments a command takes, Argument0 included.
struct ArgumentCount {
  std::size_t fewest;
  std::size_t most = std::numeric_limits<std::size_t>::max();
  // A layout start takes one more argument per character that it names itself.
  bool onePerNamedCharacter = false;
};

struct Command {
  std::string_view word;  // compared with Argument0 byte for byte
  ArgumentCount count;
  bool needsStartedLayout = false;  // answered empty until a layout start was accepted
  bool startsLayout = false;        // a layout start: its state marks the layout started
  // The answer when the count does not fit: the argument error notice for a
  // layout start, nothing for every other command.
  std::string (*refusal)(Charset charset) = nullptr;
  // Reads the arguments, which fit the count, into typed values and runs the
  // command: one that only answers, or one that changes the state it is given
  // (a copy, which then replaces the module's state). A row has one of them.
  void (*answer)(const ArgumentList&, const ModuleState&, Charset, std::string& script) = nullptr;
  void (*change)(const ArgumentList&, ModuleState& state, std::string& script) = nullptr;
};

// What the module does with a request, decided from its arguments and
// whether a layout has started, before anything runs. saori-run and the
// session fuzzer ask this rather than reading the answer.
enum class Verdict {
  unknown,  // no command has the word: answered empty
  refused,  // the count does not fit: answered with the row's refusal
  waiting,  // the command waits for a layout start: answered empty
  answers,  // runs and leaves the state as it was
  changes,  // runs and replaces the state (once the answer has reached the host)
};
Verdict judgeRequest(const ArgumentList& arguments, bool layoutStarted);

// The argument error notice: shown by the host as a tray notice with an error
// icon. Its text says, in Japanese, that starting ZEF failed and asks the
// user to check the arguments: "ZEFの起動に失敗しました。\n引数を確認してください。"
std::string argumentErrorNotice(Charset charset);

// Every command, in the order a ghost's author meets them.
std::span<const Command> commandTable();

// The row of `word`, or null for a word that is none of the module's.
const Command* findCommand(std::string_view word);

// Picks the command of Argument0 and runs it when its count fits and its
// layout is started; the module's own non-ASCII text goes out in `charset`,
// the request's.
CommandOutcome dispatchCommand(const ArgumentList& arguments, const ModuleState& state, Charset charset);

// Stores the settings of a layout start whose count fits into `state`, under
// the state's value rules (saori-run's preview reads the character count so).
void storeLayoutSettings(const ArgumentList& arguments, ModuleState& state);

}  // namespace zef
