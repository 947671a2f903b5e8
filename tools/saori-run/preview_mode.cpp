// saori-run's preview: the session's results run on a model desktop.
#include "preview_mode.h"

#include <algorithm>
#include <charconv>

#include "file_io.h"
#include "host_model.h"
#include "html_report.h"
#include "sjis_text.h"
#include "state_dump.h"

namespace saori_run {

namespace {

using zef::host_model::HostModel;

constexpr int defaultCharacters = 2;
constexpr int mostCharacters = 7;  // as many as stand side by side on the model desktop

// The ghost's character count, as its first layout start tells the module.
int characterCountOf(const Session& session) {
  for (const Step& step : session) {
    const auto& arguments = step.arguments;
    if (arguments.size() < 3 || (arguments[0] != "firstZEF" && arguments[0] != "startZEF")) continue;
    std::string_view text = arguments[2];
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    int count = 1;
    std::from_chars(text.data(), text.data() + text.size(), count);
    return std::clamp(count, 1, mostCharacters);
  }
  return defaultCharacters;
}

std::vector<std::string> captionArguments(const Step& step) {
  if (step.kind == Step::Kind::rawRequest) return {"(raw request, " + std::to_string(step.text.size()) + " bytes)"};
  return step.arguments;
}

std::string heading(int number, const Step& step) {
  std::string text = "== request " + std::to_string(number) + ":";
  const char* separator = " ";
  for (const std::string& argument : captionArguments(step)) {
    text += separator + zef::host_model::shiftJisToUtf8(argument);
    separator = " | ";
  }
  return text + "\n";
}

}  // namespace

int runPreview(ModuleHost& module, const Session& session, const PreviewOptions& options, AnswerWatch& watch,
               std::ostream& out, std::ostream& errors) {
  HostModel model(characterCountOf(session), options.characterSize);
  std::vector<std::string> figures;
  int number = 0;
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
    const std::string script(resultValue(module.request(requestTextOf(step), gotBlock)));
    watch.answered(step, script);
    model.runScript(script);
    ++number;
    if (options.state) out << heading(number, step) << zef::host_model::dumpState(model.state());
    if (!options.reportFile.empty()) {
      figures.push_back(zef::host_model::renderFigure(number, captionArguments(step), script, model.state()));
    }
  }
  if (options.reportFile.empty()) return 0;
  std::string reason;
  if (!writeWholeFile(options.reportFile, zef::host_model::renderPage("zef preview", {}, figures), reason)) {
    errors << "saori-run: cannot write " << options.reportFile << ": " << reason << "\n";
    return 1;
  }
  errors << "saori-run: wrote " << options.reportFile << " (" << figures.size()
         << (figures.size() == 1 ? " figure)\n" : " figures)\n");
  return 0;
}

}  // namespace saori_run
