// Finds the character tags of an utterance's head, as the lists of
// character_tags.h define them, in one linear scan without recursion: each
// lazy span is found through a ForwardSearch (script_bytes.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "convert/character_tags.h"
#include "convert/script_bytes.h"
#include "convert/word_search.h"

namespace zef {

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

  std::size_t wordTagEnd(std::size_t opening, std::size_t wordAt);
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
