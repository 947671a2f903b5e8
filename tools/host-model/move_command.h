// The host commands \![move,...] and \![moveasync,...] on the model desktop.
//
// The moved window's --move-offset point (default left.top) goes onto the
// --base window's --base-offset point (default left.top), shifted by --X and
// --Y; "fix" or an omitted --X or --Y keeps that coordinate. Option names are
// read in any letter case. --base=me is the window itself, a missing or
// unknown base the desktop. The scope's sticky group moves by the same amount
// unless --option=ignore-sticky-window is given. --time is recorded. A move
// without --move-offset is noted: the host documents no default for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host_state.h"

namespace zef::host_model {

// Moves `scope` by the options in `arguments` (the command's own word first);
// `command` is the tag as written, for the notes.
void runMove(HostState& state, int scope, std::string_view command, const std::vector<std::string>& arguments);

}  // namespace zef::host_model
