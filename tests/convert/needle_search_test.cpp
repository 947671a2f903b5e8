// The word search, by blocks and by skipping, against a plain search for each
// word.
#include "convert/needle_search.h"

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
constexpr std::array<std::string_view, 20> pieces = {
    "al", "ig", "nment", "to", "desktop", "sc", "aling", "alpha", "pha", "pos", "ition", "zor", "der",
    "sticky", "-window", "x", " ", "a", "some longer words", "\\n",
};

std::size_t plainFind(std::string_view text, std::size_t from) {
  std::size_t first = text.size();
  for (const std::string_view name : names) first = std::min(first, text.find(name, from));
  return first;
}

TEST(NeedleSearch, FindsWhatAPlainSearchFinds) {
  constexpr NeedleSearch<6> search(names);
  std::mt19937 random(7);
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    const auto count = random() % 40;
    for (std::uint32_t i = 0; i < count; ++i) {
      text += pieces[random() % pieces.size()];
    }
    for (std::size_t from = 0; from <= text.size(); ++from) {
      const std::size_t expected = plainFind(text, from);
      ASSERT_EQ(search.find(text, from), expected) << text << " from " << from;
      ASSERT_EQ(search.findBySkipping(text, from), expected) << text << " from " << from;
#if defined(ZEF_SSE2_BLOCKS)
      ASSERT_EQ(search.findByBlocks(text, from), expected) << text << " from " << from;
#endif
#if defined(ZEF_AVX2_AVAILABLE)
      if (platform::hasAvx2()) ASSERT_EQ(search.findByWideBlocks(text, from), expected) << text << " from " << from;
#endif
    }
  }
}

TEST(NeedleSearch, OneWordAtTheVeryEnd) {
  constexpr NeedleSearch<1> search({std::string_view("repaint")});
  EXPECT_EQ(search.find("xxrepaint", 0), 2u);
  EXPECT_EQ(search.find("xxrepain", 0), 8u);
  EXPECT_EQ(search.find("repaint", 1), 7u);
  EXPECT_EQ(search.find("", 0), 0u);
  EXPECT_EQ(search.find("xx\rrepaint", 0), 3u);
  EXPECT_EQ(search.lengthAt("repaints", 0), 7u);
}

}  // namespace
}  // namespace zef
