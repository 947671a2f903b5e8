// Recognition of the character tags, alternative by alternative.
//
// The byte after the backslash decides which alternative can apply, and so
// does the first byte of a host command word, so no alternative ever has to
// be undone and retried. Of the lazy spans only the nearest end can lead to a
// match: a later `repaint` or setting name on the same line still has no `]`
// before the line break that made the nearest one fail.
#include "convert/character_tag_scanner.h"

#include <array>

#include "convert/word_search.h"

namespace zef {

namespace {

constexpr std::array<std::string_view, 1> repaintWord = {"repaint"};
constexpr WordSet repaintWords(repaintWord);

constexpr std::array<std::string_view, 6> settingNameWords = {
    "alignmenttodesktop", "scaling", "alpha", "position", "zorder", "sticky-window",
};
constexpr WordSet settingNames(settingNameWords);

}  // namespace

std::size_t FindRepaint::operator()(std::string_view text, std::size_t from) const {
  return repaintWords.findWordOrLineBreak(text, from);
}

std::size_t FindSettingName::operator()(std::string_view text, std::size_t from) const {
  return settingNames.findWordOrLineBreak(text, from);
}

CharacterTagScanner::CharacterTagScanner(std::string_view text)
    : text_(text),
      closeAfterWord_(text, FindCloseOrBreak{}),
      repaint_(text, FindRepaint{}),
      closeAfterRepaint_(text, FindCloseOrBreak{}),
      settingName_(text, FindSettingName{}),
      closeAfterSettingName_(text, FindCloseOrBreak{}) {}

std::optional<std::size_t> CharacterTagScanner::tagEndAt(std::size_t at) {
  if (byteAt(text_, at) != '\\') return std::nullopt;
  const std::size_t kind = at + 1;
  switch (byteAt(text_, kind)) {
    case 's':
      if (byteAt(text_, kind + 1) == '[') return closeAfterWord(kind + 2);
      if (isAsciiDigit(byteAt(text_, kind + 1))) return kind + 2;
      return std::nullopt;
    case 'i':
      if (byteAt(text_, kind + 1) == '[') return closeAfterWord(kind + 2);
      return std::nullopt;
    case '!':
      if (byteAt(text_, kind + 1) == '[') return hostCommandEnd(skipBlanks(text_, kind + 2));
      return std::nullopt;
    case '_':
      if (!hasAt(text_, kind, "__w[")) return std::nullopt;
      if (const std::size_t word = skipBlanks(text_, kind + 4); hasAt(text_, word, "animation")) {
        return closeAfterWord(word + 9);
      }
      return std::nullopt;
    case '4':
    case '5':
      return kind + 1;
    default:
      return std::nullopt;
  }
}

// The end of a host command acting on the character, whose word would begin
// at `wordAt`. The words begin with different letters.
std::optional<std::size_t> CharacterTagScanner::hostCommandEnd(std::size_t wordAt) {
  switch (byteAt(text_, wordAt)) {
    case 'a':
      if (hasAt(text_, wordAt, "anim")) return closeAfterWord(wordAt + 4);
      return std::nullopt;
    case 'b':
      if (hasAt(text_, wordAt, "bind")) return closeAfterWord(wordAt + 4);
      return std::nullopt;
    case 'u':
      if (hasAt(text_, wordAt, "unlock")) return lockEnd(wordAt + 6);
      return std::nullopt;
    case 'l':
      if (hasAt(text_, wordAt, "lock")) return lockEnd(wordAt + 4);
      return std::nullopt;
    case 'r':
      if (hasAt(text_, wordAt, "reset")) return settingEnd(wordAt + 5);
      return std::nullopt;
    case 's':
      if (hasAt(text_, wordAt, "set")) return settingEnd(wordAt + 3);
      return std::nullopt;
    case 'e':
      if (hasAt(text_, wordAt, "effect")) return closeAfterWord(wordAt + 6);
      return std::nullopt;
    case 'f':
      if (hasAt(text_, wordAt, "filter")) return closeAfterWord(wordAt + 6);
      return std::nullopt;
    case 'm':
      if (hasAt(text_, wordAt, "move")) return closeAfterWord(wordAt + 4);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

// Up to and including the first `]` after a fixed command word, if no line
// break comes first.
std::optional<std::size_t> CharacterTagScanner::closeAfterWord(std::size_t wordEnd) {
  const std::size_t stop = closeAfterWord_.next(wordEnd);
  if (stop < text_.size() && text_[stop] == ']') return stop + 1;
  return std::nullopt;
}

// Whether a word search stopped on its word rather than at a line break or
// the end of the text.
bool CharacterTagScanner::foundWordAt(std::size_t found) const {
  return found < text_.size() && !isLineBreak(text_[found]);
}

// `lock` ... `repaint` ... `]`.
std::optional<std::size_t> CharacterTagScanner::lockEnd(std::size_t lockWordEnd) {
  const std::size_t found = repaint_.next(lockWordEnd);
  if (!foundWordAt(found)) return std::nullopt;
  const std::size_t stop = closeAfterRepaint_.next(found + repaintWords.lengthAt(text_, found));
  if (stop < text_.size() && text_[stop] == ']') return stop + 1;
  return std::nullopt;
}

// `set` ... setting name ... `]`.
std::optional<std::size_t> CharacterTagScanner::settingEnd(std::size_t setWordEnd) {
  const std::size_t found = settingName_.next(setWordEnd);
  if (!foundWordAt(found)) return std::nullopt;
  const std::size_t stop = closeAfterSettingName_.next(found + settingNames.lengthAt(text_, found));
  if (stop < text_.size() && text_[stop] == ']') return stop + 1;
  return std::nullopt;
}

}  // namespace zef
