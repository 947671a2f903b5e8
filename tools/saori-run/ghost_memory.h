// What the ghost that saori-run plays keeps in its saved variables over a
// restart: the balloon positions that the user set with the settings menu,
// as the sample ghosts keep them once they opt in (changeZEF Pos_Keep On).
//
// Each menu choice then raises settingZEF with what it moved, and the ghost
// sums it; after the layout start of each later run it opts in again and
// hands the sums back:
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

#include "session.h"

namespace saori_run {

// True when `step` is a layout start that the module accepts, by the
// module's own judgement (zef::judgeRequest); the module then answers every
// command.
bool acceptsLayoutStart(const Step& step);

class GhostMemory {
 public:
  // A run of the ghost begins (the module was loaded).
  void runStarted() { handBackPending_ = true; }

  // Notes a request that the ghost sent: an opt-in, or the
  // first accepted layout start of a run. Returns the requests with which the
  // ghost follows it, each a step at the line of `step`.
  Session sent(const Step& step);

  // Sums what an event that the ghost received says that a choice moved.
  void heard(std::string_view event, const std::vector<std::string>& references);

 private:
  bool keepsPositions_ = false;
  bool handBackPending_ = false;
  int vertical_ = 0;
  std::map<int, int> horizontal_;  // by character; a missing one is 0
};

}  // namespace saori_run
