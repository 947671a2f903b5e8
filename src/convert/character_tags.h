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
#include <cstddef>
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

// What follows from the lists.

// For each byte, the entries of a list that begin with it: bit i for entry i.
// The byte after a backslash, and the first byte of a command, so lead
// straight to the few entries that may fit, in the order of their list.
using FirstByteBits = std::array<std::uint32_t, 256>;

template <typename Entry>
constexpr FirstByteBits firstByteBits(std::span<const Entry> list, std::string_view Entry::*bytes) {
  FirstByteBits bits{};
  for (std::size_t index = 0; index < list.size(); ++index) {
    bits[static_cast<unsigned char>((list[index].*bytes).front())] |= std::uint32_t{1} << index;
  }
  return bits;
}

// For each byte after a backslash, the openings that begin with it; no bit
// set: no character tag begins there.
inline constexpr FirstByteBits openingsByFirstByte =
    firstByteBits(std::span<const TagOpening>(characterTagOpenings), &TagOpening::bytes);

// For each opening, the same of its words.
inline constexpr auto wordsByFirstByte = [] {
  std::array<FirstByteBits, characterTagOpenings.size()> bits{};
  for (std::size_t index = 0; index < characterTagOpenings.size(); ++index) {
    bits[index] = firstByteBits(characterTagOpenings[index].words, &TagWord::word);
  }
  return bits;
}();

namespace detail {

// Words hold no `]` and no line break (the scanner follows only the nearest
// end of a lazy span), begin with no blank (blanks before them are skipped)
// and have two bytes or more (the word search tests the second byte).
constexpr bool isPlainWord(std::string_view word) {
  return word.size() >= 2 && word.front() != ' ' && word.find_first_of("]\r\n") == std::string_view::npos;
}

constexpr bool listsAreWellFormed() {
  const auto wordsFit = [](std::span<const TagWord> words) {
    return words.size() <= 32 && std::all_of(words.begin(), words.end(), [](const TagWord& word) {
             return word.rest != TagRest::blanksThenWord && isPlainWord(word.word);
           });
  };
  const auto allOf = [](const auto& list, const auto& test) { return std::all_of(list.begin(), list.end(), test); };
  const bool openingsFit = allOf(characterTagOpenings, [&](const TagOpening& opening) {
    const bool takesWords = opening.rest == TagRest::blanksThenWord;
    return !opening.bytes.empty() && takesWords == !opening.words.empty() && wordsFit(opening.words);
  });
  return characterTagOpenings.size() <= 32 && openingsFit && allOf(settingNames, isPlainWord) &&
         allOf(repaintWords, isPlainWord);
}

}  // namespace detail

static_assert(detail::listsAreWellFormed(), "see isPlainWord; at most 32 entries a list");

}  // namespace zef
