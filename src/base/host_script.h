// Host script pieces that every part of the module writes.
//
// The scope switch `\p[N]` makes the host put what follows into scope N: the
// conversion writes it around character tags and in front of balloons, the
// layout in front of every dummy scope, the settings in front of every move.
// It is spelt here once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

}  // namespace zef
