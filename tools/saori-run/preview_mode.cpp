// saori-run's preview: the session's results run on a model desktop.
#include "preview_mode.h"

#include <algorithm>
#include <functional>

#include "choice_step.h"
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

// A script that ran on the host: a request's result, or a picked choice.
struct Answer {
  Step step;
  std::string script;
  Charset charset;  // that the response names, or of the script chosen from
  bool chosen = false;
  zef::host_model::Segment choice;  // when chosen
  zef::host_model::GhostWords words;  // the ghost's own around a request's result
};

// Joins @before to the next request's result and @after to the last one's;
// warns where there is none.
class WordsJoiner {
 public:
  WordsJoiner(std::vector<Answer>& answers, AnswerWatch& watch) : answers_(answers), watch_(watch) {}

  void take(const Step& step) {
    if (step.kind == Step::Kind::wordsBefore) {
      pending_ += step.text;
      pendingStep_ = step;
      return;
    }
    if (answers_.empty() || answers_.back().chosen) {
      watch_.warn(step, "@after joins the result of the request before it, and none comes right before it");
      return;
    }
    answers_.back().words.after += step.text;
  }

  // The words waiting for the request just answered.
  void answered() {
    answers_.back().words.before = std::move(pending_);
    pending_.clear();
  }

  void finish() {
    if (!pending_.empty()) watch_.warn(pendingStep_, "@before joins the result of the next request, and none follows");
  }

 private:
  std::vector<Answer>& answers_;
  AnswerWatch& watch_;
  std::string pending_;
  Step pendingStep_;
};

// Sends the session to the module, its requests in `charset`, and picks its
// choices; the scripts in the order they run.
std::vector<Answer> answersOf(ModuleHost& module, const Session& session, Charset charset, AnswerWatch& watch) {
  std::vector<Answer> answers;
  ShownChoices shown;
  WordsJoiner words(answers, watch);
  GhostMemory memory;
  std::function<void(const Step&)> send = [&](const Step& step) {
    bool gotBlock = false;
    const std::string response = module.request(requestTextOf(step, charset), gotBlock);
    answers.push_back({step, std::string(resultValue(response)), responseCharset(response), false, {}, {}});
    words.answered();
    watch.answered(step, answers.back().script);
    shown.shown(answers.back().script, answers.back().charset);
    for (const Step& request : memory.sent(step)) send(request);
  };
  for (const Step& step : session) {
    if (step.kind == Step::Kind::load) {
      module.load(".");
      watch.loaded();
      memory.runStarted();
      continue;
    }
    if (step.kind == Step::Kind::restart) {
      module.unload();
      module.load(".");
      watch.loaded();
      memory.runStarted();
      answers.push_back({step, {}, charset, false, {}, {}});
      continue;
    }
    if (step.kind == Step::Kind::unload) {
      module.unload();
      continue;
    }
    if (step.kind == Step::Kind::wordsBefore || step.kind == Step::Kind::wordsAfter) {
      words.take(step);
      continue;
    }
    if (step.kind != Step::Kind::choose) {
      send(step);
      continue;
    }
    Chosen chosen;
    std::string problem;
    if (!shown.pick(step.choice, chosen, problem)) {
      watch.warn(step, problem);
      continue;
    }
    answers.push_back({step, std::string(chosen.script()), shown.charset(), true, chosen.choice, {}});
    for (const Step& request : ghostRequests(step, chosen, memory)) send(request);
  }
  words.finish();
  return answers;
}

// The ghost's character count, read and bounded as the module stores it from
// the first layout start that it accepts (its default without one).
int namedCharacterCount(const std::vector<Answer>& answers) {
  zef::ModuleState state;
  for (const Answer& answer : answers) {
    if (!acceptsLayoutStart(answer.step)) continue;
    zef::storeLayoutSettings(answer.step.arguments, state);
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

std::string heading(std::string_view what, const std::vector<std::string>& caption) {
  std::string text = "== " + std::string(what) + ":";
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
  HostModel model(std::min(namedCharacters, mostCharacters), options.sizes);
  if (options.state) {
    for (const std::string& note : notes) out << "note " << note << "\n";
  }
  std::vector<std::string> figures;
  int requests = 0;
  int choices = 0;
  for (const Answer& answer : answers) {
    if (answer.step.kind == Step::Kind::restart) {
      // A new run of the ghost: the host places its windows afresh.
      model = HostModel(std::min(namedCharacters, mostCharacters), options.sizes);
      if (options.state) out << "== restart: the ghost stops and starts again, its windows placed afresh\n";
      continue;
    }
    std::vector<std::string> caption;
    std::string id;
    std::string what;
    if (answer.chosen) {
      model.choose(answer.choice);
      caption = {zef::host_model::textAsUtf8(answer.choice.text, answer.charset)};
      id = "choice-" + std::to_string(++choices);
      what = "choice " + std::to_string(answer.step.choice);
    } else {
      model.runScript(answer.script, answer.charset, answer.words);
      caption = captionArguments(answer.step, charset);
      id = "request-" + std::to_string(++requests);
      what = "request " + std::to_string(requests);
    }
    if (options.state) out << heading(what, caption) << zef::host_model::dumpState(model.state());
    if (!options.reportFile.empty()) {
      figures.push_back(zef::host_model::renderFigure(id, what, caption, answer.script, model.state(), answer.words));
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
