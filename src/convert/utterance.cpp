// The steps of an utterance's rewriting.
//
// The head is rewritten in one pass over its backslashes: a character tag is
// wrapped in scope switches, and surface and balloon numbers are shifted, also
// inside wrapped tags. This gives the same text as wrapping first and shifting
// afterwards, because no numbered tag can reach across the edge of a character
// tag (it would have to contain the tag's leading backslash or its closing
// `]`), and the switches written in between hold no numbered tag.
//
// The same pass finds where the head ends, the first scope tag. The tag
// scanners look at the whole text, so a lazy span may reach beyond the head;
// such a span holds the `\p[` of a scope tag (it has no line break and ends
// in `]`, so any `\p[` inside it begins a scope tag), and a character tag is
// only taken when its span holds none. Then it lies wholly in the head and is
// the very tag that a scan of the head alone would find.
//
// The marker is only looked for from the first scope tag on: the head holds
// no `\p[...]` at all, and none can form across what the rewriting inserts,
// since every inserted piece begins with a backslash.
#include "convert/utterance.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "convert/character_tag_scanner.h"
#include "convert/character_tags.h"
#include "convert/number_tag.h"
#include "convert/scope_tags.h"
#include "convert/script_bytes.h"
#include "base/host_script.h"

namespace zef {

namespace {

// A scope outside the layout's characters has no surface offset of its own:
// its surfaces are left where they are rather than read from beyond the list.
std::int32_t surfaceOffsetOf(const ModuleState& state, std::int32_t characterScope) {
  if (characterScope < 0) return 0;
  const auto index = static_cast<std::size_t>(characterScope);
  return index < state.surfaceOffsets.size() ? state.surfaceOffsets[index] : 0;
}

// The head loop tells scope, character and balloon tags apart by the byte
// after the backslash alone.
static_assert(!opensCharacterTag('p') && !opensCharacterTag('b'), "scope and balloon tags are no character tags");

class HeadRewriter {
 public:
  HeadRewriter(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope, std::string_view text)
      : text_(text),
        characterTags_(text),
        scopeTags_(text),
        characterSwitch_(scopeSwitch(characterScope)),
        textSwitch_(scopeSwitch(textScope)),
        surfaces_{.letter = 's', .offset = surfaceOffsetOf(state, characterScope), .writtenUnsigned = true},
        balloons_{.letter = 'b', .offset = state.balloonOffset, .writtenUnsigned = false},
        shiftsBalloons_(state.enabled) {}

  // Appends the rewritten head, which ends at the first scope tag, then the
  // rest of the text with its markers replaced.
  void appendUtterance(std::string& out) {
    // A backslash inside a tag already rewritten begins none.
    for (std::size_t at = text_.find('\\'); at != std::string_view::npos;
         at = text_.find('\\', std::max(at + 1, copied_))) {
      const char kind = byteAt(text_, at + 1);
      if (kind == 'p') {
        if (scopeTags_.startsAt(at)) return appendRest(out, at);
      } else if (opensCharacterTag(kind)) {
        appendCharacterTag(out, at);
      } else {
        appendIfNumberTag(out, text_, at, copied_);
      }
    }
    appendRest(out, text_.size());
  }

 private:
  void appendRest(std::string& out, std::size_t headEnd) const {
    copyText(out, copied_, headEnd);
    appendReplacingMarkers(out, text_.substr(headEnd), textSwitch_);
  }

  // The text's bytes [from, to).
  void copyText(std::string& out, std::size_t from, std::size_t to) const { out.append(text_, from, to - from); }

  // Appends `text` from `copied` up to the numbered tag at `at` and the tag
  // shifted, and moves `copied` past it, if such a tag begins there.
  bool appendIfNumberTag(std::string& out, std::string_view text, std::size_t at, std::size_t& copied) const {
    const NumberShift* const shift = shiftAfter(text, at);
    const auto tag = shift != nullptr ? numberTagAt(text, shift->letter, at) : std::nullopt;
    if (!tag) return false;
    copyText(out, copied, at);
    appendShiftedTag(out, *tag, *shift);
    copied = tag->end;
    return true;
  }

  // The shift of the numbered tag that the backslash at `at` of `text` may
  // begin: surface tags always, balloon tags while conversion is on.
  const NumberShift* shiftAfter(std::string_view text, std::size_t at) const {
    const char letter = byteAt(text, at + 1);
    if (letter == 's') return &surfaces_;
    return letter == 'b' && shiftsBalloons_ ? &balloons_ : nullptr;
  }

  // Appends the text up to the character tag at `at` and the tag wrapped in
  // scope switches, with its numbers shifted, if there is such a tag. When
  // the tag reaches into a scope tag it is none; the scope tag found is
  // remembered, so that no later span is searched up to it again.
  void appendCharacterTag(std::string& out, std::size_t at) {
    const auto tagEnd = characterTags_.tagEndAt(at);
    if (!tagEnd || *tagEnd > scopeTagInSpan_) return;
    const std::size_t end = *tagEnd;
    const std::size_t mark = out.size();
    copyText(out, copied_, at);
    // Redundant switches are kept, also when both scopes are the same.
    out += characterSwitch_;
    const std::string_view tag = text_.substr(0, end);
    std::size_t tagCopied = at;
    for (std::size_t inner = at; inner != std::string_view::npos; inner = tag.find('\\', inner + 1)) {
      if (hasAt(tag, inner, scopeSwitchOpen)) {
        scopeTagInSpan_ = inner;
        out.resize(mark);
        return;
      }
      if (appendIfNumberTag(out, tag, inner, tagCopied)) inner = tagCopied - 1;
    }
    copyText(out, tagCopied, end);
    out += textSwitch_;
    copied_ = end;
  }

  std::string_view text_;
  CharacterTagScanner characterTags_;
  ScopeTagScanner scopeTags_;
  // The text before it is in the result.
  std::size_t copied_ = 0;
  std::size_t scopeTagInSpan_ = std::string_view::npos;
  std::string characterSwitch_;
  std::string textSwitch_;
  NumberShift surfaces_;
  NumberShift balloons_;
  bool shiftsBalloons_;
};

}  // namespace

std::string convertUtterance(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope,
                             std::string_view text) {
  std::string out;
  // Room for the text and the scope switches of a tag every few dozen bytes,
  // so that a long utterance is not copied over and over while it grows.
  out.reserve(text.size() + text.size() / 4 + 64);
  HeadRewriter(state, characterScope, textScope, text).appendUtterance(out);
  return out;
}

}  // namespace zef
