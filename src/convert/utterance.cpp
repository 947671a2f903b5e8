// The steps of an utterance's rewriting.
//
// The head is rewritten in one pass over its backslashes: a character tag is
// wrapped in scope switches, and surface and balloon numbers are shifted, also
// inside wrapped tags. This gives the same text as wrapping first and shifting
// afterwards, because no numbered tag can reach across the edge of a character
// tag (it would have to contain the tag's leading backslash or its closing
// `]`), and the switches written in between hold no numbered tag.
//
// The marker is only looked for from the first scope tag on: the head holds
// no `\p[...]` at all, and none can form across what the rewriting inserts,
// since every inserted piece begins with a backslash.
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

class HeadRewriter {
 public:
  HeadRewriter(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope)
      : characterSwitch_(scopeSwitch(characterScope)),
        textSwitch_(scopeSwitch(textScope)),
        surfaces_(surfaceShift(surfaceOffsetOf(state, characterScope))),
        balloons_(balloonShift(state.balloonOffset)),
        shiftsBalloons_(state.enabled) {}

  const std::string& textSwitch() const { return textSwitch_; }

  // Appends the rewritten `head`.
  void append(std::string& out, std::string_view head) const {
    CharacterTagScanner characterTags(head);
    std::size_t copied = 0;
    std::size_t at = head.find('\\');
    while (at != std::string_view::npos) {
      if (const auto tagEnd = characterTags.tagEndAt(at)) {
        // Redundant switches are kept, also when both scopes are the same.
        out.append(head, copied, at - copied);
        out += characterSwitch_;
        copied = appendShiftingNumbers(out, head.substr(0, *tagEnd), at);
        out += textSwitch_;
        at = head.find('\\', copied);
        continue;
      }
      if (const auto tag = numberTagAt(head, at)) {
        out.append(head, copied, at - copied);
        appendShiftedTag(out, head, *tag, shiftFor(head[at + 1]));
        copied = tag->tag.end;
        at = head.find('\\', copied);
        continue;
      }
      at = head.find('\\', at + 1);
    }
    out.append(head, copied);
  }

 private:
  const NumberShift& shiftFor(char letter) const { return letter == 's' ? surfaces_ : balloons_; }

  // The surface tag, or while conversion is on the balloon tag, at `at`.
  std::optional<NumberTag> numberTagAt(std::string_view text, std::size_t at) const {
    if (at + 1 >= text.size()) return std::nullopt;
    if (text[at + 1] == 's') return zef::numberTagAt(text, 's', at);
    if (text[at + 1] == 'b' && shiftsBalloons_) return zef::numberTagAt(text, 'b', at);
    return std::nullopt;
  }

  // Appends text[from, end) with its numbered tags shifted; returns its end.
  std::size_t appendShiftingNumbers(std::string& out, std::string_view text, std::size_t from) const {
    std::size_t copied = from;
    for (std::size_t at = from; at != std::string_view::npos; at = text.find('\\', at + 1)) {
      const auto tag = numberTagAt(text, at);
      if (!tag) continue;
      out.append(text, copied, at - copied);
      appendShiftedTag(out, text, *tag, shiftFor(text[at + 1]));
      copied = tag->tag.end;
      at = copied - 1;
    }
    out.append(text, copied);
    return text.size();
  }

  std::string characterSwitch_;
  std::string textSwitch_;
  NumberShift surfaces_;
  NumberShift balloons_;
  bool shiftsBalloons_;
};

}  // namespace

std::string convertUtterance(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope,
                             std::string_view text) {
  const auto scopeTag = findScopeTag(text);
  const std::size_t headEnd = scopeTag ? scopeTag->begin : text.size();

  std::string out;
  out.reserve(text.size() + text.size() / 4 + 16);
  const HeadRewriter rewriter(state, characterScope, textScope);
  rewriter.append(out, text.substr(0, headEnd));
  appendReplacingMarkers(out, text.substr(headEnd), rewriter.textSwitch());
  return out;
}

}  // namespace zef
