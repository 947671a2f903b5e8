// What the model host holds: windows, balloons, sticky groups, and what the
// last script raised, moved, left unexplained and did that a host does
// otherwise.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "geometry.h"
#include "ghost_sizes.h"
#include "text_charset.h"

namespace zef::host_model {

inline constexpr std::string_view kDummySurface = "__system_dummy__";

struct Window {
  Rect rect;
  bool isCharacter = false;
  bool visible = false;  // hidden windows are not drawn
  std::string surface;   // as written in \s[...]; empty until the scope shows one

  bool isDummy() const { return surface == kDummySurface; }
};

// One piece of a balloon line. Text is kept as the script's bytes.
struct Segment {
  enum class Kind { Text, Choice, Marker };
  Kind kind = Kind::Text;
  std::string text;    // the shown text, or a choice's title
  std::string target;  // a choice's event, or its script, as the host reads them
  bool runsScript = false;
  bool ghostsOwn = false;  // text of the ghost's own words around the module's script
};

using BalloonLine = std::vector<Segment>;

// A choice that a script offered, and the scope whose balloon shows it.
struct OfferedChoice {
  int scope = 0;
  Segment choice;
};

struct Balloon {
  bool shown = false;
  int number = 0;  // as \b[N] sets it for the rest of its script; 0 is the balloon's own
  std::vector<BalloonLine> lines{BalloonLine{}};  // never empty
  // How far below the first line each line starts, in percent of a line
  // height: \n starts the next line 100 further down, \n[N] N further.
  std::vector<int> lineTops{0};

  int lineCount() const { return static_cast<int>(lines.size()); }
  bool hasText() const { return lines.size() > 1 || !lines.front().empty(); }
  // The text's height in pixels: the last line's top and one line.
  int textHeight() const { return lineTopPixels(lines.size() - 1) + kBalloonLineHeight; }
  int lineTopPixels(std::size_t line) const { return kBalloonLineHeight * lineTops[line] / 100; }
  // The widest line's width in pixels, its text in `charset`.
  int textWidth(Charset charset) const;

  void startLine(int percent);
  void clear();
};

struct MoveRecord {
  int scope = 0;
  bool async = false;
  std::string time;  // recorded, not animated
  Point by;          // how far the scope went
  bool alone = false;  // --option=ignore-sticky-window
};

// A point where the real host is documented to act otherwise than the
// picture shows, or to refuse a command, or to read it otherwise than its
// writer plainly meant; or a balloon that the picture shows over another
// one, over a character or off the screen. A script's notes of one kind are
// kept as one: the first command (or balloon) and how many more there were.
struct HostNote {
  enum class Kind {
    RefusedGroup, DummySurface, MoveWithoutMoveOffset, OddBalloon, CutChoice,
    BalloonsOverlap, BalloonOverCharacter, BalloonOffScreen
  };
  Kind kind = Kind::RefusedGroup;
  std::string command;  // the first such command, as written; empty for a balloon's note
  int scope = 0;        // the scope it ran in, or the balloon's
  // RefusedGroup: a scope already grouped; OddBalloon: the number;
  // BalloonsOverlap: the other balloon's scope; BalloonOverCharacter: the character.
  int detail = 0;
  int more = 0;         // further commands of this kind in the script
  int height = 0;       // BalloonsOverlap in one character's column: the balloon's height

  bool isAboutBalloons() const { return kind >= Kind::BalloonsOverlap; }
};

struct HostState {
  GhostSizes sizes;
  int characterCount = 0;
  std::map<int, Window> windows;
  std::map<int, Balloon> balloons;
  std::vector<std::set<int>> groups;
  // Of the last script only:
  Charset charset = Charset::shiftJis;  // of its text
  std::vector<std::string> events;
  std::vector<std::vector<std::string>> eventReferences;  // of each event, Reference0 first
  std::vector<MoveRecord> moves;
  std::map<int, std::vector<std::string>> logs;  // tags the model only records
  std::vector<OfferedChoice> choices;            // in the order the script offers them
  std::vector<HostNote> notes;
  // The scope that the last script left current: the ghost's words that
  // follow it without a scope tag land in this scope's balloon.
  int currentScope = 0;
  // Whether a script has shown the dummy surface: that note is made once.
  bool dummySurfaceNoted = false;

  // The window of `scope`, created as a hidden point at (0, 0) when new.
  Window& window(int scope) { return windows[scope]; }
  Balloon& balloon(int scope) { return balloons[scope]; }
  // Where the balloon of `scope` stands, by its window and its line count.
  Rect balloonArea(int scope) const;
  // The group holding `scope`, or null.
  const std::set<int>* groupOf(int scope) const;
  // Adds `note`, or counts it as one more of a note of its kind.
  void addNote(HostNote note);
};

}  // namespace zef::host_model
