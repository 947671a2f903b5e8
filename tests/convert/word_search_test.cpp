// The word search against a plain search for each word and for the line
// breaks.
#include "convert/word_search.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace zef {
namespace {

constexpr std::array<std::string_view, 6> names = {
    "alignmenttodesktop", "scaling", "alpha", "position", "zorder", "sticky-window",
};

// Pieces of the words, so that near misses and overlaps are common.
// Line breaks are rare, so that the words are found across long lines too.
constexpr std::array<std::string_view, 20> pieces = {
    "al", "ig", "nment", "to", "desktop", "sc", "aling", "alpha", "pha", "pos", "ition", "zor", "der",
    "sticky", "-window", "x", " ", "a", "some longer words", "\\n",
};

constexpr WordSet settingNames(names);
constexpr std::array<std::string_view, 1> repaintWord = {"repaint"};
constexpr WordSet repaint(repaintWord);

std::size_t plainFind(std::string_view text, std::size_t from) {
  std::size_t first = std::min(text.find_first_of("\r\n", from), text.size());
  for (const std::string_view name : names) first = std::min(first, text.find(name, from));
  return first;
}

TEST(WordSearch, FindsWhatAPlainSearchFinds) {
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const auto count = random() % 80;
    for (std::uint32_t i = 0; i < count; ++i) {
      text += random() % 50 == 0 ? (random() % 2 == 0 ? "\r" : "\n") : pieces[random() % pieces.size()];
    }
    for (std::size_t from = 0; from <= text.size(); ++from) {
      const std::size_t expected = plainFind(text, from);
      ASSERT_EQ(settingNames.findWordOrLineBreak(text, from), expected) << text << " from " << from;
    }
  }
}

TEST(WordSearch, OneWordAtTheVeryEnd) {
  EXPECT_EQ(repaint.findWordOrLineBreak("xxrepaint", 0), 2u);
  EXPECT_EQ(repaint.findWordOrLineBreak("xxrepain", 0), 8u);
  EXPECT_EQ(repaint.findWordOrLineBreak("repaint", 1), 7u);
  EXPECT_EQ(repaint.findWordOrLineBreak("", 0), 0u);
  EXPECT_EQ(repaint.findWordOrLineBreak("xx\rrepaint", 0), 2u);
  EXPECT_EQ(repaint.findWordOrLineBreak("xx\trepaint", 0), 3u);
  EXPECT_EQ(repaint.lengthAt("repaints", 0), 7u);
}

}  // namespace
}  // namespace zef
