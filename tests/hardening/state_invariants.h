// What must hold of the module state between any two calls, whatever the
// host sent: the value rules of every field, and the surface offsets that
// the conversion reads once a layout has started.
//
// Shared by the fuzz targets and the out-of-memory and leak tests, which
// check it after every request.
#pragma once

#include <cstddef>
#include <string>

#include "base/module_state.h"

namespace zef::hardening {

// The first broken rule, or an empty string when the state is valid.
inline std::string brokenStateRule(const ModuleState& state) {
  if (state.characterCount < 1) return "characterCount below 1";
  if (state.balloonCount < 1 || state.balloonCount > 99) return "balloonCount outside 1..99";
  if (state.moveTime < 0) return "moveTime negative";
  if (state.dummyScopeBase < 0) return "dummyScopeBase negative";
  if (state.balloonOffset < 0) return "balloonOffset negative";
  if (state.fontHeight < 0) return "fontHeight negative";
  if (state.fontName.empty()) return "fontName empty";
  if (state.layoutStarted && state.surfaceOffsets.size() != static_cast<std::size_t>(state.characterCount)) {
    return "surfaceOffsets do not match characterCount";
  }
  return {};
}

// Field-by-field equality, for checking that a failed command changed nothing.
inline bool sameState(const ModuleState& a, const ModuleState& b) {
  return a.enabled == b.enabled && a.characterCount == b.characterCount && a.balloonCount == b.balloonCount &&
         a.moveStep == b.moveStep && a.moveTime == b.moveTime && a.dummyScopeBase == b.dummyScopeBase &&
         a.balloonOffset == b.balloonOffset && a.fontName == b.fontName && a.fontHeight == b.fontHeight &&
         a.layoutStarted == b.layoutStarted && a.surfaceOffsets == b.surfaceOffsets;
}

}  // namespace zef::hardening
