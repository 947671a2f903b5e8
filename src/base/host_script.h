// Host script pieces that every part of the module writes, and the notice
// that the dispatch writes itself, in each charset.
//
// The scope switch `\p[N]` makes the host put what follows into scope N: the
// conversion writes it around character tags and in front of balloons, the
// layout in front of every dummy scope, the settings in front of every move.
// It is spelt here once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/charset.h"
#include "base/decimal.h"

namespace zef {

// The opening of a scope switch; the scope number and "]" follow.
inline constexpr std::string_view scopeSwitchOpen = "\\p[";

inline void appendScopeSwitch(std::string& out, std::int32_t scope) {
  out += scopeSwitchOpen;
  appendDecimal(out, scope);
  out += ']';
}

inline std::string scopeSwitch(std::int32_t scope) {
  std::string out;
  appendScopeSwitch(out, scope);
  return out;
}

// Shown by the host as a tray notice with an error icon when a layout start
// arrives with too few arguments. Its text says, in Japanese, that starting
// ZEF failed and asks the user to check the arguments:
// "ZEFの起動に失敗しました。\n引数を確認してください。"
inline constexpr CharsetText argumentErrorNotice = {
    "\\![set,trayballoon,--icon=error,--title=ZEF Argument Error,--text=ZEF"
    "\x82\xcc\x8b\x4e\x93\xae\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42"
    "\\n"
    "\x88\xf8\x90\x94\x82\xf0\x8a\x6d\x94\x46\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42"
    "]",
    "\\![set,trayballoon,--icon=error,--title=ZEF Argument Error,--text=ZEF"
    "\xe3\x81\xae\xe8\xb5\xb7\xe5\x8b\x95\xe3\x81\xab\xe5\xa4\xb1\xe6\x95\x97"
    "\xe3\x81\x97\xe3\x81\xbe\xe3\x81\x97\xe3\x81\x9f\xe3\x80\x82"
    "\\n"
    "\xe5\xbc\x95\xe6\x95\xb0\xe3\x82\x92\xe7\xa2\xba\xe8\xaa\x8d"
    "\xe3\x81\x97\xe3\x81\xa6\xe3\x81\x8f\xe3\x81\xa0\xe3\x81\x95\xe3\x81\x84\xe3\x80\x82"
    "]",
};

}  // namespace zef
