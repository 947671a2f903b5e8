// Warnings for sessions that run but do not do what their author meant.
#include "session_checks.h"

#include "demo_session.h"
#include "module/command_table.h"

namespace saori_run {

namespace {

constexpr std::string_view warningHead = "saori-run: warning: ";

std::string joinedByTabs(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) line += (line.empty() ? "" : "\t") + argument;
  return line;
}

// "FILE:LINE: " for a step of a session file; nothing for one from --.
std::string placeOf(const Step& step, std::string_view fileName) {
  if (fileName.empty() || step.line == 0) return {};
  return std::string(fileName) + ":" + std::to_string(step.line) + ": ";
}

// The module's command words that `wanted` picks, for a message: "firstZEF or
// startZEF", "ZEF, settingZEF and restoreZEF".
std::string commandWords(bool zef::Command::*wanted, std::string_view conjunction) {
  std::vector<std::string_view> picked;
  for (const zef::Command& command : zef::commandTable()) {
    if (command.*wanted) picked.push_back(command.word);
  }
  std::string words;
  for (std::size_t i = 0; i < picked.size(); ++i) {
    if (i > 0) words.append(i + 1 == picked.size() ? " " + std::string(conjunction) + " " : ", ");
    words.append(picked[i]);
  }
  return words;
}

std::string_view firstWord(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  const std::size_t end = text.find(' ', start);
  return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

}  // namespace

std::vector<std::string> lineWarnings(const Session& session, std::string_view fileName) {
  std::vector<std::string> warnings;
  for (const Step& step : session) {
    if (step.kind != Step::Kind::request || step.arguments.empty()) continue;
    const std::string_view word = step.arguments.front();
    const std::string_view first = firstWord(word);
    if (zef::findCommand(word) != nullptr || zef::findCommand(first) == nullptr) continue;
    const std::string advice = fileName.empty() ? "give each argument as a word of its own after --"
                                                : "separate the arguments with TAB, not blanks";
    warnings.push_back(std::string(warningHead) + placeOf(step, fileName) + "the command word \"" +
                       std::string(word) + "\" is not one the module knows, but its first word \"" +
                       std::string(first) + "\" is: " + advice + "\n");
  }
  return warnings;
}

void AnswerWatch::warn(const Step& step, std::string_view reason) {
  const std::string what = step.kind == Step::Kind::choose ? "@choose " + std::to_string(step.choice) + ": " : "";
  warnings_ << warningHead << placeOf(step, fileName_) << what << reason << "\n";
}

void AnswerWatch::answered(const Step& step, std::string_view result) {
  // A raw request may be a layout start: nothing is assumed after one.
  if (step.kind == Step::Kind::rawRequest || acceptsLayoutStart(step)) layoutStarted_ = true;
  if (layoutStarted_ || warned_ || !result.empty() || step.arguments.empty()) return;
  const zef::Command* command = zef::findCommand(step.arguments.front());
  if (command == nullptr || !command->needsStartedLayout) return;

  warned_ = true;
  const std::string layoutStart = joinedByTabs(typicalLayoutStart());
  warnings_ << warningHead << placeOf(step, fileName_) << command->word << " was answered empty: the module answers "
            << commandWords(&zef::Command::needsStartedLayout, "and") << " only after it has accepted a layout start ("
            << commandWords(&zef::Command::startsLayout, "or") << "). ";
  if (fileName_.empty()) {
    warnings_ << "-- sends one request alone: put both in a session file, one request a line with TAB between the "
                 "arguments, and run saori-run FILE:\n"
              << layoutStart << "\n"
              << joinedByTabs(step.arguments) << "\n";
    return;
  }
  warnings_ << "Add a line like this before it (arguments separated by TAB):\n" << layoutStart << "\n";
}

}  // namespace saori_run
