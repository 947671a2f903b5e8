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

#include "convert/byte_cursor.h"
#include "convert/character_tag_scanner.h"
#include "convert/marker_scanner.h"
#include "convert/remap_numbers.h"
#include "convert/scope_tag_scanner.h"
#include "module/host_script.h"

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
    ByteCursor backslashes(head, '\\');
    std::size_t copied = 0;
    std::size_t at = backslashes.next(0);
    while (at < head.size()) {
      if (const auto tagEnd = characterTags.tagEndAt(at)) {
        // Redundant switches are kept, also when both scopes are the same.
        out.append(head.data() + copied, at - copied);
        out += characterSwitch_;
        appendShiftingNumbers(out, head.substr(0, *tagEnd), at, backslashes);
        out += textSwitch_;
        copied = *tagEnd;
        at = backslashes.next(copied);
        continue;
      }
      if (const auto tag = numberTagAt(head, at)) {
        out.append(head.data() + copied, at - copied);
        appendShiftedTag(out, head, *tag, shiftFor(head[at + 1]));
        copied = tag->tag.end;
        at = backslashes.next(copied);
        continue;
      }
      at = backslashes.next(at + 1);
    }
    out.append(head.data() + copied, head.size() - copied);
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

  // Appends `tag`, the text from `from` on, with its numbered tags shifted.
  // The cursor goes on from the tag's backslashes to the text after it.
  void appendShiftingNumbers(std::string& out, std::string_view tag, std::size_t from, ByteCursor& backslashes) const {
    std::size_t copied = from;
    for (std::size_t at = from; at < tag.size(); at = backslashes.next(at + 1)) {
      const auto numbered = numberTagAt(tag, at);
      if (!numbered) continue;
      out.append(tag.data() + copied, at - copied);
      appendShiftedTag(out, tag, *numbered, shiftFor(tag[at + 1]));
      copied = numbered->tag.end;
      at = copied - 1;
    }
    out.append(tag.data() + copied, tag.size() - copied);
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
