// saori-run's preview: the session's results run on a model desktop.
#include "preview_mode.h"

#include <algorithm>

#include "file_io.h"
#include "host_model.h"
#include "html_report.h"
#include "base/module_state.h"
#include "module/command_table.h"
#include "session_player.h"
#include "sjis_text.h"
#include "state_dump.h"

namespace saori_run {

namespace {

using zef::host_model::HostModel;
using zef::host_model::mostCharacters;

// What the host showed, in order; a restart places the windows afresh.
struct Scene {
  bool restart = false;
  Shown shown;
};

// Collects the scenes of a session as it is played; `watch` sees every answer.
class SceneList : public SessionListener {
 public:
  explicit SceneList(AnswerWatch& watch) : watch_(watch) {}

  void loaded(const Step& step, long) override {
    watch_.loaded();
    if (step.kind == Step::Kind::restart) scenes.push_back({true, {step, {}, {}, {}, {}}});
  }
  void requested(const Step& step, std::string_view response, bool) override {
    watch_.answered(step, resultValue(response));
  }
  void shown(const Shown& shown) override { scenes.push_back({false, shown}); }
  void warn(const Step& step, std::string_view problem) override { watch_.warn(step, problem); }

  std::vector<Scene> scenes;

 private:
  AnswerWatch& watch_;
};

// The ghost's character count, read and bounded as the module stores it from
// the session's first layout start that it accepts (its default without one).
int namedCharacterCount(const Session& session) {
  zef::ModuleState state;
  for (const Step& step : session) {
    if (!acceptsLayoutStart(step)) continue;
    zef::storeLayoutSettings(step.arguments, state);
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
  SceneList list(watch);
  SessionPlayer(module, charset, list).play(session);
  const int namedCharacters = namedCharacterCount(session);
  const std::vector<std::string> notes = pageNotes(namedCharacters);
  HostModel model(std::min(namedCharacters, mostCharacters), options.sizes);
  if (options.state) {
    for (const std::string& note : notes) out << "note " << note << "\n";
  }
  std::vector<std::string> figures;
  int requests = 0;
  int choices = 0;
  for (const auto& [restart, shown] : list.scenes) {
    if (restart) {
      model = HostModel(std::min(namedCharacters, mostCharacters), options.sizes);
      if (options.state) out << "== restart: the ghost stops and starts again, its windows placed afresh\n";
      continue;
    }
    std::vector<std::string> caption;
    std::string id;
    std::string what;
    runShown(shown, model);
    if (shown.choice) {
      caption = {zef::host_model::textAsUtf8(shown.choice->text, shown.charset)};
      id = "choice-" + std::to_string(++choices);
      what = "choice " + std::to_string(shown.step.choice);
    } else {
      caption = captionArguments(shown.step, charset);
      id = "request-" + std::to_string(++requests);
      what = "request " + std::to_string(requests);
    }
    if (options.state) out << heading(what, caption) << zef::host_model::dumpState(model.state());
    if (!options.reportFile.empty()) {
      figures.push_back(zef::host_model::renderFigure(id, what, caption, shown.script, model.state(), shown.words));
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
