// The ghost that saori-run and the page play around the module: it answers
// the events that a choice raises as the sample ghosts do, and keeps in its
// saved variables what they keep over a restart.
//
// It answers the event settingZEF with a new settingZEF request (the menu
// comes again) and sends nothing for any other event:
//   settingZEF
//   @choose 1      the first "Pos-H" choice: the anchor moves right by 30,
//                  settingZEF is raised, and the ghost sends settingZEF
//
// Once it opts in (changeZEF Pos_Keep On), each menu choice raises settingZEF
// with what it moved, and the ghost sums it; after the layout start of each
// later run it opts in again and hands the sums back:
//   firstZEF ...              changeZEF Pos_Keep On
//   settingZEF / @choose 1    event settingZEF,Pos-H,0,30: character 0 +30
//   @restart                  the module and the windows start afresh
//   firstZEF ...              the ghost then sends changeZEF Pos_Keep On and
//                             restoreZEF 0 30 0
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/module_state.h"
#include "session.h"
#include "shown_choices.h"

namespace saori_run {

// A setting's value as a ghost writes it: the switch's words, a number in
// decimal, a text as it is.
std::string settingText(const zef::Setting& setting, const zef::ModuleState& state);

// True when `step` is a layout start that the module accepts, by the
// module's own judgement (zef::judgeRequest); the module then answers every
// command.
bool acceptsLayoutStart(const Step& step);

// The request with which the ghost answers `event`; empty when it sends none.
std::vector<std::string> ghostAnswer(std::string_view event);

class Ghost {
 public:
  // A run of the ghost begins (the module was loaded).
  void runStarted() { handBackPending_ = true; }

  // Notes a request that the ghost sent: an opt-in, or the first accepted
  // layout start of a run. Returns the requests with which the ghost follows
  // it, each a step at the line of `step`.
  Session sent(const Step& step);

  // The requests with which the ghost answers the events that picking
  // `chosen` raised, in order, each a step at the line of the @choose step
  // `step`; the ghost keeps what the events say.
  Session answer(const Step& step, const zef::host_model::Chosen& chosen);

 private:
  // Sums what an event that the ghost received says that a choice moved.
  void heard(std::string_view event, const std::vector<std::string>& references);

  bool keepsPositions_ = false;
  bool handBackPending_ = false;
  int vertical_ = 0;
  std::map<int, int> horizontal_;  // by character; a missing one is 0
};

}  // namespace saori_run
