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
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "convert/character_tag_scanner.h"
#include "convert/marker_scanner.h"
#include "convert/output_buffer.h"
#include "convert/remap_numbers.h"
#include "convert/scope_tag_scanner.h"
#include "module/base/host_script.h"

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

// What a backslash may begin, told by the byte after it. One lookup sends
// each backslash of the head to the only test that can apply to it.
enum class TagStart : std::uint8_t {
  none,
  scope,      // `\p[...]`
  surface,    // `\s[N]`, also a character tag; or another character tag
  balloon,    // `\b[N]`
  character,  // `\i[`, `\![`, `\__w[`, `\4`, `\5`
};

constexpr std::array<TagStart, 256> tagStarts = [] {
  std::array<TagStart, 256> starts{};
  starts['p'] = TagStart::scope;
  starts['s'] = TagStart::surface;
  starts['b'] = TagStart::balloon;
  for (const char byte : {'i', '!', '_', '4', '5'}) starts[static_cast<unsigned char>(byte)] = TagStart::character;
  return starts;
}();

class HeadRewriter {
 public:
  HeadRewriter(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope, std::string_view text)
      : text_(text),
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
    // A backslash inside a tag already rewritten begins none.
    for (std::size_t at = text_.find('\\'); at != std::string_view::npos;
         at = text_.find('\\', std::max(at + 1, copied_))) {
      switch (tagStarts[static_cast<unsigned char>(byteAt(text_, at + 1))]) {
        case TagStart::none:
          break;
        case TagStart::scope:
          if (scopeTags_.startsAt(at)) return finishHead(out, at);
          break;
        case TagStart::balloon:
          if (shiftsBalloons_) appendNumberTag(out, at, balloons_);
          break;
        case TagStart::surface:
          if (appendSurfaceTag(out, at)) break;
          [[fallthrough]];
        case TagStart::character:
          appendCharacterTag(out, at);
          break;
      }
    }
    return finishHead(out, text_.size());
  }

 private:
  std::size_t finishHead(OutputBuffer& out, std::size_t headEnd) {
    copyText(out, copied_, headEnd);
    return headEnd;
  }

  // The text's bytes [from, to).
  void copyText(OutputBuffer& out, std::size_t from, std::size_t to) const {
    out.appendStretch(text_.data() + from, to - from, text_.size() - from);
  }

  void appendShiftedTag(OutputBuffer& out, const NumberTag& tag, const NumberShift& shift) const {
    char* const to = out.room(longestShiftedTag);
    out.written(static_cast<std::size_t>(writeShiftedTag(to, tag, shift) - to));
  }

  // Appends the text up to the number tag at `at` and the tag shifted, if
  // there is such a tag.
  bool appendNumberTag(OutputBuffer& out, std::size_t at, const NumberShift& shift) {
    const auto tag = numberTagAt(text_, shift.letter, at);
    if (!tag) return false;
    copyText(out, copied_, at);
    appendShiftedTag(out, *tag, shift);
    copied_ = tag->tag.end;
    return true;
  }

  // A surface tag `\s[N]` is also the character tag `\s[...]`: the first
  // `]` after its `[` is its own, and it holds no `\p[`. The most frequent
  // character tag of talk is so wrapped without a search of its span.
  bool appendSurfaceTag(OutputBuffer& out, std::size_t at) {
    const auto tag = numberTagAt(text_, 's', at);
    if (!tag) return false;
    copyText(out, copied_, at);
    // The three pieces are written into room made once.
    char* const start = out.room(sizeof characterSwitch_.bytes + longestShiftedTag + sizeof textSwitch_.bytes);
    char* const end = textSwitch_.copyTo(writeShiftedTag(characterSwitch_.copyTo(start), *tag, surfaces_));
    out.written(static_cast<std::size_t>(end - start));
    copied_ = tag->tag.end;
    return true;
  }

  // The shift of the numbered tag that the backslash at `at` of `text` may
  // begin: surface tags always, balloon tags while conversion is on.
  const NumberShift* shiftAfter(std::string_view text, std::size_t at) const {
    switch (byteAt(text, at + 1)) {
      case 's':
        return &surfaces_;
      case 'b':
        return shiftsBalloons_ ? &balloons_ : nullptr;
      default:
        return nullptr;
    }
  }

  // Appends the text up to the character tag at `at` and the tag wrapped in
  // scope switches, with its numbers shifted, if there is such a tag. When
  // the tag reaches into a scope tag it is none; the scope tag found is
  // remembered, so that no later span is searched up to it again.
  bool appendCharacterTag(OutputBuffer& out, std::size_t at) {
    const auto tagEnd = characterTags_.tagEndAt(at);
    if (!tagEnd || *tagEnd > scopeTagInSpan_) return false;
    const std::size_t end = *tagEnd;
    const std::size_t mark = out.size();
    copyText(out, copied_, at);
    // Redundant switches are kept, also when both scopes are the same.
    out.append(characterSwitch_);
    const std::string_view tag = text_.substr(0, end);
    std::size_t tagCopied = at;
    for (std::size_t inner = at; inner != std::string_view::npos; inner = tag.find('\\', inner + 1)) {
      if (hasAt(tag, inner + 1, "p[")) {
        scopeTagInSpan_ = inner;
        out.truncate(mark);
        return false;
      }
      const NumberShift* const shift = shiftAfter(tag, inner);
      const auto numbered = shift != nullptr ? numberTagAt(tag, shift->letter, inner) : std::nullopt;
      if (!numbered) continue;
      copyText(out, tagCopied, inner);
      appendShiftedTag(out, *numbered, *shift);
      tagCopied = numbered->tag.end;
      inner = tagCopied - 1;
    }
    copyText(out, tagCopied, end);
    out.append(textSwitch_);
    copied_ = end;
    return true;
  }

  std::string_view text_;
  CharacterTagScanner characterTags_;
  ScopeTagScanner scopeTags_;
  // The text before it is in the result.
  std::size_t copied_ = 0;
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
