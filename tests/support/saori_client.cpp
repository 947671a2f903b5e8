// Test helpers that act as a host.
#include "support/saori_client.h"

#include <gtest/gtest.h>

#include "module/entries.h"
#include "module/request.h"
#include "platform/global_memory.h"

namespace zef::test {

namespace {
constexpr CharsetText charsetName = {"Shift_JIS", "UTF-8"};
constexpr std::string_view responseTail = "\r\n\r\n";
}  // namespace

std::string rawResponse(std::string_view text) {
  platform::BlockHandle block = platform::allocateBlock(text);
  long length = static_cast<long>(text.size());
  platform::BlockHandle response = answerRequest(block, &length);
  if (response == nullptr) return {};
  std::string bytes(static_cast<const char*>(response), static_cast<std::size_t>(length));
  platform::freeBlock(response);
  return bytes;
}

std::string resultOf(const std::vector<std::string>& arguments, Charset charset) {
  const std::string response = rawResponse(requestText(arguments, charsetName.in(charset)));
  // Every response is the empty one (its bytes are pinned in request_test) with the result before the tail.
  const std::string_view empty = emptyResponse.in(charset);
  const std::string_view head = empty.substr(0, empty.size() - responseTail.size());
  const bool framed = response.size() >= head.size() + responseTail.size() && response.starts_with(head) &&
                      response.ends_with(responseTail);
  EXPECT_TRUE(framed) << response;
  if (!framed) return {};
  return response.substr(head.size(), response.size() - head.size() - responseTail.size());
}

FreshModule::FreshModule() {
  unloadModule();
  loadModule(platform::allocateBlock("/ghost/master/"));
}

FreshModule::~FreshModule() { unloadModule(); }

std::vector<std::string> defaultLayoutStart(std::string_view commandWord) {
  return {std::string(commandWord), "On", "2", "6", "100", "100", "10", "0", "default", "12", "0", "0"};
}

}  // namespace zef::test
