// Recognition of the character tags, alternative by alternative, in the order
// of their lists.
//
// An alternative whose opening or word fits but whose rest does not gives way
// to the next one, as in the tag pattern's alternation, so words may share
// first letters or begin one another. Of a lazy span only the nearest end can
// lead to a match: words hold no `]` and no line break, so a later `repaint`
// or setting name on the same line still has no `]` before the line break
// that made the nearest one fail.
#include "convert/character_tag_scanner.h"

namespace zef {

CharacterTagScanner::CharacterTagScanner(std::string_view text)
    : text_(text), close_(text, FindCloseOrBreak{}), repaint_(text), settingName_(text) {}

std::optional<std::size_t> CharacterTagScanner::tagEndAt(std::size_t at) {
  if (byteAt(text_, at) != '\\') return std::nullopt;
  for (const TagOpening& opening : characterTagOpenings) {
    if (!hasAt(text_, at + 1, opening.bytes)) continue;
    const std::size_t from = at + 1 + opening.bytes.size();
    const std::size_t end = opening.rest == TagRest::blanksThenWord ? wordTagEnd(opening.words, skipBlanks(text_, from))
                                                                    : restEnd(opening.rest, from);
    if (end != noTag) return end;
  }
  return std::nullopt;
}

// The end of the tag whose word, one of `words`, would begin at `wordAt`, or
// noTag.
std::size_t CharacterTagScanner::wordTagEnd(std::span<const TagWord> words, std::size_t wordAt) {
  for (const TagWord& word : words) {
    if (!hasAt(text_, wordAt, word.word)) continue;
    const std::size_t end = restEnd(word.rest, wordAt + word.word.size());
    if (end != noTag) return end;
  }
  return noTag;
}

// The end of the tag whose `rest` would begin at `from`, or noTag. Words are
// taken by wordTagEnd.
std::size_t CharacterTagScanner::restEnd(TagRest rest, std::size_t from) {
  switch (rest) {
    case TagRest::nothing:
      return from;
    case TagRest::digit:
      return isAsciiDigit(byteAt(text_, from)) ? from + 1 : noTag;
    case TagRest::close:
      return closeEnd(close_.next(from));
    case TagRest::repaintThenClose:
      return wordThenCloseEnd(repaint_, from);
    case TagRest::settingThenClose:
      return wordThenCloseEnd(settingName_, from);
    case TagRest::blanksThenWord:
      break;
  }
  return noTag;
}

// The end of a span that a search for `]` or a line break stopped at `stop`.
std::size_t CharacterTagScanner::closeEnd(std::size_t stop) const {
  return stop < text_.size() && text_[stop] == ']' ? stop + 1 : noTag;
}

template <const WordSet& words>
std::size_t CharacterTagScanner::wordThenCloseEnd(WordThenClose<words>& span, std::size_t from) {
  const std::size_t found = span.word.next(from);
  if (found >= text_.size() || isLineBreak(text_[found])) return noTag;
  return closeEnd(span.close.next(found + words.lengthAt(text_, found)));
}

}  // namespace zef
