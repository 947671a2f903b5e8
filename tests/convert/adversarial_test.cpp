// Utterances of a megabyte built to make a backtracking matcher recurse deeply
// or rescan the same line for every tag: each must be converted correctly on a
// thread with a 256 KiB stack.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "convert/small_stack_thread.h"
#include "convert/utterance.h"

namespace zef {
namespace {

constexpr std::size_t megabyte = 1 << 20;
constexpr std::size_t smallStack = 256 * 1024;

std::string times(std::string_view piece, std::size_t count) {
  std::string text;
  text.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) text += piece;
  return text;
}

// How often `piece` goes into a megabyte, rounded up.
std::size_t countInMegabyte(std::string_view piece) { return (megabyte + piece.size() - 1) / piece.size(); }

std::string repeated(std::string_view piece) { return times(piece, countInMegabyte(piece)); }

ModuleState exampleState() {
  ModuleState state;
  state.balloonOffset = 2;
  state.surfaceOffsets = {-5, 100};
  return state;
}

std::string convertOnSmallStack(std::string_view text) {
  std::string result;
  const bool ran = test::runOnSmallStack(smallStack, [&] { result = convertUtterance(exampleState(), 1, 13, text); });
  EXPECT_TRUE(ran) << "no thread with a small stack";
  return result;
}

// Texts in which no tag ever closes come back unchanged.
TEST(Adversarial, UnclosedTagsOnOneLineStayText) {
  for (const std::string_view piece : {"\\![set,x", "\\p[", "\\s[", "\\i[", "\\![lock", "\\![unlock,repaint",
                                       "\\![set,alpha", "\\![reset,zorder ", "\\__w[ animation", "\\![ move"}) {
    const std::string text = repeated(piece);
    EXPECT_EQ(convertOnSmallStack(text), text) << piece;
  }
}

TEST(Adversarial, OneLongBlankRunInsideATag) {
  for (const std::string_view opening : {"\\![", "\\__w[", "\\p[", "\\s[", "\\b["}) {
    const std::string text = std::string(opening) + repeated(" ") + "x";
    EXPECT_EQ(convertOnSmallStack(text), text) << opening;
  }
  const std::string marker = "\\p[" + repeated(" ") + "zef" + repeated(" ") + "]";
  EXPECT_EQ(convertOnSmallStack(marker), "\\p[13]");
}

// Every `\![set,` waits for the one `alpha` at the end of the line, while the
// surface tags between them close at once: the span up to `alpha` must be
// searched once, not once per `\![set,`.
TEST(Adversarial, ManySettingSpansShareOneFarName) {
  const std::string_view piece = "\\![set,\\s[]";
  const std::string_view wrappedPiece = "\\![set,\\p[1]\\s[]\\p[13]";
  const std::string end = "alpha" + repeated("x") + "\n";
  EXPECT_EQ(convertOnSmallStack(repeated(piece) + end), times(wrappedPiece, countInMegabyte(piece)) + end);
}

// Every `\![set,` finds its setting name only behind the scope tag that
// ends the head: the way up to that tag must be searched once, not once per
// `\![set,`.
TEST(Adversarial, ManySettingSpansReachIntoTheScopeTag) {
  const std::string text = repeated("\\![set,") + "\\p[0]alpha]";
  EXPECT_EQ(convertOnSmallStack(text), text);
}

// Each tag finds its word a few bytes on, or its line ends a few bytes on,
// in a line of a megabyte: no search may read on to the end of the line.
TEST(Adversarial, ManySpansEndingNearby) {
  for (const std::string_view piece : {"\\![set,alpha,50]ab", "\\![unlock,repaint]ab"}) {
    const std::string wrapped = "\\p[1]" + std::string(piece.substr(0, piece.size() - 2)) + "\\p[13]ab";
    EXPECT_EQ(convertOnSmallStack(repeated(piece)), times(wrapped, countInMegabyte(piece))) << piece;
  }
  for (const std::string_view piece : {"\\![set,x\r", "\\![lock,x\n", "\\![set,alpha\r", "\\s[\r"}) {
    const std::string text = repeated(piece);
    EXPECT_EQ(convertOnSmallStack(text), text) << piece;
  }
}

TEST(Adversarial, ManyTagsOfEveryKind) {
  const std::string_view piece = "\\s[1]\\4\\![move]\\b[0]\\![set,alpha]";
  const std::string_view convertedPiece =
      "\\p[1]\\s[101]\\p[13]\\p[1]\\4\\p[13]\\p[1]\\![move]\\p[13]\\b[2]\\p[1]\\![set,alpha]\\p[13]";
  EXPECT_EQ(convertOnSmallStack(repeated(piece)), times(convertedPiece, countInMegabyte(piece)));
  EXPECT_EQ(convertOnSmallStack(repeated("\\p[zef]")), times("\\p[13]", countInMegabyte("\\p[zef]")));
}

TEST(Adversarial, ShiftingAMegabyteOfBalloonTags) {
  EXPECT_EQ(convertOnSmallStack(repeated("\\b[0]")), repeated("\\b[2]"));
}

}  // namespace
}  // namespace zef
