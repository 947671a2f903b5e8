// The backslash cursor and masks against a plain search, for queries in order
// (as the rewriting asks them) and out of order, on texts around the chunk
// and batch sizes.
#include "convert/byte_cursor.h"

#include <gtest/gtest.h>

#include "convert/byte_masks.h"

#include <random>
#include <string>

namespace zef {
namespace {

std::string randomText(std::mt19937& random, std::size_t longest = 200) {
  std::string text(random() % longest, 'x');
  for (char& byte : text) {
    if (random() % 8 == 0) byte = '\\';
  }
  return text;
}

TEST(ByteCursor, FindsWhatAPlainSearchFinds) {
  std::mt19937 random(11);
  for (int round = 0; round < 2000; ++round) {
    const std::string text = randomText(random);
    const auto expected = [&](std::size_t from) { return std::min(text.find('\\', from), text.size()); };
    ByteCursor forward(text, '\\');
    for (std::size_t from = 0; from <= text.size() + 1; from += random() % 5) {
      ASSERT_EQ(forward.next(from), expected(from)) << text << " from " << from;
    }
    ByteCursor anyOrder(text, '\\');
    for (int query = 0; query < 20; ++query) {
      const std::size_t from = random() % (text.size() + 1);
      ASSERT_EQ(anyOrder.next(from), expected(from)) << text << " from " << from;
    }
  }
}

// The mask of the 64 bytes from `at`, bit by bit.
std::uint64_t plainMask(std::string_view text, std::size_t at) {
  std::uint64_t mask = 0;
  for (std::size_t offset = 0; offset < byteMaskWidth && at + offset < text.size(); ++offset) {
    if (text[at + offset] == '\\') mask |= std::uint64_t{1} << offset;
  }
  return mask;
}

TEST(ByteMasks, MatchThePlainMasks) {
  std::mt19937 random(13);
  for (int round = 0; round < 300; ++round) {
    // Up to a few batches of blocks.
    const std::string text = randomText(random, 3000);
    ByteMasks masks(text, '\\');
    ASSERT_EQ(masks.blockCount() * byteMaskWidth >= text.size(), true);
    for (std::size_t block = 0; block < masks.blockCount(); ++block) {
      const std::size_t at = block * byteMaskWidth;
      ASSERT_EQ(masks.of(block), plainMask(text, at)) << "block " << block << " of " << text.size() << " bytes";
      ASSERT_EQ(byteMask(text, at, '\\'), plainMask(text, at));
#if defined(ZEF_AVX2_AVAILABLE)
      if (platform::hasAvx2() && at + byteMaskWidth <= text.size()) {
        std::uint64_t wide = 0;
        wideByteMasks(text.data() + at, '\\', &wide, 1);
        ASSERT_EQ(wide, plainMask(text, at));
      }
#endif
    }
  }
}

}  // namespace
}  // namespace zef
