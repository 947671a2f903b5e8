// A model host that runs the module's result scripts on a model desktop.
//
// It understands the tags and host commands that the module writes (scope
// switches, surfaces, balloons and their text, line breaks, choices, moves,
// sticky groups, raised events) and records every other tag in the log of
// the scope it runs in. Each script is a new talk, as in a host: balloons
// start empty and hidden with their own numbers, the events, moves, logs and
// notes start empty, and the text goes to scope 0 until a scope tag says
// otherwise. Windows, surfaces and sticky groups stay from script to script.
// The scope current at a script's end is kept: the ghost's own words that
// follow the module's script in one talk land there.
//
//   model.runScript(result, Charset::shiftJis, {"", "Good morning."});
//   // "Good morning." stands in the balloon of model.state().currentScope
//
// Where the host is documented to act otherwise than the picture (a refused
// sticky group, a surface the shell must define, a move without a moved
// point, a right-facing balloon, a choice script cut at a comma) the
// script's notes say so.
#pragma once

#include <string>
#include <string_view>

#include "host_state.h"

namespace zef::host_model {

// Text of the ghost's own that the host runs in one script with the module's:
// its talk before the call, and its words after it. Each is read as a
// script of its own (a tag does not run across the seam).
struct GhostWords {
  std::string before;
  std::string after;
};

// As many characters as stand side by side on the model desktop; scopes past
// them are drawn as extra scopes.
inline constexpr int mostCharacters = 7;

class HostModel {
 public:
  // A desktop with `characterCount` real characters of the ghost's `sizes`.
  explicit HostModel(int characterCount = 2, GhostSizes sizes = {});
  HostModel(int characterCount, Size characterSize) : HostModel(characterCount, GhostSizes{{characterSize}, {0, 0}}) {}

  // Runs `script`, whose text is in `charset`, between the ghost's `words`
  // (in the same charset), whose text is marked as the ghost's own.
  void runScript(std::string_view script, Charset charset = Charset::shiftJis, const GhostWords& words = {});

  // Picks `choice` of the last script as a user does: the host runs its
  // script as a new talk, in the last script's charset, or closes the
  // balloons and raises its event.
  void choose(const Segment& choice);

  const HostState& state() const { return state_; }

 private:
  HostState state_;
};

}  // namespace zef::host_model
