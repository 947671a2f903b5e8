// Reading a choice tag's arguments.
#include "choice_tag.h"

namespace zef::host_model {

namespace {

constexpr std::string_view scriptHead = "script:";

}  // namespace

ChoiceTag readChoiceTag(const std::vector<Argument>& arguments) {
  ChoiceTag choice;
  choice.title = arguments.front().text;
  if (arguments.size() < 2) return choice;
  const Argument& target = arguments[1];
  choice.runsScript = target.text.starts_with(scriptHead);
  choice.target = target.text.substr(choice.runsScript ? scriptHead.size() : 0);
  // What followed the comma was the rest of the script, now lost.
  choice.cutAtComma = choice.runsScript && !target.quoted && arguments.size() > 2;
  return choice;
}

}  // namespace zef::host_model
