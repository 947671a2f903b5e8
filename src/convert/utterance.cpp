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

#include <cstddef>
#include <optional>

#include "convert/byte_cursor.h"
#include "convert/character_tag_scanner.h"
#include "convert/marker_scanner.h"
#include "convert/output_buffer.h"
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
  HeadRewriter(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope, std::string_view text)
      : text_(text),
        backslashes_(text, '\\'),
        characterTags_(text),
        scopeTags_(text),
        characterSwitch_(scopeSwitch(characterScope)),
        textSwitch_(scopeSwitch(textScope)),
        surfaces_(surfaceShift(surfaceOffsetOf(state, characterScope))),
        balloons_(balloonShift(state.balloonOffset)),
        shiftsBalloons_(state.enabled) {}

  std::string_view textSwitch() const { return textSwitch_.view(); }

  // Appends the rewritten head and returns where the head ends: at the first
  // scope tag, or at the end of the text.
  std::size_t appendHead(OutputBuffer& out) {
    std::size_t copied = 0;
    std::size_t at = backslashes_.next(0);
    while (at < text_.size() && !scopeTags_.startsAt(at)) {
      if (const auto tagEnd = characterTags_.tagEndAt(at); tagEnd && appendCharacterTag(out, copied, at, *tagEnd)) {
        copied = *tagEnd;
        at = backslashes_.next(copied);
        continue;
      }
      if (const auto tag = numberTagAt(text_, at)) {
        copyText(out, copied, at);
        appendShiftedTag(out, text_, *tag);
        copied = tag->tag.end;
        at = backslashes_.next(copied);
        continue;
      }
      at = backslashes_.next(at + 1);
    }
    copyText(out, copied, at);
    return at;
  }

 private:
  // The text's bytes [from, to).
  void copyText(OutputBuffer& out, std::size_t from, std::size_t to) const {
    out.appendStretch(text_.data() + from, to - from, text_.size() - from);
  }

  const NumberShift& shiftFor(char letter) const { return letter == 's' ? surfaces_ : balloons_; }

  void appendShiftedTag(OutputBuffer& out, std::string_view text, const NumberTag& tag) const {
    char* const to = out.room(longestShiftedTag);
    out.written(static_cast<std::size_t>(writeShiftedTag(to, text, tag, shiftFor(text[tag.tag.begin + 1])) - to));
  }

  // The surface tag, or while conversion is on the balloon tag, at `at`.
  std::optional<NumberTag> numberTagAt(std::string_view text, std::size_t at) const {
    if (at + 1 >= text.size()) return std::nullopt;
    if (text[at + 1] == 's') return zef::numberTagAt(text, 's', at);
    if (text[at + 1] == 'b' && shiftsBalloons_) return zef::numberTagAt(text, 'b', at);
    return std::nullopt;
  }

  // Appends the text from `copied` to the character tag [at, end) and the
  // tag wrapped in scope switches, with its numbers shifted. When the tag
  // reaches into a scope tag it is none, and nothing is appended; the scope
  // tag found is remembered, so that no later span is searched up to it again.
  bool appendCharacterTag(OutputBuffer& out, std::size_t copied, std::size_t at, std::size_t end) {
    if (end > scopeTagInSpan_) return false;
    const std::size_t mark = out.size();
    copyText(out, copied, at);
    // Redundant switches are kept, also when both scopes are the same.
    out.append(characterSwitch_);
    const std::string_view tag = text_.substr(0, end);
    std::size_t tagCopied = at;
    for (std::size_t inner = at; inner < end; inner = backslashes_.next(inner + 1)) {
      if (hasAt(tag, inner + 1, "p[")) {
        scopeTagInSpan_ = inner;
        out.truncate(mark);
        return false;
      }
      const auto numbered = numberTagAt(tag, inner);
      if (!numbered) continue;
      copyText(out, tagCopied, inner);
      appendShiftedTag(out, tag, *numbered);
      tagCopied = numbered->tag.end;
      inner = tagCopied - 1;
    }
    copyText(out, tagCopied, end);
    out.append(textSwitch_);
    return true;
  }

  std::string_view text_;
  ByteCursor backslashes_;
  CharacterTagScanner characterTags_;
  ScopeTagScanner scopeTags_;
  std::size_t scopeTagInSpan_ = std::string_view::npos;
  // "\p[-2147483648]" at the longest.
  FixedPiece<16> characterSwitch_;
  FixedPiece<16> textSwitch_;
  NumberShift surfaces_;
  NumberShift balloons_;
  bool shiftsBalloons_;
};

}  // namespace

std::string convertUtterance(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope,
                             std::string_view text) {
  OutputBuffer buffer(text.size() + text.size() / 4 + 64);
  HeadRewriter rewriter(state, characterScope, textScope, text);
  const std::size_t headEnd = rewriter.appendHead(buffer);
  std::string out = std::move(buffer).take();
  appendReplacingMarkers(out, text.substr(headEnd), rewriter.textSwitch());
  return out;
}

}  // namespace zef
