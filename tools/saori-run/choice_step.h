// Choosing in a session: `@choose N` picks choice N of the balloons shown, as
// a user does, and saori-run then plays the ghost's part.
//
// The balloons shown are those of the script that ran last: a request's
// result, or the script of the choice picked before it. Their choices count
// from 1 in the order the script offers them (--state and --preview list them
// so). Picking one makes the host run its script, or raise its event. The
// ghost answers the event settingZEF with a new settingZEF request, as the
// sample ghosts do; saori-run sends nothing for any other event.
//
//   settingZEF
//   @choose 1      the first "Pos-H" choice: the anchor moves right by 30,
//                  settingZEF is raised, and the menu comes again
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ghost_memory.h"
#include "host_state.h"
#include "session.h"

namespace saori_run {

struct Chosen {
  zef::host_model::Segment choice;  // its title, and its script or event
  std::vector<std::string> events;  // that picking it raises
  std::vector<std::vector<std::string>> references;  // of each event

  // The script that picking it runs; empty for a choice that raises an event.
  std::string_view script() const { return choice.runsScript ? std::string_view(choice.target) : std::string_view(); }
};

// Keeps the script whose balloons are shown, to pick a choice from.
class ShownChoices {
 public:
  // A request's result, in the charset its response names.
  void shown(std::string_view script, Charset charset);

  // Picks choice `number` (from 1). False, with `problem` in words, when the
  // balloons offer no such choice. The chosen script is shown from then on.
  bool pick(std::size_t number, Chosen& chosen, std::string& problem);

  Charset charset() const { return charset_; }

 private:
  std::string script_;
  Charset charset_ = Charset::shiftJis;
};

// The request with which the ghost answers `event`; empty when it sends none.
std::vector<std::string> ghostAnswer(std::string_view event);

// The requests with which the ghost answers the events that picking `chosen`
// raised, in order, each a step at the line of the @choose step `step`; the
// ghost's `memory` keeps what the events say.
Session ghostRequests(const Step& step, const Chosen& chosen, GhostMemory& memory);

}  // namespace saori_run
