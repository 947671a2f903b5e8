// The one writer of the host's script commands that the module builds: the
// scope switch, the window move, the choice that runs a script and the event
// raise. Every command writes them through here, and sizes its script from the
// bounds beside them, so a change to how the host spells one of them is one
// edit here.
//
//   appendScopeSwitch(out, 12);
//   appendMove(out, Move{.async = true, .x = fix, .y = -100, .time = 100, .base = 10,
//                        .corners = Corners::leftOfBase, .ignoreSticky = true});
//   // out gains \p[12]\![moveasync,--X=fix,--Y=-100,--time=100,--base=10,
//   //   --base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window]
//   appendScriptChoice(out, "30", "\\p[10]\\![raise,settingZEF]");
//   // out gains \q[30,"script:\p[10]\![raise,settingZEF]"]
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zef {

// The opening of a scope switch `\p[N]`: the scope number and "]" follow.
// The talk's rewriting also reads the ghost's own scope switches by it.
inline constexpr std::string_view scopeSwitchOpen = "\\p[";

// Makes the host put what follows into `scope`.
void appendScopeSwitch(std::string& out, std::int32_t scope);
std::string scopeSwitch(std::int32_t scope);

// A value of a move's options: a number, or a word that the host reads in
// its place (`fix` keeps a coordinate, `me` makes the moved window its own base).
struct MoveValue {
  constexpr MoveValue(std::int32_t value) : number(value) {}  // implicit: a number is itself
  constexpr explicit MoveValue(std::string_view hostWord) : word(hostWord) {}
  std::int32_t number = 0;
  std::string_view word;  // written instead of the number when not empty
};
inline constexpr MoveValue fix{std::string_view("fix")};
inline constexpr MoveValue me{std::string_view("me")};

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
  MoveValue x = 0;
  MoveValue y = 0;
  std::int32_t time = 0;
  MoveValue base = me;
  Corners corners = Corners::none;
  bool ignoreSticky = false;
};

void appendMove(std::string& out, const Move& move);

// Makes the host raise `event` to the ghost: `\![raise,EVENT]`.
void appendRaise(std::string& out, std::string_view event);

// A reference that a raised event carries to the ghost: a word or a number.
struct EventReference {
  constexpr EventReference(std::int32_t value) : number(value) {}  // implicit, like MoveValue
  constexpr EventReference(std::string_view hostWord) : word(hostWord) {}
  std::int32_t number = 0;
  std::string_view word;  // written instead of the number when not empty
};

// `\![raise,EVENT,R0,R1,...]`: the ghost gets R0, R1, ... as the event's
// references, in this order. No reference holds "," or "]".
void appendRaise(std::string& out, std::string_view event, std::initializer_list<EventReference> references);

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
inline constexpr std::string_view referenceSeparator = ",";
inline constexpr std::string_view choiceOpen = "\\q[";
inline constexpr std::string_view choiceScript = ",\"script:";
inline constexpr std::string_view choiceClose = "\"]";
}  // namespace spelling

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
