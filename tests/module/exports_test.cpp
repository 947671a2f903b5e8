// The built zef.so, driven only through its exported entries, as a host
// would: blocks allocated with malloc, the response freed by the host.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "support/request_text.h"

// Entries of the same names in the host process itself: the module must never
// call them in place of its own.
static int hostEntriesCalled = 0;
extern "C" __attribute__((visibility("default"))) int load(void*, long) { return ++hostEntriesCalled, 7; }
extern "C" __attribute__((visibility("default"))) void* request(void*, long*) { return ++hostEntriesCalled, nullptr; }
extern "C" __attribute__((visibility("default"))) int unload() { return ++hostEntriesCalled, 7; }

namespace {

using zef::test::requestText;
using LoadEntry = int (*)(void*, long);
using RequestEntry = void* (*)(void*, long*);
using UnloadEntry = int (*)();
using SaoriLoad = long (*)(char*, long);
using SaoriRequest = char* (*)(long, char*, long*);
using SaoriUnload = int (*)(long);

const std::string emptyResponse = "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n";

char* hostBlock(const std::string& text) {
  char* block = static_cast<char*>(std::malloc(text.size() + 1));
  std::memcpy(block, text.c_str(), text.size() + 1);
  return block;
}

class ExportedModule : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(ZEF_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
  }
  void TearDown() override {
    if (handle_) dlclose(handle_);
  }
  template <typename Entry>
  Entry entry(const char* name) {
    return reinterpret_cast<Entry>(dlsym(handle_, name));
  }
  void* handle_ = nullptr;
};

// Sends one request through `send` and returns the response, freeing it as a host does.
template <typename Send>
std::string exchange(Send send, const std::string& text) {
  long length = static_cast<long>(text.size());
  char* response = static_cast<char*>(send(hostBlock(text), &length));
  if (response == nullptr) return "<null>";
  std::string bytes(response, static_cast<std::size_t>(length));
  EXPECT_EQ(response[length], '\0');
  std::free(response);
  return bytes;
}

const std::string tooFewArguments = "EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\nArgument0: firstZEF\r\n\r\n";

TEST_F(ExportedModule, ExportsOnlyTheEntries) {
  for (const char* name : {"load", "request", "unload", "zef_saori_load", "zef_saori_request", "zef_saori_unload"}) {
    EXPECT_NE(dlsym(handle_, name), nullptr) << name;
  }
  EXPECT_EQ(dlsym(handle_, "_ZN3zef10loadModuleEPv"), nullptr);
  EXPECT_EQ(dlsym(handle_, "_ZN3zef13answerRequestEPvPl"), nullptr);
}

TEST_F(ExportedModule, WindowsStyleSession) {
  auto load = entry<LoadEntry>("load");
  auto request = entry<RequestEntry>("request");
  auto unload = entry<UnloadEntry>("unload");
  ASSERT_TRUE(load && request && unload);

  EXPECT_EQ(exchange(request, tooFewArguments), emptyResponse);  // no state yet
  EXPECT_EQ(load(hostBlock("/ghost/master/"), 14), 1);
  const std::string notice = exchange(request, tooFewArguments);
  EXPECT_EQ(notice.size(), 50u + 118u);
  EXPECT_NE(notice.find("ZEF Argument Error"), std::string::npos);
  EXPECT_EQ(exchange(request, "GET Version SAORI/1.0\r\n\r\n"), emptyResponse);
  EXPECT_EQ(load(hostBlock("/ghost/master/"), 14), 0);  // a repeated load leaves no state
  EXPECT_EQ(exchange(request, tooFewArguments), emptyResponse);
  EXPECT_EQ(load(hostBlock("/ghost/master/"), 14), 1);
  EXPECT_EQ(unload(), 1);
  EXPECT_EQ(unload(), 1);
  EXPECT_EQ(hostEntriesCalled, 0);
}

// Two ghosts in one process open the module through the id entries: each
// keeps its own layout and settings, and the plain entries' state is apart.
TEST_F(ExportedModule, EachPosixIdHasAStateOfItsOwn) {
  auto load = entry<SaoriLoad>("zef_saori_load");
  auto request = entry<SaoriRequest>("zef_saori_request");
  auto unload = entry<SaoriUnload>("zef_saori_unload");
  auto plainLoad = entry<LoadEntry>("load");
  auto plainRequest = entry<RequestEntry>("request");
  ASSERT_TRUE(load && request && unload && plainLoad && plainRequest);
  auto ask = [&](long id, const std::vector<std::string>& arguments) {
    return exchange([&](char* block, long* length) { return request(id, block, length); }, requestText(arguments));
  };
  const std::vector<std::string> menu = {"settingZEF"};

  const long first = load(hostBlock("/ghost/a/"), 9);
  const long second = load(hostBlock("/ghost/b/"), 9);
  EXPECT_TRUE(first != 0 && second != 0 && first != second) << first << " " << second;
  EXPECT_EQ(plainLoad(hostBlock("/ghost/c/"), 9), 1);  // the plain state is none of them

  // One character with scopes from 10, two with scopes from 20.
  ask(first, {"firstZEF", "On", "1", "6", "100", "100", "10", "0", "x", "12", "0"});
  ask(second, {"firstZEF", "On", "2", "6", "100", "100", "20", "0", "x", "12", "0", "0"});
  const std::string secondMenu = ask(second, menu);
  EXPECT_NE(ask(first, menu).find("\\p[11]"), std::string::npos);
  EXPECT_NE(secondMenu.find("\\p[22]"), std::string::npos);
  const std::string menuRequest = requestText(menu);
  EXPECT_EQ(exchange(plainRequest, menuRequest), emptyResponse);

  // A change reaches only its own ghost; one ghost leaving leaves the other.
  ask(first, {"changeZEF", "Bl_Move", "7"});
  EXPECT_EQ(unload(first), 1);
  EXPECT_EQ(ask(first, menu), emptyResponse);
  EXPECT_EQ(ask(second, menu), secondMenu);

  // An id that names no state gets the empty result and unloads quietly.
  EXPECT_EQ(ask(0, {"firstZEF"}), emptyResponse);
  EXPECT_EQ(unload(first), 1);
  EXPECT_EQ(unload(second), 1);
  EXPECT_EQ(entry<UnloadEntry>("unload")(), 1);
  EXPECT_EQ(hostEntriesCalled, 0);
}

}  // namespace
