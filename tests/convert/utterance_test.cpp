// The rewriting of one utterance: worked cases and the edges of each tag kind.
#include "convert/utterance.h"

#include <gtest/gtest.h>

#include <string>

namespace zef {
namespace {

// Character 1 speaks into balloon scope 13; its surfaces are 100 higher, the
// extra balloons 2.
ModuleState exampleState(bool enabled = true) {
  ModuleState state;
  state.enabled = enabled;
  state.balloonOffset = 2;
  state.surfaceOffsets = {-5, 100};
  return state;
}

std::string convert(std::string_view text, bool enabled = true) {
  return convertUtterance(exampleState(enabled), 1, enabled ? 13 : 1, text);
}

TEST(ConvertUtterance, WorkedExamples) {
  EXPECT_EQ(convert(R"(\s[5]Hello.\w9\![move,--X=10]How are\i[3] you?\s[-1]\b[2]\4)"),
            R"(\p[1]\s[105]\p[13]Hello.\w9\p[1]\![move,--X=10]\p[13]How are\p[1]\i[3]\p[13] you?)"
            R"(\p[1]\s[-1]\p[13]\b[4]\p[1]\4\p[13])");
  EXPECT_EQ(convert(R"(\s[ 5 ]One\p[0]\s[7]Two\p[zef]Three\s[8])"),
            R"(\p[1]\s[105]\p[13]One\p[0]\s[7]Two\p[13]Three\s[8])");
  EXPECT_EQ(convert(R"(\s0hi\__w[animation,3]\![ anim,clear,2]\5\![lock,repaint]x)"),
            R"(\p[1]\s0\p[13]hi\p[1]\__w[animation,3]\p[13]\p[1]\![ anim,clear,2]\p[13]\p[1]\5\p[13])"
            R"(\p[1]\![lock,repaint]\p[13]x)");
  EXPECT_EQ(convert(R"(Intro\![set,windowstate,minimize]mid\![set,alpha,50]end)"),
            R"(Intro\p[1]\![set,windowstate,minimize]mid\![set,alpha,50]\p[13]end)");
  EXPECT_EQ(convert(R"(\s[10]\b[1]text\p[ zef ]more)", false), R"(\p[1]\s[110]\p[1]\b[1]text\p[1]more)");
}

TEST(ConvertUtterance, EmptyAndPlainText) {
  EXPECT_EQ(convert(""), "");
  EXPECT_EQ(convert("just words\\n\\w9\\_w[300]\\c\\e"), "just words\\n\\w9\\_w[300]\\c\\e");
}

TEST(ConvertUtterance, FirstScopeTagEndsTheHeadWhateverItHolds) {
  EXPECT_EQ(convert(R"(\4\p[0]\4)"), R"(\p[1]\4\p[13]\p[0]\4)");
  EXPECT_EQ(convert(R"(\4\p[ZEF]\4)"), R"(\p[1]\4\p[13]\p[ZEF]\4)");
  EXPECT_EQ(convert(R"(\4\p[zef]\4\p[zef   ]\p[Zef])"), R"(\p[1]\4\p[13]\p[13]\4\p[13]\p[Zef])");
  // Without its `]` on the same line `\p[` is text and the head goes on.
  EXPECT_EQ(convert("\\p[0\n\\4]"), "\\p[0\n\\p[1]\\4\\p[13]]");
  EXPECT_EQ(convert(R"(\p[\4)"), R"(\p[\p[1]\4\p[13])");
  // The short scope switches are no scope tags.
  EXPECT_EQ(convert(R"(\0\1\h\u\4)"), R"(\0\1\h\u\p[1]\4\p[13])");
}

TEST(ConvertUtterance, HeadIsRewrittenOnItsOwn) {
  // The `]` of the scope tag does not close a tag that was opened in the head.
  EXPECT_EQ(convert(R"(\s[x\p[2]y)"), R"(\s[x\p[2]y)");
  // Nor is a setting name behind it, while the tags before it are wrapped.
  EXPECT_EQ(convert(R"(\![set,x\p[1]alpha])"), R"(\![set,x\p[1]alpha])");
  EXPECT_EQ(convert(R"(\![set,\s[5]\p[1]alpha])"), R"(\![set,\p[1]\s[105]\p[13]\p[1]alpha])");
  // Nor does a surface number behind the scope tag move.
  EXPECT_EQ(convert(R"(a\p[2]\s[5]\b[0])"), R"(a\p[2]\s[5]\b[0])");
}

TEST(ConvertUtterance, LazySpansStopAtTheNearestEndOnTheSameLine) {
  // A setting name on the next line does not make a character tag.
  EXPECT_EQ(convert("\\![set,x]a\n\\![set,alpha,1]"), "\\![set,x]a\n\\p[1]\\![set,alpha,1]\\p[13]");
  EXPECT_EQ(convert("\\![lock]\\![unlock,repaint]"), "\\p[1]\\![lock]\\![unlock,repaint]\\p[13]");
  EXPECT_EQ(convert("\\![lock,repaint\n]"), "\\![lock,repaint\n]");
  EXPECT_EQ(convert("\\s[1\r]\\i[\n2]"), "\\s[1\r]\\i[\n2]");
  EXPECT_EQ(convert("\\![reset,sticky-window]\\![  effect]\\![bind]\\![filter]\\![unlock repaint]"),
            "\\p[1]\\![reset,sticky-window]\\p[13]\\p[1]\\![  effect]\\p[13]\\p[1]\\![bind]\\p[13]"
            "\\p[1]\\![filter]\\p[13]\\p[1]\\![unlock repaint]\\p[13]");
  // Other host commands and waits stay in the text scope.
  EXPECT_EQ(convert(R"(\![raise,x]\_w[animation]\w5\s)"), R"(\![raise,x]\_w[animation]\w5\s)");
}

TEST(ConvertUtterance, BackslashInsideDoubleByteCharacterCountsAsBackslash) {
  // 0x95 0x5C is one Shift-JIS character whose trail byte is a backslash.
  EXPECT_EQ(convert("\x95\\s[1]\x95\\4\\\\5"),
            "\x95\\p[1]\\s[101]\\p[13]\x95\\p[1]\\4\\p[13]\\\\p[1]\\5\\p[13]");
}

TEST(ConvertUtterance, SameScopeIsStillWrapped) {
  EXPECT_EQ(convertUtterance(exampleState(), 0, 0, R"(\4a)"), R"(\p[0]\4\p[0]a)");
}

TEST(ConvertUtterance, CharacterWithoutSurfaceOffsetKeepsItsSurfaces) {
  ModuleState state = exampleState();
  EXPECT_EQ(convertUtterance(state, 2, 14, R"(\s[5])"), R"(\p[2]\s[5]\p[14])");
  EXPECT_EQ(convertUtterance(state, -1, 14, R"(\s[5])"), R"(\p[-1]\s[5]\p[14])");
  state.surfaceOffsets.clear();
  EXPECT_EQ(convertUtterance(state, 0, 10, R"(\s[5])"), R"(\p[0]\s[5]\p[10])");
}

}  // namespace
}  // namespace zef
