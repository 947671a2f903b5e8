// The steps of an utterance's rewriting, in order.
#include "convert/utterance.h"

#include <cstddef>

#include "convert/character_tag_scanner.h"
#include "convert/marker_scanner.h"
#include "convert/remap_numbers.h"
#include "convert/scope_switch.h"
#include "convert/scope_tag_scanner.h"

namespace zef {

namespace {

// A character scope outside the layout's characters has no surface offset of
// its own; its surfaces are left where they are rather than read from beyond
// the list.
std::int32_t surfaceOffsetOf(const ModuleState& state, std::int32_t characterScope) {
  if (characterScope < 0) return 0;
  const auto index = static_cast<std::size_t>(characterScope);
  return index < state.surfaceOffsets.size() ? state.surfaceOffsets[index] : 0;
}

// Each character tag of `head` becomes: switch to the character scope, the
// tag, switch back to the text scope. Redundant switches are kept.
std::string wrapCharacterTags(std::string_view head, std::int32_t characterScope, std::int32_t textScope) {
  std::string out;
  out.reserve(head.size() + head.size() / 4);
  CharacterTagScanner scanner(head);
  std::size_t copied = 0;
  while (const auto tag = scanner.next(copied)) {
    out.append(head, copied, tag->begin - copied);
    appendScopeSwitch(out, characterScope);
    out.append(head, tag->begin, tag->end - tag->begin);
    appendScopeSwitch(out, textScope);
    copied = tag->end;
  }
  out.append(head, copied);
  return out;
}

}  // namespace

std::string convertUtterance(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope,
                             std::string_view text) {
  const auto scopeTag = findScopeTag(text);
  const std::size_t headEnd = scopeTag ? scopeTag->begin : text.size();

  std::string converted = wrapCharacterTags(text.substr(0, headEnd), characterScope, textScope);
  converted = remapSurfaces(surfaceOffsetOf(state, characterScope), converted);
  if (state.enabled) converted = remapBalloons(state.balloonOffset, converted);
  converted.append(text, headEnd);
  return replaceMarkers(converted, textScope);
}

}  // namespace zef
