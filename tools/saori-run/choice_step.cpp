// Picking a choice of the balloons shown, and the ghost's answer.
#include "choice_step.h"

#include "base/host_script.h"
#include "host_model.h"

namespace saori_run {

void ShownChoices::shown(std::string_view script, Charset charset) {
  script_ = script;
  charset_ = charset;
}

bool ShownChoices::pick(std::size_t number, Chosen& chosen, std::string& problem) {
  // What a choice offers and raises does not depend on where windows stand.
  zef::host_model::HostModel model;
  model.runScript(script_, charset_);
  const std::vector<zef::host_model::OfferedChoice>& choices = model.state().choices;
  if (number == 0 || number > choices.size()) {
    problem = choices.empty() ? "the balloons shown offer no choices"
                              : "the balloons shown offer " + std::to_string(choices.size()) +
                                    " choices (--state lists them numbered)";
    return false;
  }
  chosen.choice = choices[number - 1].choice;
  model.choose(chosen.choice);
  chosen.events = model.state().events;
  chosen.references = model.state().eventReferences;
  script_ = chosen.script();
  return true;
}

std::vector<std::string> ghostAnswer(std::string_view event) {
  if (event == zef::event::settingMenu) return {std::string(zef::event::settingMenu)};
  return {};
}

Session ghostRequests(const Step& step, const Chosen& chosen, GhostMemory& memory) {
  Session requests;
  for (std::size_t i = 0; i < chosen.events.size(); ++i) {
    const std::string& event = chosen.events[i];
    memory.heard(event, chosen.references[i]);
    std::vector<std::string> answer = ghostAnswer(event);
    if (!answer.empty()) requests.push_back({Step::Kind::request, std::move(answer), {}, step.line, 0});
  }
  return requests;
}

}  // namespace saori_run
