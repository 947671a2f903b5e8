// The layout start commands: take the ghost's settings, lay the dummy scopes out.
#include "placement/layout_start.h"

#include <string_view>

#include "module/decimal.h"

namespace zef {

namespace {

constexpr std::size_t firstSurfaceOffsetArgument = 10;

bool isSwitchOn(std::string_view text) { return text == "On" || text == "ON" || text == "on"; }

// Reads Argument1 to Argument9 and the surface offsets into `state`.
void storeSettings(const ArgumentList& arguments, ModuleState& state) {
  state.setEnabled(isSwitchOn(arguments[1]));
  state.setCharacterCount(readDecimal(arguments[2]));
  state.setBalloonCount(readDecimal(arguments[3]));
  state.setMoveStep(readDecimal(arguments[4]));
  state.setMoveTime(readDecimal(arguments[5]));
  state.setDummyScopeBase(readDecimal(arguments[6]));
  state.setBalloonOffset(readDecimal(arguments[7]));
  state.setFontName(arguments[8]);
  state.setFontHeight(readDecimal(arguments[9]));

  std::vector<std::int32_t> offsets(static_cast<std::size_t>(state.characterCount));
  for (std::size_t c = 0; c < offsets.size(); ++c) offsets[c] = readDecimal(arguments[firstSurfaceOffsetArgument + c]);
  state.surfaceOffsets = std::move(offsets);
}

}  // namespace

void runLayoutStart(const ArgumentList& arguments, ModuleState& state, std::string& script) {
  storeSettings(arguments, state);
  static_cast<void>(script);  // the layout script is not built yet
}

}  // namespace zef
