// What the model host holds: windows, balloons, sticky groups, and what the
// last script raised, moved and left unexplained.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "geometry.h"

namespace zef::host_model {

inline constexpr std::string_view kDummySurface = "__system_dummy__";

struct Window {
  Rect rect;
  bool isCharacter = false;
  bool visible = false;  // hidden windows are not drawn
  std::string surface;   // as written in \s[...]; empty until the scope shows one

  bool isDummy() const { return surface == kDummySurface; }
};

// One piece of a balloon line. Text is kept as the script's Shift-JIS bytes.
struct Segment {
  enum class Kind { Text, Choice, Marker };
  Kind kind = Kind::Text;
  std::string text;    // the shown text, or a choice's title
  std::string target;  // a choice's event, or its script with "\]" read as "]"
  bool runsScript = false;
};

using BalloonLine = std::vector<Segment>;

struct Balloon {
  bool shown = false;
  int number = 0;
  std::vector<BalloonLine> lines{BalloonLine{}};  // never empty

  int lineCount() const { return static_cast<int>(lines.size()); }
  bool hasText() const { return lines.size() > 1 || !lines.front().empty(); }
};

struct MoveRecord {
  int scope = 0;
  bool async = false;
  std::string time;  // recorded, not animated
  Point by;          // how far the scope went
  bool alone = false;  // --option=ignore-sticky-window
};

struct HostState {
  Size characterSize;
  int characterCount = 0;
  std::map<int, Window> windows;
  std::map<int, Balloon> balloons;
  std::vector<std::set<int>> groups;
  // Of the last script only:
  std::vector<std::string> events;
  std::vector<MoveRecord> moves;
  std::map<int, std::vector<std::string>> logs;  // tags the model only records

  // The window of `scope`, created as a hidden point at (0, 0) when new.
  Window& window(int scope) { return windows[scope]; }
  Balloon& balloon(int scope) { return balloons[scope]; }
  // Where the balloon of `scope` stands, by its window and its line count.
  Rect balloonArea(int scope) const;
  // The group holding `scope`, or null.
  const std::set<int>* groupOf(int scope) const;
};

// Makes `members` one sticky group. A scope is in at most one group, so the
// groups that already hold one of them are merged into it.
void joinStickyGroup(HostState& state, const std::set<int>& members);

}  // namespace zef::host_model
