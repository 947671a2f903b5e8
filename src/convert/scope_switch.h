// The scope switch `\p[N]` that the conversion writes around tags and in
// front of balloons.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "module/decimal.h"

namespace zef {

inline constexpr std::string_view scopeSwitchOpening = "\\p[";
inline constexpr std::string_view bracketClose = "]";

inline void appendScopeSwitch(std::string& out, std::int32_t scope) {
  out += scopeSwitchOpening;
  appendDecimal(out, scope);
  out += bracketClose;
}

inline std::string scopeSwitch(std::int32_t scope) {
  std::string out;
  appendScopeSwitch(out, scope);
  return out;
}

}  // namespace zef
