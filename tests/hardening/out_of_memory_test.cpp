// Every request of every command, with the k-th allocation failing, for every
// k that the request reaches; once with that one allocation failing and once
// with every allocation from the k-th on failing (memory that stays gone).
//
// Each run must answer with the empty result or with no block at all, lose no
// allocation, leave the state valid and, since the commands that change the
// state commit only when nothing can fail any more, leave it exactly as it
// was. The same request sent again afterwards must get the normal answer.
#include <gtest/gtest.h>

#include <cstddef>
#include <iostream>
#include <string>
#include <vector>

#include "hardening/failing_allocator.h"
#include "hardening/state_invariants.h"
#include "module/entries.h"
#include "module/request.h"
#include "platform/global_memory.h"
#include "support/saori_client.h"

namespace zef::hardening {
namespace {

using Arguments = std::vector<std::string>;

struct Scenario {
  const char* name;
  std::vector<Arguments> setup;  // sent normally first
  std::string request;           // the request text under test
  bool byId = false;             // sent to a state of the id entries, set up alike
};

Arguments layoutStart() { return test::defaultLayoutStart("firstZEF"); }
Arguments threeCharacterStart() {
  return {"startZEF", "on", "3", "4", "-30", "50", "20", "1", "MS Gothic", "14", "100", "-5", "7"};
}

// A talk long enough that the oldest balloons are hidden, with tags of every
// kind in the heads and the tails of the utterances.
Arguments talk() {
  return {"ZEF",
          "\\s[5]Hello.\\b[2]\\w9",
          "\\s[10]Hi.\\p[1]\\s[3]x\\p[zef]y",
          "",
          "\\![anim,play,3]Bye.\\i[3]\\__w[animation,1]",
          "\\4\\s0\\![lock,repaint]a\\![set,alignmenttodesktop,top]",
          "\\![move,--X=10]\\![effect,x]\\![filter]\\![bind,a,b,1]",
          "\\s[ 42 ]\\b[ 1 ]\\s[2147483647]\\b[-1]",
          "plain",
          "\x82\xa0\\s[1]\x82\\"};
}

std::vector<Scenario> scenarios() {
  const std::vector<Arguments> started = {layoutStart()};
  const std::vector<Arguments> disabled = {layoutStart(), {"changeZEF", "ZEF_Switch", "Off"}};
  const std::vector<Arguments> threeStarted = {threeCharacterStart()};
  return {
      {"no arguments", {}, "EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\n\r\n"},
      {"unknown command", started, test::requestText({"zef", "x"})},
      {"firstZEF accepted", {}, test::requestText(layoutStart())},
      {"startZEF over a started layout", started, test::requestText(threeCharacterStart())},
      {"firstZEF argument error", {}, test::requestText({"firstZEF", "On", "2"})},
      {"ZEF before any layout", {}, test::requestText(talk())},
      {"ZEF", started, test::requestText(talk())},
      {"ZEF with three characters", threeStarted, test::requestText(talk())},
      {"ZEF disabled", disabled, test::requestText(talk())},
      {"settingZEF", started, test::requestText({"settingZEF"})},
      {"settingZEF with three characters", threeStarted, test::requestText({"settingZEF", "extra"})},
      {"changeZEF Bl_Num before any layout", {}, test::requestText({"changeZEF", "Bl_Num", "8"})},
      {"changeZEF Bl_Num", started, test::requestText({"changeZEF", "Bl_Num", "8"})},
      {"changeZEF Bl_Move", started, test::requestText({"changeZEF", "Bl_Move", "-20"})},
      {"changeZEF Bl_Time", threeStarted, test::requestText({"changeZEF", "Bl_Time", "250"})},
      {"changeZEF ZEF_Switch", started, test::requestText({"changeZEF", "ZEF_Switch", "Off"})},
      {"changeZEF unknown key", started, test::requestText({"changeZEF", "Bl_Colour", "3"})},
      {"settingZEF in UTF-8", started, test::requestText({"settingZEF"}, "UTF-8")},
      {"ZEF by id", started, test::requestText(talk()), true},
      {"changeZEF Bl_Num by id", started, test::requestText({"changeZEF", "Bl_Num", "8"}), true},
  };
}

struct Answer {
  bool hasBlock = false;
  long length = 0;
  std::string text;
  long allocationsKept = 0;  // by the module, beyond its response block
};

// Sends `text` with the allocation fault armed, and counts the allocations:
// to the state of `id`, or with id 0 to the process-wide state.
Answer send(const std::string& text, long id, std::size_t failAt, bool persistent, std::size_t& allocations) {
  const long liveBefore = liveAllocations();
  platform::BlockHandle block = platform::allocateBlock(text);
  long length = static_cast<long>(text.size());
  armAllocationFault(failAt, persistent);
  platform::BlockHandle response = id ? answerInstanceRequest(id, block, &length) : answerRequest(block, &length);
  allocations = disarmAllocationFault();
  const long responseBlocks = response != nullptr && mallocIsReplaced() ? 1 : 0;
  Answer answer;
  answer.allocationsKept = liveAllocations() - liveBefore - responseBlocks;
  answer.hasBlock = response != nullptr;
  answer.length = length;
  if (response != nullptr) answer.text.assign(static_cast<const char*>(response), static_cast<std::size_t>(length));
  platform::freeBlock(response);
  return answer;
}

std::size_t sweptPoints = 0;

// A state of the id entries for as long as the object lives (none for id 0).
struct InstanceState {
  long id;
  ~InstanceState() { unloadInstance(id); }
};

void sweep(const Scenario& scenario) {
  SCOPED_TRACE(scenario.name);
  test::FreshModule module;
  for (const Arguments& arguments : scenario.setup) test::resultOf(arguments);
  const InstanceState instance{scenario.byId ? loadInstance(nullptr) : 0};
  const long id = instance.id;
  ASSERT_TRUE(id || !scenario.byId);
  ModuleState& target = id ? *instanceState(id) : *currentModuleState();
  target = *currentModuleState();
  const ModuleState start = target;
  const std::string_view emptyAnswer = emptyResponse.in(requestCharset(scenario.request));

  // The normal answer, and how many allocations it takes.
  std::size_t allocations = 0;
  send(scenario.request, id, 0, false, allocations);  // first run: lazily built statics
  target = ModuleState(start);  // no buffer of the last run kept
  const Answer normal = send(scenario.request, id, 0, false, allocations);
  const ModuleState finish = target;
  ASSERT_TRUE(normal.hasBlock);
  ASSERT_GT(allocations, 0u);

  for (const bool persistent : {false, true}) {
    for (std::size_t k = 1; k <= allocations; ++k) {
      SCOPED_TRACE(testing::Message() << "allocation " << k << (persistent ? " onward" : " alone") << " fails");
      target = ModuleState(start);  // no buffer of the last run kept
      std::size_t seen = 0;
      const Answer failed = send(scenario.request, id, k, persistent, seen);
      ++sweptPoints;

      if (!failed.hasBlock) {
        EXPECT_EQ(failed.length, 0);
      } else if (failed.text != normal.text) {
        EXPECT_EQ(failed.text, emptyAnswer);
      }
      EXPECT_EQ(brokenStateRule(target), "");
      const bool answeredNormally = failed.hasBlock && failed.text == normal.text;
      if (!answeredNormally) EXPECT_EQ(failed.allocationsKept, 0) << "allocations lost";
      EXPECT_TRUE(sameState(target, answeredNormally ? finish : start));

      // Memory is back: the module answers as if nothing had happened.
      target = ModuleState(start);  // no buffer of the last run kept
      const Answer retry = send(scenario.request, id, 0, false, seen);
      EXPECT_EQ(retry.text, normal.text);
      EXPECT_TRUE(sameState(target, finish));
      if (testing::Test::HasFailure()) return;  // one report per scenario is enough
    }
  }
}

TEST(OutOfMemory, EveryAllocationOfEveryCommandMayFail) {
  for (const Scenario& scenario : scenarios()) sweep(scenario);
  std::cout << "out-of-memory points swept: " << sweptPoints
            << (mallocIsReplaced() ? " (operator new and malloc)" : " (operator new)") << "\n";
}

TEST(OutOfMemory, LoadAndUnloadNeedNoMemory) {
  unloadModule();
  platform::BlockHandle path = platform::allocateBlock("/ghost/master/");
  armAllocationFault(1, true);
  const platform::Bool loaded = loadModule(path);
  const platform::Bool unloaded = unloadModule();
  EXPECT_EQ(disarmAllocationFault(), 0u);
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(unloaded, 1);
}

TEST(OutOfMemory, AnIdLoadWithoutMemoryGivesNoIdAndKeepsNothing) {
  platform::BlockHandle path = platform::allocateBlock("/ghost/master/");
  const long liveBefore = liveAllocations();
  armAllocationFault(1, true);
  const long id = loadInstance(path);
  disarmAllocationFault();
  EXPECT_EQ(id, 0);
  const long freedPathBlocks = mallocIsReplaced() ? 1 : 0;
  EXPECT_EQ(liveAllocations(), liveBefore - freedPathBlocks) << "the path block is freed, nothing kept";
  EXPECT_EQ(unloadInstance(id), 1);
}

TEST(OutOfMemory, NoResponseBlockGivesNullAndZeroLength) {
  if (!mallocIsReplaced()) GTEST_SKIP() << "malloc belongs to the sanitizer";
  test::FreshModule module;
  const std::string text = test::requestText({"settingZEF"});
  std::size_t seen = 0;
  // Everything fails, so neither the answer nor the empty answer gets a block.
  const Answer answer = send(text, 0, 1, true, seen);
  EXPECT_FALSE(answer.hasBlock);
  EXPECT_EQ(answer.length, 0);
  EXPECT_EQ(brokenStateRule(*currentModuleState()), "");
}

}  // namespace
}  // namespace zef::hardening
