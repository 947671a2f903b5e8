// A host may call the module on a thread with a small stack. With 256 KiB of
// stack, whole requests with megabyte-long utterances of every shape must go
// through the request entry: nothing in the module may recurse per byte.
#include <gtest/gtest.h>
#include <pthread.h>

#include <cstddef>
#include <functional>
#include <string>

#include "module/entries.h"
#include "support/saori_client.h"

namespace zef::hardening {
namespace {

constexpr std::size_t smallStack = 256 * 1024;
constexpr std::size_t megabyte = 1024 * 1024;

// Runs `work` on a new thread with a 256 KiB stack and waits for it.
void onSmallStack(const std::function<void()>& work) {
  pthread_attr_t attributes;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, smallStack), 0);
  pthread_t thread;
  auto run = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

std::string repeated(std::string_view piece, std::size_t size) {
  std::string text;
  text.reserve(size + piece.size());
  while (text.size() < size) text += piece;
  return text;
}

// Utterances that make a backtracking matcher recurse once per byte: tags
// whose closing bracket never comes, and tags packed back to back.
std::vector<std::string> longUtterances() {
  return {
      repeated("\\s[1]\\b[2]x\\![anim,a]\\p[zef]\\4", megabyte),
      "\\![lock" + repeated("a", megabyte),
      "\\![set" + repeated("position", megabyte),
      "\\p[" + repeated("1", megabyte),
      "\\s[" + repeated(" ", megabyte),
      "\\b[" + repeated("9", megabyte) + "]",
      repeated("\\", megabyte),
      "x\\p[1]" + repeated("\\p[ zef ]\\s[3]", megabyte),
  };
}

// The whole session, as a host would send it; returns every response.
std::vector<std::string> longSession(const std::vector<std::string>& utterances) {
  test::FreshModule module;
  std::vector<std::string> responses;
  responses.push_back(test::rawResponse(test::requestText(test::defaultLayoutStart("firstZEF"))));
  for (const std::string& utterance : utterances) {
    responses.push_back(test::rawResponse(test::requestText({"ZEF", utterance})));
  }
  responses.push_back(test::rawResponse(test::requestText({"changeZEF", "ZEF_Switch", "Off"})));
  responses.push_back(test::rawResponse(test::requestText({"ZEF", utterances.front(), utterances.back()})));
  return responses;
}

TEST(SmallStack, MegabyteUtterancesThroughTheRequestEntry) {
  const std::vector<std::string> utterances = longUtterances();
  std::vector<std::string> onSmall;
  onSmallStack([&] { onSmall = longSession(utterances); });
  const std::vector<std::string> onMain = longSession(utterances);
  ASSERT_EQ(onSmall.size(), onMain.size());
  for (std::size_t i = 0; i < onMain.size(); ++i) {
    EXPECT_TRUE(onSmall[i] == onMain[i]) << "response " << i << " differs on the small stack";
    EXPECT_TRUE(onSmall[i].ends_with("\r\n\r\n"));
  }
  // The talk was converted, not refused: the texts come back in full.
  EXPECT_GT(onSmall[1].size(), megabyte / 2);
  EXPECT_GT(onSmall.back().size(), megabyte);
}

TEST(SmallStack, MegabyteRequestOfManyLines) {
  test::FreshModule module;
  std::string text = "EXECUTE SAORI/1.0\r\n";
  for (int i = 0; text.size() < megabyte; ++i) text += "Argument" + std::to_string(i) + ": x\r\n\r\n\r\n";
  std::string response;
  onSmallStack([&] { response = test::rawResponse(text); });
  EXPECT_TRUE(response.starts_with("SAORI/1.0 200 OK\r\n"));
}

}  // namespace
}  // namespace zef::hardening
