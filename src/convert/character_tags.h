// The character tags: the tags of an utterance that act on the character
// itself (its surface, its animations, its position, its window) and so must
// run in its scope. Their rules are written here once, as lists; the scanner
// follows the lists, and the rewriting's test of the byte after a backslash
// is made from them.
//
// A character tag is a backslash and the first opening below whose rest
// fits, tried in the order listed; for `![` and `__w[` the rest is blanks
// and the first word of its list whose own rest fits. "Up to" takes the
// nearest occurrence and never crosses a line break. A host command word only
// has to begin the command: `move` also covers `moveasync`.
//
// Adding a command word is one line in its list (and its test); words may
// share first letters, and one word may even begin another.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace zef {

// What has to follow an opening or a word for the tag to be whole.
enum class TagRest : std::uint8_t {
  nothing,             // the tag ends there
  digit,               // one ASCII digit
  close,               // anything up to the first `]`
  repaintThenClose,    // up to the first `repaint`, then up to the first `]`
  settingThenClose,    // up to the first setting name, then up to the first `]`
  blanksThenWord,      // blanks, then one of the opening's words and its rest
};

struct TagWord {
  std::string_view word;
  TagRest rest;
};

struct TagOpening {
  std::string_view bytes;  // after the backslash
  TagRest rest;
  std::span<const TagWord> words = {};  // for TagRest::blanksThenWord
};

// The host commands `\![...]` that act on the character.
inline constexpr auto hostCommandWords = std::to_array<TagWord>({
    {"anim", TagRest::close},
    {"bind", TagRest::close},
    {"unlock", TagRest::repaintThenClose},
    {"lock", TagRest::repaintThenClose},
    {"reset", TagRest::settingThenClose},
    {"set", TagRest::settingThenClose},
    {"effect", TagRest::close},
    {"filter", TagRest::close},
    {"move", TagRest::close},
});

// The wait for an animation, `\__w[animation,...]`.
inline constexpr auto animationWaitWords = std::to_array<TagWord>({
    {"animation", TagRest::close},
});

inline constexpr auto characterTagOpenings = std::to_array<TagOpening>({
    {"s[", TagRest::close},
    {"i[", TagRest::close},
    {"![", TagRest::blanksThenWord, hostCommandWords},
    {"__w[", TagRest::blanksThenWord, animationWaitWords},
    {"s", TagRest::digit},
    {"4", TagRest::nothing},
    {"5", TagRest::nothing},
});

// The settings that `set` and `reset` move to the character.
inline constexpr auto settingNames = std::to_array<std::string_view>({
    "alignmenttodesktop",
    "scaling",
    "alpha",
    "position",
    "zorder",
    "sticky-window",
});

inline constexpr auto repaintWords = std::to_array<std::string_view>({"repaint"});

// Whether a character tag may begin with this byte after the backslash: the
// rewriting's quick test, made from the openings.
constexpr bool opensCharacterTag(char byte) {
  return std::any_of(characterTagOpenings.begin(), characterTagOpenings.end(), [byte](const TagOpening& opening) {
    return opening.bytes.front() == byte;
  });
}

namespace detail {

// Words hold no `]` and no line break (the scanner follows only the nearest
// end of a lazy span), begin with no blank (blanks before them are skipped)
// and have two bytes or more (the word search tests the second byte).
constexpr bool isPlainWord(std::string_view word) {
  return word.size() >= 2 && word.front() != ' ' && word.find_first_of("]\r\n") == std::string_view::npos;
}

constexpr bool listsAreWellFormed() {
  for (const TagOpening& opening : characterTagOpenings) {
    const bool takesWords = opening.rest == TagRest::blanksThenWord;
    if (opening.bytes.empty() || takesWords == opening.words.empty()) return false;
    for (const TagWord& word : opening.words) {
      if (word.rest == TagRest::blanksThenWord || !isPlainWord(word.word)) return false;
    }
  }
  const auto plain = [](const auto& words) { return std::all_of(words.begin(), words.end(), isPlainWord); };
  return plain(settingNames) && plain(repaintWords);
}

}  // namespace detail

static_assert(detail::listsAreWellFormed(), "see isPlainWord");

}  // namespace zef
