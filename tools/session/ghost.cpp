// The ghost's answers and its kept balloon positions (ghost.h), read with the
// module's own words for them.
#include "ghost.h"

#include "base/decimal.h"
#include "base/host_script.h"
#include "base/module_state.h"
#include "module/command_table.h"
#include "settings/kept_positions.h"

namespace saori_run {

namespace {

const zef::Setting& optIn = zef::settingNamed("keepPositions");

bool isOptIn(const Step& step, std::string_view value) {
  const std::vector<std::string>& arguments = step.arguments;
  return step.kind == Step::Kind::request && arguments.size() == 3 && arguments[0] == "changeZEF" &&
         arguments[1] == optIn.changeKey && arguments[2] == value;
}

}  // namespace

std::string settingText(const zef::Setting& setting, const zef::ModuleState& state) {
  if (const auto flag = std::get_if<bool zef::ModuleState::*>(&setting.field)) {
    return std::string(state.**flag ? zef::switchOn : zef::switchOff);
  }
  if (const auto number = std::get_if<std::int32_t zef::ModuleState::*>(&setting.field)) {
    return std::to_string(state.**number);
  }
  return state.*std::get<std::string zef::ModuleState::*>(setting.field);
}

bool acceptsLayoutStart(const Step& step) {
  if (step.kind != Step::Kind::request) return false;
  const zef::Command* command = step.arguments.empty() ? nullptr : zef::findCommand(step.arguments.front());
  // A layout start does not wait for one, so the module's judgement needs no state.
  return command != nullptr && command->startsLayout &&
         zef::judgeRequest(step.arguments, false) == zef::Verdict::changes;
}

Session Ghost::sent(const Step& step) {
  if (isOptIn(step, zef::switchOn)) keepsPositions_ = true;
  if (isOptIn(step, zef::switchOff)) keepsPositions_ = false;
  if (!handBackPending_ || !acceptsLayoutStart(step)) return {};
  handBackPending_ = false;
  if (!keepsPositions_) return {};
  zef::ModuleState started;
  zef::storeLayoutSettings(step.arguments, started);
  std::vector<std::string> restore = {"restoreZEF", std::to_string(vertical_)};
  for (int c = 0; c < started.characterCount; ++c) restore.push_back(std::to_string(horizontal_[c]));
  const std::vector<std::string> optInAgain = {"changeZEF", std::string(optIn.changeKey), std::string(zef::switchOn)};
  return {{Step::Kind::request, optInAgain, {}, step.line, 0},
          {Step::Kind::request, std::move(restore), {}, step.line, 0}};
}

void Ghost::heard(std::string_view event, const std::vector<std::string>& references) {
  if (event != zef::event::settingMenu || references.empty()) return;
  const std::string& what = references[0];
  const auto number = [&](std::size_t i) { return i < references.size() ? zef::readDecimal(references[i]) : 0; };
  if (what == zef::keptMove::horizontal) horizontal_[number(1)] += number(2);
  if (what == zef::keptMove::vertical) vertical_ += number(1);
  if (what == zef::keptMove::horizontalReset) horizontal_.erase(number(1));
  if (what == zef::keptMove::verticalReset || what == zef::keptMove::bothReset) vertical_ = 0;
  if (what == zef::keptMove::bothReset) horizontal_.clear();
}

std::vector<std::string> ghostAnswer(std::string_view event) {
  if (event == zef::event::settingMenu) return {std::string(zef::event::settingMenu)};
  return {};
}

Session Ghost::answer(const Step& step, const zef::host_model::Chosen& chosen) {
  Session requests;
  for (std::size_t i = 0; i < chosen.events.size(); ++i) {
    const std::string& event = chosen.events[i];
    heard(event, chosen.references[i]);
    std::vector<std::string> answer = ghostAnswer(event);
    if (!answer.empty()) requests.push_back({Step::Kind::request, std::move(answer), {}, step.line, 0});
  }
  return requests;
}

}  // namespace saori_run
