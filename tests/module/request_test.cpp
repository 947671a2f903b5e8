// Parsing requests into argument lists, and framing responses.
#include <gtest/gtest.h>

#include <map>

#include "module/entries.h"
#include "module/command_table.h"
#include "module/request.h"
#include "platform/global_memory.h"
#include "support/saori_client.h"

namespace zef {
namespace {

using Lines = std::vector<std::string_view>;

ArgumentList argumentsOf(std::string_view text) { return requestArguments(text); }

TEST(SplitLines, CutsAtCrLfAndDropsEmptyPieces) {
  EXPECT_EQ(splitLines("", "\r\n"), Lines{});
  EXPECT_EQ(splitLines("\r\n\r\n", "\r\n"), Lines{});
  EXPECT_EQ(splitLines("a\r\n\r\nb\r\n", "\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(splitLines("no break", "\r\n"), Lines{"no break"});
  // A CR or LF outside a CR LF pair is an ordinary byte of its line.
  EXPECT_EQ(splitLines("a\rb\nc\n\r\nd\r", "\r\n"), (Lines{"a\rb\nc\n", "d\r"}));
}

TEST(CollectArguments, TakesEachArgumentByItsNumber) {
  // A gap is an empty value; the first line given for an index counts.
  EXPECT_EQ(argumentsOf("Argument0: a\r\nArgument2: c"), (ArgumentList{"a", "", "c"}));
  EXPECT_EQ(argumentsOf("Argument1: b\r\nArgument0: a\r\nArgument1: b2"), (ArgumentList{"a", "b"}));
  EXPECT_EQ(argumentsOf("Argument0: a\r\nArgument0: x\r\nArgument1: b"), (ArgumentList{"a", "b"}));
}

TEST(CollectArguments, IndicesNotBelowTheTextLengthAreIgnored) {
  const std::vector<std::string_view> lines = {"Argument0: a", "Argument4: e", "Argument5: f",
                                               "Argument99999999999999999999999: x"};
  EXPECT_EQ(collectArguments(lines, 5), (ArgumentList{"a", "", "", "", "e"}));
}

TEST(CollectArguments, KeysMatchExactly) {
  EXPECT_EQ(argumentsOf("Argument0:value"), ArgumentList{});
  EXPECT_EQ(argumentsOf(" Argument0: value"), ArgumentList{});
  EXPECT_EQ(argumentsOf("argument0: value"), ArgumentList{});
  EXPECT_EQ(argumentsOf("Argument00: value"), ArgumentList{});
  EXPECT_EQ(argumentsOf("Argument01: value\r\nArgument1x: value\r\nArgument: value"), ArgumentList{});
}

TEST(CollectArguments, ValuesAreTakenWhole) {
  EXPECT_EQ(argumentsOf("Argument0: x: y"), ArgumentList{"x: y"});
  EXPECT_EQ(argumentsOf("Argument0: "), ArgumentList{""});
  EXPECT_EQ(argumentsOf("Argument0:  x "), ArgumentList{" x "});
  EXPECT_EQ(argumentsOf("EXECUTE SAORI/1.0\r\nArgument0: last"), ArgumentList{"last"});
  // With LF alone as line end the whole request is its first line.
  EXPECT_EQ(argumentsOf("EXECUTE SAORI/1.0\nArgument0: a\n"), ArgumentList{});
  EXPECT_EQ(argumentsOf("Argument0: a\nArgument1: b"), ArgumentList{"a\nArgument1: b"});
}

TEST(CollectArguments, ManyArgumentsKeepTheirOrder) {
  std::string text;
  ArgumentList expected;
  for (int i = 0; i < 1000; ++i) {
    text += "Argument" + std::to_string(i) + ": v" + std::to_string(i) + "\r\n";
    expected.push_back("v" + std::to_string(i));
  }
  EXPECT_EQ(argumentsOf(text), expected);
}

TEST(FrameResponse, EmptyResultIsFiftyBytesInShiftJisAndFortySixInUtf8) {
  const std::string empty = frameResponse("", Charset::shiftJis);
  EXPECT_EQ(empty, "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n");
  EXPECT_EQ(empty.size(), 50u);
  EXPECT_EQ(empty, emptyResponse.shiftJis);
  EXPECT_EQ(frameResponse("\\p[0]x", Charset::shiftJis),
            "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \\p[0]x\r\n\r\n");

  const std::string emptyUtf8 = frameResponse("", Charset::utf8);
  EXPECT_EQ(emptyUtf8, "SAORI/1.0 200 OK\r\nCharset: UTF-8\r\nResult: \r\n\r\n");
  EXPECT_EQ(emptyUtf8.size(), 46u);
  EXPECT_EQ(emptyUtf8, emptyResponse.utf8);
}

// Sends raw bytes with a given length and returns the response and its length.
struct Answer {
  std::string bytes;
  long length = -1;
  bool nulAfterText = false;
};

Answer send(std::string_view bytes, long length) {
  platform::BlockHandle block = platform::allocateBlock(bytes);
  Answer answer;
  answer.length = length;
  platform::BlockHandle response = answerRequest(block, &answer.length);
  if (response == nullptr) return answer;
  const char* text = static_cast<const char*>(response);
  answer.bytes.assign(text, static_cast<std::size_t>(answer.length));
  answer.nulAfterText = text[answer.length] == '\0';
  platform::freeBlock(response);
  return answer;
}

TEST(Request, AnswersEmptyRequestsWithFiftyBytesAndATrailingNul) {
  test::FreshModule module;
  for (const std::string_view text : {std::string_view(""), std::string_view("GET Version SAORI/1.0\r\n\r\n")}) {
    const Answer answer = send(text, static_cast<long>(text.size()));
    EXPECT_EQ(answer.bytes, emptyResponse.shiftJis);
    EXPECT_EQ(answer.length, 50);
    EXPECT_TRUE(answer.nulAfterText);
  }
}

TEST(Request, LengthAndNulCutTheText) {
  test::FreshModule module;
  const std::string tooFew = test::requestText({"firstZEF"});
  EXPECT_EQ(send(tooFew, static_cast<long>(tooFew.size())).bytes,
            frameResponse(argumentErrorNotice(Charset::shiftJis), Charset::shiftJis));
  // Cut before the Argument0 line: nothing is collected.
  const long headerOnly = static_cast<long>(tooFew.find("Argument0"));
  EXPECT_EQ(send(tooFew, headerOnly).bytes, emptyResponse.shiftJis);
  // A NUL inside the given length ends the text there.
  std::string withNul = tooFew;
  withNul[static_cast<std::size_t>(headerOnly)] = '\0';
  EXPECT_EQ(send(withNul, static_cast<long>(withNul.size())).bytes, emptyResponse.shiftJis);
  // A cut inside the command word leaves an unknown word.
  EXPECT_EQ(send(tooFew, headerOnly + 15).bytes, emptyResponse.shiftJis);
}

// A request as a client that keeps its arguments in a sorted map sends it:
// the indices in text order (0, 1, 10, 11, 2, ...), every empty value left
// out, and the headers after the arguments.
std::string sortedMapRequest(const std::vector<std::string>& arguments) {
  std::map<std::string, std::string> sorted;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!arguments[i].empty()) sorted["Argument" + std::to_string(i)] = arguments[i];
  }
  std::string text = "EXECUTE SAORI/1.0\r\n";
  for (const auto& [key, value] : sorted) text += key + ": " + value + "\r\n";
  return text + "Charset: Shift_JIS\r\nSecurityLevel: local\r\nSender: kawari\r\n\r\n";
}

TEST(Request, ArgumentsInSortedMapOrderMeanWhatTheySay) {
  test::FreshModule module;
  const std::vector<std::string> start = test::defaultLayoutStart();
  const std::vector<std::string> talk = {"ZEF", "a", "b", "", "d", "e", "f", "g", "h", "i", "j", "k"};
  const std::string startAnswer = test::rawResponse(test::requestText(start));
  const std::string talkAnswer = test::rawResponse(test::requestText(talk));
  ASSERT_NE(talkAnswer, emptyResponse.shiftJis);

  EXPECT_EQ(test::rawResponse(sortedMapRequest(start)), startAnswer);
  EXPECT_EQ(test::rawResponse(sortedMapRequest(talk)), talkAnswer);
}

TEST(Request, OddBlocksAndLengthsAreSafe) {
  test::FreshModule module;
  long length = 10;
  platform::BlockHandle response = answerRequest(nullptr, &length);
  ASSERT_NE(response, nullptr);
  EXPECT_EQ(length, 50);
  platform::freeBlock(response);

  EXPECT_EQ(send("Argument0: firstZEF", -1).bytes, emptyResponse.shiftJis);
  EXPECT_EQ(send("Argument0: firstZEF", 0).bytes, emptyResponse.shiftJis);
  EXPECT_EQ(answerRequest(platform::allocateBlock("Argument0: x"), nullptr), nullptr);
}

TEST(Request, WithoutStateEveryRequestGetsAnEmptyResult) {
  unloadModule();
  EXPECT_EQ(test::rawResponse(test::requestText({"firstZEF"})), emptyResponse.shiftJis);
  EXPECT_EQ(test::rawResponse(test::requestText(test::defaultLayoutStart())), emptyResponse.shiftJis);
  EXPECT_EQ(test::rawResponse(test::requestText({"changeZEF", "Bl_Num", "8"})), emptyResponse.shiftJis);
}

}  // namespace
}  // namespace zef
