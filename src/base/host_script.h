// The one writer of the host's script tags that the module builds. Every
// command writes them through here, and sizes its script from the bounds
// beside them, so a change to how the host spells one of them is one edit
// here. Each builder, with what it writes:
//
//   appendScopeSwitch(out, 12);                       \p[12]
//   appendMove(out, Move{.async = true, .x = fix, .y = -100, .time = 100, .base = 10,
//                        .corners = Corners::leftOfBase, .ignoreSticky = true});
//       \![moveasync,--X=fix,--Y=-100,--time=100,--base=10,
//         --base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window]
//   appendRaise(out, event::settingMenu);             \![raise,settingZEF]
//   appendRaise(out, event::settingMenu, {word, 0, -30});  \![raise,settingZEF,WORD,0,-30]
//   appendScriptChoice(out, "30", "\\p[10]\\![raise,settingZEF]");
//       \q[30,"script:\p[10]\![raise,settingZEF]"]
//   appendEventChoice(out, "End", event::menuClosed);  \q[End,OnSettingZEF]
//   appendBalloonHeader(out, 0, "default", 12);        \b[0]\f[name,default]\f[height,12]
//   appendStickyWindow(out, 3, [](std::int32_t i) { return i * 10; });
//       \![set,sticky-window,0,10,20]
//   appendTrayNotice(out, "error", "T", {"a", "b"});  \![set,trayballoon,--icon=error,--title=T,--text=a\nb]
//
// and the tags without values, appended as they are: spelling::dummySurface
// \s[__system_dummy__], freeAlignment \![set,alignmenttodesktop,free], hide
// \c\b[-1], lineBreak \n, wideLineBreak \n[200], menuOpen \_q, menuClose
// \*\![set,balloontimeout,0], choiceMarker \![*].
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/decimal.h"

namespace zef {

// The opening of a scope switch `\p[N]`: the scope number and "]" follow.
// The talk's rewriting also reads the ghost's own scope switches by it.
inline constexpr std::string_view scopeSwitchOpen = "\\p[";

// Makes the host put what follows into `scope`.
void appendScopeSwitch(std::string& out, std::int32_t scope);
std::string scopeSwitch(std::int32_t scope);

// A value of a tag: a number, or a word that the host reads in its place
// (`fix` keeps a move's coordinate, `me` makes the moved window its own base).
struct TagValue {
  constexpr TagValue(std::int32_t value) : number(value) {}          // implicit: a number is itself
  constexpr TagValue(std::string_view hostWord) : word(hostWord) {}  // and so is a word
  std::int32_t number = 0;
  std::string_view word;  // written instead of the number when not empty
};
inline constexpr TagValue fix{std::string_view("fix")};
inline constexpr TagValue me{std::string_view("me")};

// Which corners the move puts onto each other. Left of the base: the moved
// window's right bottom corner onto the base's left top corner; right of it:
// its left bottom corner onto the base's right top corner. None: the host's
// own choice.
enum class Corners { none, leftOfBase, rightOfBase };

// `\![move,...]`, or `\![moveasync,...]` which the host runs in the
// background: the window is moved to `base` shifted by x and y, over `time`;
// with ignoreSticky it moves alone, not with its sticky group.
struct Move {
  bool async = false;
  TagValue x = 0;
  TagValue y = 0;
  std::int32_t time = 0;
  TagValue base = me;
  Corners corners = Corners::none;
  bool ignoreSticky = false;
};

void appendMove(std::string& out, const Move& move);

// The events that the module's scripts raise: a menu choice, which asks the
// ghost for the menu again; the menu's "End"; a setting change taken.
namespace event {
inline constexpr std::string_view settingMenu = "settingZEF";
inline constexpr std::string_view menuClosed = "OnSettingZEF";
inline constexpr std::string_view settingChanged = "OnChangeZEF";
}  // namespace event

// Makes the host raise `event` to the ghost, `\![raise,EVENT,R0,R1,...]`: the
// ghost gets the references R0, R1, ... in this order. No reference holds ","
// or "]".
void appendRaise(std::string& out, std::string_view event, std::initializer_list<TagValue> references = {});

// A choice titled `title` that raises `event`; neither holds "," or "]".
void appendEventChoice(std::string& out, std::string_view title, std::string_view event);

// The balloon and font of the text that follows.
void appendBalloonHeader(std::string& out, std::int32_t balloon, std::string_view fontName, std::int32_t fontHeight);

// A tray notice with an icon and a title, its lines separated by line breaks.
void appendTrayNotice(std::string& out, std::string_view icon, std::string_view title,
                      std::initializer_list<std::string_view> lines);

// A choice titled `title` that runs `script` when the user picks it. The host
// splits a tag's bracket at its commas from the second argument on, unless
// that argument is wrapped whole in double quotes; inside the quotes a "]"
// does not close the tag and a `"` is written twice. A choice script holds
// commas (between the options of every move), so it is always quoted, and it
// is written as plain script. `title` is written as it is: the first argument
// is never quoted, so it must hold no "," and no "]".
void appendScriptChoice(std::string& out, std::string_view title, std::string_view script);

// How the host spells them, and the most bytes each one takes.
//
// A command that writes many pieces into one script (a layout start, a long
// talk, the settings menu) makes room for all of them at once, from upper
// bounds of the pieces' sizes. The bounds are computed in 64 bits: a layout
// may hold millions of fragments.
namespace spelling {
inline constexpr std::string_view close = "]";
inline constexpr std::string_view move = "\\![move,--X=";
inline constexpr std::string_view moveAsync = "\\![moveasync,--X=";
inline constexpr std::string_view y = ",--Y=";
inline constexpr std::string_view time = ",--time=";
inline constexpr std::string_view base = ",--base=";
inline constexpr std::string_view leftOfBase = ",--base-offset=left.top,--move-offset=right.bottom";
inline constexpr std::string_view rightOfBase = ",--base-offset=right.top,--move-offset=left.bottom";
inline constexpr std::string_view ignoreSticky = ",--option=ignore-sticky-window";
inline constexpr std::string_view raise = "\\![raise,";
inline constexpr std::string_view choiceOpen = "\\q[";
inline constexpr std::string_view choiceScript = ",\"script:";
inline constexpr std::string_view choiceClose = "\"]";
inline constexpr std::string_view balloon = "\\b[";
inline constexpr std::string_view fontName = "]\\f[name,";
inline constexpr std::string_view fontHeight = "]\\f[height,";
inline constexpr std::string_view stickyGroup = "\\![set,sticky-window,";
inline constexpr std::string_view separator = ",";  // between a tag's values
inline constexpr std::string_view trayNotice = "\\![set,trayballoon,--icon=";
inline constexpr std::string_view trayTitle = ",--title=";
inline constexpr std::string_view trayText = ",--text=";
// A scope made a dummy scope: the surface that the shell defines as
// transparent, and a window no longer tied to the desktop's edge.
inline constexpr std::string_view dummySurface = "\\s[__system_dummy__]";
inline constexpr std::string_view freeAlignment = "\\![set,alignmenttodesktop,free]";
inline constexpr std::string_view hide = "\\c\\b[-1]";  // the balloon's text cleared, the balloon hidden
inline constexpr std::string_view lineBreak = "\\n";
inline constexpr std::string_view wideLineBreak = "\\n[200]";  // twice a line's height
// A menu shows at once, and its balloons stay until a choice is picked.
inline constexpr std::string_view menuOpen = "\\_q";
inline constexpr std::string_view menuClose = "\\*\\![set,balloontimeout,0]";
inline constexpr std::string_view choiceMarker = "\\![*]";  // the mark before a line of choices
}  // namespace spelling

// Joins scopes into a group that moves together: `count` scopes, the i-th of
// them scopeAt(i).
template <typename ScopeAt>
void appendStickyWindow(std::string& out, std::int32_t count, ScopeAt scopeAt) {
  out += spelling::stickyGroup;
  for (std::int32_t i = 0; i < count; ++i) {
    if (i > 0) out += spelling::separator;
    appendDecimal(out, scopeAt(i));
  }
  out += spelling::close;
}

// The longest number that appendDecimal writes: "-2147483648".
inline constexpr std::uint64_t maxDecimalBytes = 11;

inline constexpr std::uint64_t maxScopeSwitchBytes = spelling::close.size() + scopeSwitchOpen.size() + maxDecimalBytes;
inline constexpr std::uint64_t maxMoveBytes =
    std::max(spelling::move.size(), spelling::moveAsync.size()) + spelling::y.size() + spelling::time.size() +
    spelling::base.size() + 4 * maxDecimalBytes +  // x, y, time and base
    std::max(spelling::leftOfBase.size(), spelling::rightOfBase.size()) + spelling::ignoreSticky.size() +
    spelling::close.size();
static_assert(fix.word.size() <= maxDecimalBytes && me.word.size() <= maxDecimalBytes);
constexpr std::uint64_t raiseBytes(std::string_view event) {
  return spelling::raise.size() + event.size() + spelling::close.size();
}
constexpr std::uint64_t eventChoiceBytes(std::uint64_t titleBytes, std::string_view event) {
  return spelling::choiceOpen.size() + titleBytes + spelling::separator.size() + event.size() + spelling::close.size();
}
constexpr std::uint64_t balloonHeaderBytes(std::uint64_t fontNameBytes) {
  return spelling::balloon.size() + spelling::fontName.size() + spelling::fontHeight.size() + 2 * maxDecimalBytes +
         fontNameBytes + spelling::close.size();
}
constexpr std::uint64_t stickyWindowBytes(std::uint64_t scopes) {
  return spelling::stickyGroup.size() + scopes * (spelling::separator.size() + maxDecimalBytes) + spelling::close.size();
}
// A choice around a script that holds no `"` (each one makes it a byte longer).
constexpr std::uint64_t choiceBytes(std::uint64_t titleBytes, std::uint64_t scriptBytes) {
  return spelling::choiceOpen.size() + titleBytes + spelling::choiceScript.size() + scriptBytes +
         spelling::choiceClose.size();
}

// Makes room for `extraBytes` more bytes in `out` in one allocation. A size
// beyond what a string can hold is left to the appends themselves, which then
// fail on their own.
inline void reserveMore(std::string& out, std::uint64_t extraBytes) {
  const std::uint64_t room = out.max_size() - out.size();
  if (extraBytes > room) return;
  out.reserve(out.size() + static_cast<std::size_t>(extraBytes));
}

}  // namespace zef
