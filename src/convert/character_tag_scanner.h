// Finds the character tags of an utterance's head, as the lists of
// character_tags.h define them, in one linear scan without recursion: each
// lazy span is found through a ForwardSearch (script_bytes.h).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "convert/character_tags.h"
#include "convert/script_bytes.h"

namespace zef {

// Finding the first of a few fixed words, or the line break that comes first:
// the lazy spans `lock`...`repaint` and `set`...setting name end at the
// nearest of their word or a line break; talk breaks its lines with the tag
// `\n`, so such a search often reads the whole rest of an utterance. It goes
// byte by byte and reads nothing beyond what it finds, so that searches from
// one position after another stay linear in all. A table of the words' first
// bytes rules out most positions, the second byte most of the rest: on talk
// this plain loop beats a library search per word (std::string_view::find
// stops at every common first letter; std::boyer_moore_horspool_searcher is
// slower still on words this short).
//
// The words: a few of at least two bytes, none holding a line break, kept in
// static storage.
class WordSet {
 public:
  constexpr explicit WordSet(std::span<const std::string_view> words) : words_(words) {
    for (const std::string_view word : words_) begins_[static_cast<unsigned char>(word.front())] = true;
  }

  // The length of the first of the words that begins at `at`, or 0.
  constexpr std::size_t lengthAt(std::string_view text, std::size_t at) const {
    for (const std::string_view word : words_) {
      // The second byte first: it rules out almost every candidate without
      // a call of the byte comparison.
      if (text.size() - at < word.size() || text[at + 1] != word[1]) continue;
      if (text.substr(at).starts_with(word)) return word.size();
    }
    return 0;
  }

  // The first position at or after `from` where one of the words begins or a
  // line break (CR or LF) stands, or text.size().
  constexpr std::size_t findWordOrLineBreak(std::string_view text, std::size_t from) const {
    for (std::size_t at = from; at < text.size(); ++at) {
      if (isLineBreak(text[at])) return at;
      if (begins_[static_cast<unsigned char>(text[at])] && lengthAt(text, at) != 0) return at;
    }
    return text.size();
  }

 private:
  std::span<const std::string_view> words_;
  // For each byte, whether a word begins with it.
  std::array<bool, 256> begins_{};
};

// The words that end the lazy spans.
inline constexpr WordSet repaintSet(repaintWords);
inline constexpr WordSet settingNameSet(settingNames);

// The next of the words, or the line break that comes first. The words are a
// constant, so that their bytes are compiled into the search.
template <const WordSet& words>
struct FindWordOrLineBreak {
  std::size_t operator()(std::string_view text, std::size_t from) const {
    return words.findWordOrLineBreak(text, from);
  }
};

class CharacterTagScanner {
 public:
  explicit CharacterTagScanner(std::string_view text);

  // The end of the character tag that begins at `at`, if one does. Asked
  // for positions that never go backwards, a whole scan takes linear time;
  // the answers are right in any order.
  std::optional<std::size_t> tagEndAt(std::size_t at);

 private:
  // A lazy span up to the first of the words, then up to the first `]`.
  template <const WordSet& words>
  struct WordThenClose {
    explicit WordThenClose(std::string_view text) : word(text, {}), close(text, {}) {}
    ForwardSearch<FindWordOrLineBreak<words>> word;
    ForwardSearch<FindCloseOrBreak> close;
  };

  // What the steps below answer when the tag does not fit.
  static constexpr std::size_t noTag = std::string_view::npos;

  std::size_t wordTagEnd(std::span<const TagWord> words, std::size_t wordAt);
  std::size_t restEnd(TagRest rest, std::size_t from);
  std::size_t closeEnd(std::size_t stop) const;
  template <const WordSet& words>
  std::size_t wordThenCloseEnd(WordThenClose<words>& span, std::size_t from);

  std::string_view text_;
  // One search per kind of lazy span: the positions each one is asked for
  // only move forward.
  ForwardSearch<FindCloseOrBreak> close_;
  WordThenClose<repaintSet> repaint_;
  WordThenClose<settingNameSet> settingName_;
};

}  // namespace zef
