// The record of settings and runtime state that the commands work on.
//
// Everything the module remembers from one request to the next lives here: the
// ghost's settings (from a layout start or a setting change) and whether a
// layout has been started. A field with a value rule is written through its
// setter, which applies the rule, so no command can store an out-of-range value.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zef {

// The value rule of characterCount; the command table counts a layout
// start's arguments by it before the state is touched.
constexpr std::int32_t boundCharacterCount(std::int32_t value) { return std::max<std::int32_t>(value, 1); }

struct ModuleState {
  static constexpr const char* defaultFontName = "default";

  bool enabled = true;                     // conversion switch
  std::int32_t characterCount = 2;         // real characters, scopes 0 .. characterCount - 1
  std::int32_t balloonCount = 6;           // balloon scopes per character, 1 .. 99
  std::int32_t moveStep = 100;             // pixels between stacked balloons, any value
  std::int32_t moveTime = 100;             // --time of the conversion's moves, at least 0
  std::int32_t dummyScopeBase = 10;        // first dummy scope number, at least 0
  std::int32_t balloonOffset = 0;          // balloon number of the extra balloons, at least 0
  std::string fontName = defaultFontName;  // never empty
  std::int32_t fontHeight = 12;            // at least 0
  bool layoutStarted = false;              // a layout start has been accepted
  // One surface offset per character once a layout has started, else empty.
  std::vector<std::int32_t> surfaceOffsets;

  void setCharacterCount(std::int32_t value) { characterCount = boundCharacterCount(value); }
  void setBalloonCount(std::int32_t value) { balloonCount = std::clamp<std::int32_t>(value, 1, 99); }
  void setMoveTime(std::int32_t value) { moveTime = std::max<std::int32_t>(value, 0); }
  void setDummyScopeBase(std::int32_t value) { dummyScopeBase = std::max<std::int32_t>(value, 0); }
  void setBalloonOffset(std::int32_t value) { balloonOffset = std::max<std::int32_t>(value, 0); }
  void setFontName(std::string value) { fontName = value.empty() ? defaultFontName : std::move(value); }
  void setFontHeight(std::int32_t value) { fontHeight = std::max<std::int32_t>(value, 0); }
};

}  // namespace zef
