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
#include "base/script_choice.h"
#include "base/script_size.h"
#include "placement/dummy_scope.h"
#include "settings/menu_scripts.h"

namespace zef {

namespace {

// The menu shows at once, and its balloons stay until a choice is picked.
constexpr std::string_view menuOpen = "\\_q";
constexpr std::string_view menuClose = "\\*\\![set,balloontimeout,0]";

// A label: the balloon scope, set free and moved above its anchor scope,
// then the text "character - level index".
constexpr std::string_view labelMoveOpen = "]\\![set,alignmenttodesktop,free]\\![move,--X=0,--Y=";
constexpr std::string_view labelMoveBase = ",--time=0,--base=";
constexpr std::string_view labelSeparator = " - ";

// The menu's three characters that are not ASCII, in each charset: the
// half-width middle dot "･" (U+FF65), the right arrow "→" (U+2192) and the up
// arrow "↑" (U+2191).
constexpr CharsetText middleDot = {"\xA5", "\xEF\xBD\xA5"};
constexpr CharsetText rightArrow = {"\x81\xA8", "\xE2\x86\x92"};
constexpr CharsetText upArrow = {"\x81\xAA", "\xE2\x86\x91"};

// The text of a character's section. A shift line's head is the middle dot,
// its title, its arrow and the tail; the reset line's head follows a break.
constexpr std::string_view sectionTitle = "] ZEF Balloon Settings ----------------\\n";
constexpr std::string_view shiftHeadTail = "+  \\![*]";
constexpr std::string_view resetTitle = "Position Reset  \\![*]";
constexpr std::string_view endChoice = "               \\![*]\\q[End,OnSettingZEF]";
constexpr std::string_view mouseOffsetHint = "\\n\\n*MouseOffset Reset  Ctrl + Shift + F10";
constexpr std::string_view lineBreak = "\\n";

// The titles count pixels to the right or upwards. The host's Y grows
// downwards, so a vertical choice moves by the negated title.
constexpr std::array<std::string_view, 6> shiftTitles = {"30", "10", "5", "-5", "-10", "-30"};
constexpr std::array<std::string_view, 6> downwardAmounts = {"-30", "-10", "-5", "5", "10", "30"};

// The amounts go into the choice scripts, which hold no `"` (menu_scripts.cpp).
constexpr bool holdNoQuote(const std::array<std::string_view, 6>& amounts) {
  for (std::string_view amount : amounts) {
    if (amount.find('"') != std::string_view::npos) return false;
  }
  return true;
}
static_assert(holdNoQuote(shiftTitles) && holdNoQuote(downwardAmounts));

// Upper bounds for sizing the menu once: a label; the parts of a section that
// do not grow with the character count (title, horizontal line, "H" reset,
// end choice and hint, about 1.2 KB at most); one scope of a vertical choice.
constexpr std::uint64_t labelBytes = scopeSwitchOpen.size() + labelMoveOpen.size() + labelMoveBase.size() +
                                     ignoreStickyWindow.size() + 1 + labelSeparator.size() + 4 * maxDecimalBytes;
constexpr std::uint64_t sectionFixedBytes = 2048;
constexpr std::uint64_t verticalScopeBytes = 128;

void appendLabel(std::string& out, const ModuleState& state, std::int32_t levelIndex, std::int32_t character) {
  out += scopeSwitchOpen;
  appendDecimal(out, dummyScope(state, levelIndex + 1, character));
  out += labelMoveOpen;
  appendDecimal(out, wrapNeg(wrapMul(levelIndex, state.getMoveStep())));
  out += labelMoveBase;
  appendDecimal(out, anchorScope(state, character));
  out += ignoreStickyWindow;
  out += ']';
  appendDecimal(out, character);
  out += labelSeparator;
  appendDecimal(out, levelIndex);
}

// A line of six shift choices: the mode they move in, the line's title and
// arrow, and the amount each choice passes.
struct ShiftLine {
  std::string_view mode;
  std::string_view title;
  CharsetText arrow;
  std::array<std::string_view, 6> amounts;
};

constexpr ShiftLine horizontalLine = {"BPh", "Pos-H [px] ", rightArrow, shiftTitles};
constexpr ShiftLine verticalLine = {"BPv", "Pos-V [px] ", upArrow, downwardAmounts};

// Six shift choices of one mode, "/" between them.
void appendShiftLine(std::string& out, const ModuleState& state, Charset charset, std::int32_t character,
                     const ShiftLine& line) {
  out += middleDot.in(charset);
  out += line.title;
  out += line.arrow.in(charset);
  out += shiftHeadTail;
  std::string script;
  for (std::size_t i = 0; i < shiftTitles.size(); ++i) {
    if (i != 0) out += '/';
    script.clear();
    appendShiftScript(script, state, character, line.mode, line.amounts[i]);
    appendScriptChoice(out, shiftTitles[i], script);
  }
  out += lineBreak;
}

// The "V" and "H&V" resets move every character, so every section carries the
// same two scripts: they are built once per menu.
struct SharedResets {
  std::string vertical;
  std::string both;
};

SharedResets sharedResets(const ModuleState& state) {
  SharedResets resets;
  appendResetVScript(resets.vertical, state);
  appendResetHVScript(resets.both, state);
  return resets;
}

void appendResetLine(std::string& out, const ModuleState& state, Charset charset, std::int32_t character,
                     const SharedResets& resets) {
  out += lineBreak;
  out += middleDot.in(charset);
  out += resetTitle;
  std::string horizontal;
  appendResetHScript(horizontal, state, character);
  appendScriptChoice(out, "H", horizontal);
  out += '/';
  appendScriptChoice(out, "V", resets.vertical);
  out += '/';
  appendScriptChoice(out, "H&V", resets.both);
  out += endChoice;
}

// A vertical choice moves every character's anchor scope, so only character
// 0's section offers the vertical line, and the hint with it.
void appendSection(std::string& out, const ModuleState& state, Charset charset, std::int32_t character,
                   const SharedResets& resets) {
  out += scopeSwitchOpen;
  appendDecimal(out, character);
  out += "][";
  appendDecimal(out, character);
  out += sectionTitle;
  appendShiftLine(out, state, charset, character, horizontalLine);
  if (character == 0) appendShiftLine(out, state, charset, 0, verticalLine);
  appendResetLine(out, state, charset, character, resets);
  if (character == 0) out += mouseOffsetHint;
}

std::uint64_t menuBytes(const ModuleState& state, const SharedResets& resets) {
  const std::uint64_t characters = static_cast<std::uint64_t>(std::max(state.getCharacterCount(), std::int32_t{0}));
  const std::uint64_t levels = static_cast<std::uint64_t>(std::max(state.getBalloonCount(), std::int32_t{0}));
  return menuOpen.size() + menuClose.size() + levels * characters * labelBytes +
         characters * (sectionFixedBytes + resets.vertical.size() + resets.both.size()) +
         shiftTitles.size() * characters * verticalScopeBytes;
}

}  // namespace

void runSettingsMenu(const ModuleState& state, Charset charset, std::string& script) {
  const SharedResets resets = sharedResets(state);
  reserveMore(script, menuBytes(state, resets));

  script += menuOpen;
  for (std::int32_t k = 0; k < state.getBalloonCount(); ++k) {
    for (std::int32_t c = 0; c < state.getCharacterCount(); ++c) appendLabel(script, state, k, c);
  }
  for (std::int32_t c = 0; c < state.getCharacterCount(); ++c) appendSection(script, state, charset, c, resets);
  script += menuClose;
}

}  // namespace zef
