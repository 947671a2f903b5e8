// Warnings for sessions that run but do not do what their author meant.
#include "session_checks.h"

#include "command_words.h"
#include "demo_session.h"
#include "base/host_script.h"

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
    if (findCommandWord(word) != nullptr || findCommandWord(first) == nullptr) continue;
    const std::string advice = fileName.empty() ? "give each argument as a word of its own after --"
                                                : "separate the arguments with TAB, not blanks";
    warnings.push_back(std::string(warningHead) + placeOf(step, fileName) + "the command word \"" +
                       std::string(word) + "\" is not one the module knows, but its first word \"" +
                       std::string(first) + "\" is: " + advice + "\n");
  }
  return warnings;
}

bool acceptsLayoutStart(const Step& step, std::string_view result) {
  // The module writes the notice in the charset of the request.
  const bool refused = result == zef::argumentErrorNotice.shiftJis || result == zef::argumentErrorNotice.utf8;
  return step.kind == Step::Kind::request && !step.arguments.empty() && isLayoutStart(step.arguments.front()) &&
         !refused;
}

void AnswerWatch::answered(const Step& step, std::string_view result) {
  // A raw request may be a layout start: nothing is assumed after one.
  if (step.kind == Step::Kind::rawRequest || acceptsLayoutStart(step, result)) layoutStarted_ = true;
  if (layoutStarted_ || warned_ || !result.empty() || step.arguments.empty()) return;
  const CommandWord* command = findCommandWord(step.arguments.front());
  if (command == nullptr || command->role != CommandWord::Role::afterLayoutStart) return;

  warned_ = true;
  using Role = CommandWord::Role;
  const std::string layoutStart = joinedByTabs(typicalLayoutStart());
  warnings_ << warningHead << placeOf(step, fileName_) << command->word << " was answered empty: the module answers "
            << wordsOfRole(Role::afterLayoutStart, "and") << " only after it has accepted a layout start ("
            << wordsOfRole(Role::layoutStart, "or") << "). ";
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
