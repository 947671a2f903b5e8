// Host script pieces that every part of the module writes, and the notice
// that the dispatch writes itself.
//
// The scope switch `\p[N]` makes the host put what follows into scope N: the
// conversion writes it around character tags and in front of balloons, the
// layout in front of every dummy scope, the settings in front of every move.
// It is spelt here once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "module/base/decimal.h"

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
// arrives with too few arguments. Shift-JIS text; it says that starting ZEF
// failed and asks the user to check the arguments.
inline constexpr std::string_view argumentErrorNotice =
    "\\![set,trayballoon,--icon=error,--title=ZEF Argument Error,--text=ZEF"
    "\x82\xcc\x8b\x4e\x93\xae\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42"
    "\\n"
    "\x88\xf8\x90\x94\x82\xf0\x8a\x6d\x94\x46\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42"
    "]";

}  // namespace zef
