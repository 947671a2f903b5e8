// The settingZEF command: a label in every balloon scope, stacked above its
// anchor scope, and in every real character's balloon the choices that shift
// the anchor scopes or put them back.
//
// The module keeps no record of the shifts: they live in the window positions
// the host keeps, and each request builds the whole menu anew from the state.
#include "settings/settings_menu.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "base/decimal.h"
#include "base/host_script.h"
#include "base/int32_math.h"
#include "placement/dummy_scope.h"
#include "settings/menu_scripts.h"

namespace zef {

namespace {

// A label's text: "character - level index".
constexpr std::string_view labelSeparator = " - ";

// The menu's three characters that are not ASCII, in each charset: the
// half-width middle dot "･" (U+FF65), the right arrow "→" (U+2192) and the up
// arrow "↑" (U+2191).
constexpr CharsetText middleDot = {"\xA5", "\xEF\xBD\xA5"};
constexpr CharsetText rightArrow = {"\x81\xA8", "\xE2\x86\x92"};
constexpr CharsetText upArrow = {"\x81\xAA", "\xE2\x86\x91"};

// The text of a character's section. A shift line's head is the middle dot,
// its title, its arrow and the tail; the reset line's head follows a break.
constexpr std::string_view sectionTitle = "] ZEF Balloon Settings ----------------";
constexpr std::string_view resetTitles[] = {"H", "V", "H&V"};
constexpr std::string_view shiftHeadTail = "+  ";
constexpr std::string_view resetTitle = "Position Reset  ";
constexpr std::string_view endLead = "               ";
constexpr std::string_view endTitle = "End";
constexpr std::string_view mouseOffsetHint = "*MouseOffset Reset  Ctrl + Shift + F10";

// The shift choices' titles count pixels to the right or upwards. The host's
// Y grows downwards, so a vertical choice moves by the negated title.
constexpr std::array<std::int32_t, 6> shiftTitles = {30, 10, 5, -5, -10, -30};

// The balloon scope, set free and moved above its anchor scope, then its text.
void appendLabel(std::string& out, const ModuleState& state, std::int32_t levelIndex, std::int32_t character) {
  appendScopeSwitch(out, dummyScope(state, levelIndex + 1, character));
  out += spelling::freeAlignment;
  appendMove(out, Move{.y = wrapNeg(wrapMul(levelIndex, state.moveStep)),
                       .base = anchorScope(state, character),
                       .ignoreSticky = true});
  appendDecimal(out, character);
  out += labelSeparator;
  appendDecimal(out, levelIndex);
}

// A line of six shift choices: the way they move, the line's title and arrow.
struct ShiftLine {
  Shift shift;
  std::string_view title;
  CharsetText arrow;
};

constexpr ShiftLine horizontalLine = {Shift::right, "Pos-H [px] ", rightArrow};
constexpr ShiftLine verticalLine = {Shift::down, "Pos-V [px] ", upArrow};

// Six shift choices of one mode, "/" between them.
void appendShiftLine(std::string& out, const ModuleState& state, Charset charset, std::int32_t character,
                     const ShiftLine& line) {
  out.append(middleDot.in(charset)).append(line.title).append(line.arrow.in(charset));
  out.append(shiftHeadTail).append(spelling::choiceMarker);
  std::string title;
  std::string script;
  for (const std::int32_t pixels : shiftTitles) {
    if (pixels != shiftTitles.front()) out += '/';
    title.clear();
    appendDecimal(title, pixels);
    script.clear();
    appendShiftScript(script, state, line.shift, character, line.shift == Shift::down ? -pixels : pixels);
    appendScriptChoice(out, title, script);
  }
  out += spelling::lineBreak;
}

// The "V" and "H&V" resets move every character, so every section carries the
// same two scripts: they are built once per menu.
struct SharedResets {
  std::string vertical;
  std::string both;
};

void appendResetLine(std::string& out, const ModuleState& state, Charset charset, std::int32_t character,
                     const SharedResets& resets) {
  out.append(spelling::lineBreak).append(middleDot.in(charset)).append(resetTitle).append(spelling::choiceMarker);
  std::string horizontal;
  appendResetScript(horizontal, state, Reset::horizontal, character);
  appendScriptChoice(out, resetTitles[0], horizontal);
  out += '/';
  appendScriptChoice(out, resetTitles[1], resets.vertical);
  out += '/';
  appendScriptChoice(out, resetTitles[2], resets.both);
  out.append(endLead).append(spelling::choiceMarker);
  appendEventChoice(out, endTitle, event::menuClosed);
}

// A vertical choice moves every character's anchor scope, so only character
// 0's section offers the vertical line, and the hint with it.
void appendSection(std::string& out, const ModuleState& state, Charset charset, std::int32_t character,
                   const SharedResets& resets) {
  appendScopeSwitch(out, character);
  out += '[';
  appendDecimal(out, character);
  out.append(sectionTitle).append(spelling::lineBreak);
  appendShiftLine(out, state, charset, character, horizontalLine);
  if (character == 0) appendShiftLine(out, state, charset, 0, verticalLine);
  appendResetLine(out, state, charset, character, resets);
  if (character != 0) return;
  out.append(spelling::lineBreak).append(spelling::lineBreak).append(mouseOffsetHint);
}

// The menu's size from its pieces: the labels; per section its texts, six
// horizontal choices and the three resets; the vertical line's six choices,
// each moving every character.
std::uint64_t menuBytes(const ModuleState& state, const SharedResets& resets) {
  const std::uint64_t characters = static_cast<std::uint64_t>(std::max(state.characterCount, std::int32_t{0}));
  const std::uint64_t levels = static_cast<std::uint64_t>(std::max(state.balloonCount, std::int32_t{0}));
  const std::uint64_t label =
      maxScopeSwitchBytes + spelling::freeAlignment.size() + maxMoveBytes + 2 * maxDecimalBytes + labelSeparator.size();
  const std::uint64_t shiftHead = middleDot.utf8.size() + horizontalLine.title.size() + rightArrow.utf8.size() +
                                  shiftHeadTail.size() + spelling::choiceMarker.size();
  const std::uint64_t texts = 2 * maxDecimalBytes + maxScopeSwitchBytes + sectionTitle.size() + 2 * shiftHead +
                              6 * spelling::lineBreak.size() + resetTitle.size() + endLead.size() +
                              2 * spelling::choiceMarker.size() + eventChoiceBytes(endTitle.size(), event::menuClosed) +
                              mouseOffsetHint.size();
  const std::uint64_t choice = choiceBytes(maxDecimalBytes, 0) + 1;  // and the "/" before it
  const std::uint64_t section = texts + shiftTitles.size() * (choice + menuScriptBytes(1)) +
                                std::size(resetTitles) * choice + menuScriptBytes(1) + resets.vertical.size() +
                                resets.both.size();
  return spelling::menuOpen.size() + spelling::menuClose.size() + levels * characters * label + characters * section +
         shiftTitles.size() * (choice + menuScriptBytes(characters));
}

}  // namespace

void runSettingsMenu(const ModuleState& state, Charset charset, std::string& script) {
  SharedResets resets;
  appendResetScript(resets.vertical, state, Reset::vertical, 0);
  appendResetScript(resets.both, state, Reset::both, 0);
  reserveMore(script, menuBytes(state, resets));

  script += spelling::menuOpen;
  for (std::int32_t k = 0; k < state.balloonCount; ++k) {
    for (std::int32_t c = 0; c < state.characterCount; ++c) appendLabel(script, state, k, c);
  }
  for (std::int32_t c = 0; c < state.characterCount; ++c) appendSection(script, state, charset, c, resets);
  script += spelling::menuClose;
}

}  // namespace zef
