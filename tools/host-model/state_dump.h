// The model's state as plain text, one fact per line, for diffs and tests.
//
//   window 0 character at 1670,780 size 200x300 surface 0
//   window 10 point at 1670,780 surface __system_dummy__
//   balloon 12 number 0 at 1410,780 size 260x60
//     | Hello.
//   choice 1 scope 0 "30" runs \p[10]\![moveasync,--X=30,...]\![raise,settingZEF]
//   choice 16 scope 0 "End" raises OnSettingZEF
//   group 0 10 12 14
//   move 12 by 0,-100 time 100 async alone
//   event settingZEF
//   current scope 14
//   note \![set,sticky-window,0,24] (and 1 more): scope 0 is already in ...
//   log 12 \f[height,12]
//
// Windows and balloons are listed by scope; only shown balloons appear, with
// one "|" row per line, choices in brackets, the choice marker as "◇" and
// the ghost's own words in «». "current scope" names the balloon where the
// ghost's words that follow the script without a scope tag land.
// The choices follow, numbered in the order the script offers them.
// Text is shown as UTF-8.
#pragma once

#include <string>

#include "host_state.h"

namespace zef::host_model {

std::string dumpState(const HostState& state);

// A balloon line, its text in `charset`, as the dump and the report show it (UTF-8).
std::string lineText(const BalloonLine& line, Charset charset);

// What picking a choice does, as the dump and the report show it (UTF-8):
// "30" runs \p[10]\![raise,settingZEF], or "End" raises OnSettingZEF.
std::string choiceAction(const Segment& choice, Charset charset);

}  // namespace zef::host_model
