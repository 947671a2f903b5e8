// saori-run's preview: the session's results run on a model desktop.
#include "preview_mode.h"

#include <algorithm>

#include "file_io.h"
#include "host_model.h"
#include "html_report.h"
#include "base/module_state.h"
#include "module/command_table.h"
#include "sjis_text.h"
#include "state_dump.h"

namespace saori_run {

namespace {

using zef::host_model::HostModel;

constexpr int mostCharacters = 7;  // as many as stand side by side on the model desktop

struct Answer {
  const Step* step;
  std::string script;
  Charset charset;  // that the response names
};

// Sends the session to the module, its requests in `charset`; the result
// script of every request.
std::vector<Answer> answersOf(ModuleHost& module, const Session& session, Charset charset, AnswerWatch& watch) {
  std::vector<Answer> answers;
  for (const Step& step : session) {
    if (step.kind == Step::Kind::load) {
      module.load(".");
      watch.loaded();
      continue;
    }
    if (step.kind == Step::Kind::unload) {
      module.unload();
      continue;
    }
    bool gotBlock = false;
    const std::string response = module.request(requestTextOf(step, charset), gotBlock);
    answers.push_back({&step, std::string(resultValue(response)), responseCharset(response)});
    watch.answered(step, answers.back().script);
  }
  return answers;
}

// The ghost's character count, read and bounded as the module stores it from
// the first layout start that it accepts (its default without one).
int namedCharacterCount(const std::vector<Answer>& answers) {
  zef::ModuleState state;
  for (const Answer& answer : answers) {
    if (!acceptsLayoutStart(*answer.step, answer.script)) continue;
    state.setCharacterCount(zef::readLayoutSettings(answer.step->arguments).characterCount);
    break;
  }
  return state.characterCount;
}

// What the picture leaves out of the whole session, in words.
std::vector<std::string> pageNotes(int namedCharacters) {
  if (namedCharacters <= mostCharacters) return {};
  return {"The session's layout start names " + std::to_string(namedCharacters) +
          " characters, but the model desktop has room for " + std::to_string(mostCharacters) +
          " side by side: the picture draws characters 0 to " + std::to_string(mostCharacters - 1) +
          " and takes scopes " + std::to_string(mostCharacters) + " to " + std::to_string(namedCharacters - 1) +
          " for extra scopes."};
}

// The step's arguments as UTF-8 text.
std::vector<std::string> captionArguments(const Step& step, Charset charset) {
  if (step.kind == Step::Kind::rawRequest) return {"(raw request, " + std::to_string(step.text.size()) + " bytes)"};
  std::vector<std::string> shown;
  for (const std::string& argument : step.arguments) shown.push_back(zef::host_model::textAsUtf8(argument, charset));
  return shown;
}

std::string heading(int number, const std::vector<std::string>& caption) {
  std::string text = "== request " + std::to_string(number) + ":";
  const char* separator = " ";
  for (const std::string& argument : caption) {
    text += separator + argument;
    separator = " | ";
  }
  return text + "\n";
}

}  // namespace

int runPreview(ModuleHost& module, const Session& session, const PreviewOptions& options, Charset charset,
               AnswerWatch& watch, std::ostream& out, std::ostream& errors) {
  const std::vector<Answer> answers = answersOf(module, session, charset, watch);
  const int namedCharacters = namedCharacterCount(answers);
  const std::vector<std::string> notes = pageNotes(namedCharacters);
  HostModel model(std::min(namedCharacters, mostCharacters), options.characterSize);
  if (options.state) {
    for (const std::string& note : notes) out << "note " << note << "\n";
  }
  std::vector<std::string> figures;
  int number = 0;
  for (const Answer& answer : answers) {
    model.runScript(answer.script, answer.charset);
    ++number;
    const std::vector<std::string> caption = captionArguments(*answer.step, charset);
    if (options.state) out << heading(number, caption) << zef::host_model::dumpState(model.state());
    if (!options.reportFile.empty()) {
      figures.push_back(zef::host_model::renderFigure(number, caption, answer.script, model.state()));
    }
  }
  if (options.reportFile.empty()) return 0;
  std::string reason;
  if (!writeWholeFile(options.reportFile, zef::host_model::renderPage("zef preview", notes, figures), reason)) {
    errors << "saori-run: cannot write " << options.reportFile << ": " << reason << "\n";
    return 1;
  }
  errors << "saori-run: wrote " << options.reportFile << " (" << figures.size()
         << (figures.size() == 1 ? " figure)\n" : " figures)\n");
  return 0;
}

}  // namespace saori_run
