// Choice scripts that move anchor scopes, written as plain script.
#include "settings/menu_scripts.h"

#include "base/decimal.h"
#include "base/host_script.h"
#include "placement/dummy_scope.h"

namespace zef {

namespace {

// Lets the ghost show the menu again once the move is done.
constexpr std::string_view raiseSettingEvent = "\\![raise,settingZEF]";

// A shift moves the scope against where it stands, in the background.
constexpr std::string_view shiftXOpen = "\\![moveasync,--X=";
constexpr std::string_view shiftXClose = ",--Y=0,--time=0,--base=me";
constexpr std::string_view shiftYOpen = "\\![moveasync,--X=0,--Y=";
constexpr std::string_view shiftYClose = ",--time=0,--base=me";

// A reset places the scope against its character at once, keeping the
// coordinate marked "fix"; a reset in both directions is a plain placeOnBase.
constexpr std::string_view resetHOpen = "\\![move,--X=0,--Y=fix,--time=0,--base=";
constexpr std::string_view resetVOpen = "\\![move,--X=fix,--Y=0,--time=0,--base=";

// The choice writer doubles a `"` inside a script; these scripts need none,
// so the host gets them exactly as they are built here.
constexpr bool holdsNoQuote(std::string_view piece) { return piece.find('"') == std::string_view::npos; }
static_assert(holdsNoQuote(raiseSettingEvent) && holdsNoQuote(shiftXOpen) && holdsNoQuote(shiftXClose) &&
              holdsNoQuote(shiftYOpen) && holdsNoQuote(shiftYClose) && holdsNoQuote(resetHOpen) &&
              holdsNoQuote(resetVOpen) && holdsNoQuote(placeOnBase) && holdsNoQuote(scopeSwitchOpen) &&
              holdsNoQuote(evenSideCorners) && holdsNoQuote(oddSideCorners) && holdsNoQuote(ignoreStickyWindow));

void appendShift(std::string& out, std::int32_t scope, std::string_view open, std::string_view amount,
                 std::string_view close) {
  appendScopeSwitch(out, scope);
  out += open;
  out += amount;
  out += close;
  out += ignoreStickyWindow;
  out += ']';
}

// Moves the anchor scope of `character` against the real character, on the
// character's side, with the move command that `open` begins.
void appendReset(std::string& out, const ModuleState& state, std::int32_t character, std::string_view open) {
  appendScopeSwitch(out, anchorScope(state, character));
  out += open;
  appendDecimal(out, character);
  out += sideCorners(character);
  out += ignoreStickyWindow;
  out += ']';
}

void appendResetOfEveryCharacter(std::string& out, const ModuleState& state, std::string_view open) {
  for (std::int32_t c = 0; c < state.getCharacterCount(); ++c) appendReset(out, state, c, open);
  out += raiseSettingEvent;
}

}  // namespace

void appendShiftScript(std::string& out, const ModuleState& state, std::int32_t character, std::string_view mode,
                       std::string_view amount) {
  if (mode == "BPh") {
    appendShift(out, anchorScope(state, character), shiftXOpen, amount, shiftXClose);
  } else if (mode == "BPv") {
    for (std::int32_t c = 0; c < state.getCharacterCount(); ++c) {
      appendShift(out, anchorScope(state, c), shiftYOpen, amount, shiftYClose);
    }
  }
  out += raiseSettingEvent;
}

void appendResetHScript(std::string& out, const ModuleState& state, std::int32_t character) {
  appendReset(out, state, character, resetHOpen);
  out += raiseSettingEvent;
}

void appendResetVScript(std::string& out, const ModuleState& state) {
  appendResetOfEveryCharacter(out, state, resetVOpen);
}

void appendResetHVScript(std::string& out, const ModuleState& state) {
  appendResetOfEveryCharacter(out, state, placeOnBase);
}

}  // namespace zef
