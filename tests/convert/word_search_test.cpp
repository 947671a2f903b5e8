// The word search against a plain search for each word and for the line
// breaks.
#include "convert/character_tag_scanner.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace zef {
namespace {

// The words, their halves and a little else, so that near misses and
// overlaps are common. Line breaks are rare, so that the words are found
// across long lines too.
std::vector<std::string_view> pieces() {
  std::vector<std::string_view> pieces = {"x", " ", "a", "some longer words", "\\n"};
  for (const std::string_view name : settingNames) {
    pieces.push_back(name);
    pieces.push_back(name.substr(0, name.size() / 2));
    pieces.push_back(name.substr(name.size() / 2));
  }
  return pieces;
}


std::size_t plainFind(std::string_view text, std::size_t from) {
  std::size_t first = std::min(text.find_first_of("\r\n", from), text.size());
  for (const std::string_view name : settingNames) first = std::min(first, text.find(name, from));
  return first;
}

TEST(WordSearch, FindsWhatAPlainSearchFinds) {
  std::mt19937 random(7);
  const std::vector<std::string_view> wordPieces = pieces();
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const auto count = random() % 80;
    for (std::uint32_t i = 0; i < count; ++i) {
      text += random() % 50 == 0 ? (random() % 2 == 0 ? "\r" : "\n") : wordPieces[random() % wordPieces.size()];
    }
    for (std::size_t from = 0; from <= text.size(); ++from) {
      const std::size_t expected = plainFind(text, from);
      ASSERT_EQ(settingNameSet.findWordOrLineBreak(text, from), expected) << text << " from " << from;
    }
  }
}

TEST(WordSearch, OneWordAtTheVeryEnd) {
  EXPECT_EQ(repaintSet.findWordOrLineBreak("xxrepaint", 0), 2u);
  EXPECT_EQ(repaintSet.findWordOrLineBreak("xxrepain", 0), 8u);
  EXPECT_EQ(repaintSet.findWordOrLineBreak("repaint", 1), 7u);
  EXPECT_EQ(repaintSet.findWordOrLineBreak("", 0), 0u);
  EXPECT_EQ(repaintSet.findWordOrLineBreak("xx\rrepaint", 0), 2u);
  EXPECT_EQ(repaintSet.findWordOrLineBreak("xx\trepaint", 0), 3u);
  EXPECT_EQ(repaintSet.lengthAt("repaints", 0), 7u);
}

}  // namespace
}  // namespace zef
