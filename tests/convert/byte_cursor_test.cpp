// The backslash cursor against a plain search, for queries in order (as the
// rewriting asks them) and out of order, on texts around the chunk size.
#include "convert/byte_cursor.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zef {
namespace {

std::string randomText(std::mt19937& random) {
  std::string text(random() % 200, 'x');
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

}  // namespace
}  // namespace zef
