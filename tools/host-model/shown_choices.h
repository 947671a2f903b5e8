// The choices of the balloons shown, and what picking one does, as a user
// picks them.
//
// The balloons shown are those of the script that ran last: a result between
// the ghost's own words, or the script of the choice picked before. Their
// choices count from 1 in the order the script offers them, as --state and
// --preview list them. Picking one makes the host run its script, or raise
// its event:
//
//   shown.shown(menuScript, Charset::shiftJis);
//   shown.pick(1, chosen, problem);  // the first "Pos-H" choice: chosen.events
//                                    // is {"settingZEF"}, and the balloons
//                                    // shown are its script's from now on
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host_model.h"

namespace zef::host_model {

struct Chosen {
  Segment choice;                                    // its title, and its script or event
  std::vector<std::string> events;                   // that picking it raises
  std::vector<std::vector<std::string>> references;  // of each event
  Charset charset = Charset::shiftJis;               // of the script chosen from

  // The script that picking it runs; empty for a choice that raises an event.
  std::string_view script() const { return choice.runsScript ? std::string_view(choice.target) : std::string_view(); }
};

// Keeps the script whose balloons are shown, to pick a choice from.
class ShownChoices {
 public:
  // A script that the host ran, in `charset`, between the ghost's `words`.
  void shown(std::string_view script, Charset charset, const GhostWords& words = {});

  // Picks choice `number` (from 1). False, with `problem` in words, when the
  // balloons offer no such choice. The chosen script is shown from then on.
  bool pick(std::size_t number, Chosen& chosen, std::string& problem);

 private:
  std::string script_;
  Charset charset_ = Charset::shiftJis;
  GhostWords words_;
};

}  // namespace zef::host_model
