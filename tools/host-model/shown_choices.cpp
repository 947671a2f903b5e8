// Picking a choice of the balloons shown (shown_choices.h).
#include "shown_choices.h"

#include "host_model.h"

namespace zef::host_model {

void ShownChoices::shown(std::string_view script, Charset charset, const GhostWords& words) {
  script_ = script;
  charset_ = charset;
  words_ = words;
}

bool ShownChoices::pick(std::size_t number, Chosen& chosen, std::string& problem) {
  // What a choice offers and raises does not depend on where windows stand.
  HostModel model;
  model.runScript(script_, charset_, words_);
  const std::vector<OfferedChoice>& choices = model.state().choices;
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
  chosen.charset = charset_;
  shown(chosen.script(), charset_);
  return true;
}

}  // namespace zef::host_model
