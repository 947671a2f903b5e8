// The record of settings and runtime state that the commands work on.
//
// Everything the module remembers from one request to the next lives here: the
// ghost's settings (from a layout start or a setting change) and whether a
// layout has been started. Each field keeps its value rule; the setters apply
// it, so no command can store an out-of-range value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zef {

struct ModuleState {
  bool enabled = true;               // conversion switch
  std::int32_t characterCount = 2;   // real characters, scopes 0 .. characterCount - 1
  std::int32_t balloonCount = 6;     // balloon scopes per character, 1 .. 99
  std::int32_t moveStep = 100;       // pixels between stacked balloons, any value
  std::int32_t moveTime = 100;       // --time of the conversion's moves, at least 0
  std::int32_t dummyScopeBase = 10;  // first dummy scope number, at least 0
  std::int32_t balloonOffset = 0;    // balloon number of the extra balloons, at least 0
  std::string fontName = "default";  // never empty
  std::int32_t fontHeight = 12;      // at least 0
  bool layoutStarted = false;        // a layout start has been accepted
  // One surface offset per character once a layout has started, else empty.
  std::vector<std::int32_t> surfaceOffsets;

  void setEnabled(bool value) { enabled = value; }
  void setCharacterCount(std::int32_t value);
  void setBalloonCount(std::int32_t value);
  void setMoveStep(std::int32_t value) { moveStep = value; }
  void setMoveTime(std::int32_t value);
  void setDummyScopeBase(std::int32_t value);
  void setBalloonOffset(std::int32_t value);
  void setFontName(std::string value);
  void setFontHeight(std::int32_t value);
};

// The value rule of characterCount; the command table counts a layout
// start's arguments by it before the state is touched.
std::int32_t boundCharacterCount(std::int32_t value);

}  // namespace zef
