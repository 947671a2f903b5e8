// The built zef.so, driven only through its exported entries, as a host
// would: blocks allocated with malloc, the response freed by the host.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

// Entries of the same names in the host process itself: the module must never
// call them in place of its own.
static int hostEntriesCalled = 0;
extern "C" __attribute__((visibility("default"))) int load(void*, long) { return ++hostEntriesCalled, 7; }
extern "C" __attribute__((visibility("default"))) void* request(void*, long*) { return ++hostEntriesCalled, nullptr; }
extern "C" __attribute__((visibility("default"))) int unload() { return ++hostEntriesCalled, 7; }

namespace {

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

TEST_F(ExportedModule, PosixSaoriSession) {
  auto load = entry<SaoriLoad>("zef_saori_load");
  auto request = entry<SaoriRequest>("zef_saori_request");
  auto unload = entry<SaoriUnload>("zef_saori_unload");
  ASSERT_TRUE(load && request && unload);

  const long id = load(hostBlock("/ghost/master/"), 14);
  EXPECT_EQ(id, 1);
  auto send = [&](char* block, long* length) { return request(id, block, length); };
  EXPECT_EQ(exchange(send, tooFewArguments).size(), 168u);
  EXPECT_EQ(exchange(send, ""), emptyResponse);
  EXPECT_EQ(load(hostBlock("/ghost/master/"), 14), 0);
  EXPECT_EQ(load(hostBlock("/ghost/master/"), 14), 1);
  EXPECT_EQ(unload(id), 1);
  EXPECT_EQ(hostEntriesCalled, 0);
}

}  // namespace
