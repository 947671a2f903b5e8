// Ten thousand host sessions in a row: load, requests of every kind, unload,
// on the plain entries and on two ids.
// Whatever the module keeps from one session to the next would pile up here;
// the heap must be back to the same number of bytes in use afterwards.
//
// Under LeakSanitizer (the asan preset) its leak check is asked directly;
// otherwise glibc's count of bytes in use is compared.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "module/entries.h"
#include "platform/global_memory.h"
#include "support/saori_client.h"

#if defined(__SANITIZE_ADDRESS__)
#define ZEF_LEAK_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEF_LEAK_SANITIZER 1
#endif
#endif

#if defined(ZEF_LEAK_SANITIZER)
#include <sanitizer/lsan_interface.h>
#else
#include <malloc.h>
#endif

namespace zef::hardening {
namespace {

constexpr int cycles = 10000;

// Sends `arguments` to the state of `id` and frees the answer, as a host does.
void sendToId(long id, const std::vector<std::string>& arguments) {
  const std::string text = test::requestText(arguments);
  long length = static_cast<long>(text.size());
  platform::freeBlock(answerInstanceRequest(id, platform::allocateBlock(text), &length));
}

// Two ghosts on the id entries, beside the plain entries' state.
void idSessions() {
  const long first = loadInstance(platform::allocateBlock("/ghost/a/"));
  const long second = loadInstance(platform::allocateBlock("/ghost/b/"));
  sendToId(first, test::defaultLayoutStart("firstZEF"));
  sendToId(second, {"startZEF", "on", "3", "4", "-30", "50", "20", "1", "MS Gothic", "14", "100", "-5", "7"});
  sendToId(first, {"ZEF", "\\s[5]Hello.", "Hi.", "", "a"});
  sendToId(second, {"settingZEF"});
  sendToId(second, {"changeZEF", "Bl_Num", "9"});
  unloadInstance(first);
  sendToId(first, {"settingZEF"});
  unloadInstance(second);
}

// One whole session of a ghost, with every command and both phases.
void session() {
  loadModule(platform::allocateBlock("/ghost/master/"));
  test::rawResponse("EXECUTE SAORI/1.0\r\nArgument0: ZEF\r\nArgument1: early\r\n\r\n");
  test::rawResponse(test::requestText({"settingZEF"}));
  test::rawResponse(test::requestText({"firstZEF", "On", "2", "6"}));
  test::rawResponse(test::requestText({"changeZEF", "Bl_Num", "3"}));
  test::rawResponse(test::requestText(test::defaultLayoutStart("firstZEF")));
  test::rawResponse(test::requestText({"ZEF", "\\s[5]Hello.\\b[2]", "\\s[10]Hi.\\p[1]x\\p[zef]y", "", "a", "b",
                                       "c", "d", "\\![anim,play]e"}));
  test::rawResponse(test::requestText({"settingZEF"}));
  test::rawResponse(test::requestText({"changeZEF", "Bl_Move", "-20"}));
  test::rawResponse(test::requestText({"changeZEF", "Bl_Time", "50"}));
  test::rawResponse(test::requestText({"changeZEF", "ZEF_Switch", "Off"}));
  test::rawResponse(test::requestText({"startZEF", "on", "3", "4", "-30", "50", "20", "1", "MS Gothic", "14", "100",
                                       "-5", "7"}));
  test::rawResponse(test::requestText({"ZEF", "\\s[1]x", "y", "z", "w"}));
  test::rawResponse(test::requestText({"changeZEF", "ZEF_Switch", "On"}));
  test::rawResponse(test::requestText({"settingZEF", "ignored"}));
  test::rawResponse("Argument0: changeZEF|Argument1: x\r\ngarbage\r\n\r\n\r\n");
  // A repeated load leaves no state; requests then get the empty answer.
  loadModule(platform::allocateBlock("/ghost/master/"));
  loadModule(platform::allocateBlock("/ghost/master/"));
  test::rawResponse(test::requestText({"settingZEF"}));
  unloadModule();
  test::rawResponse(test::requestText({"ZEF", "after unload"}));
  idSessions();
}

TEST(Leaks, TenThousandSessionsLoseNoByte) {
  session();  // anything built once per process is built now
#if defined(ZEF_LEAK_SANITIZER)
  for (int i = 0; i < cycles; ++i) session();
  EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "LeakSanitizer found leaks";
#else
  const std::size_t inUseBefore = mallinfo2().uordblks;
  for (int i = 0; i < cycles; ++i) session();
  const std::size_t inUseAfter = mallinfo2().uordblks;
  EXPECT_EQ(inUseAfter, inUseBefore) << "bytes in use grew over " << cycles << " sessions";
#endif
}

}  // namespace
}  // namespace zef::hardening
