// Test helpers that act as a host.
#include "support/saori_client.h"

#include <gtest/gtest.h>

#include "module/entries.h"
#include "module/request.h"
#include "platform/global_memory.h"

namespace zef::test {

namespace {
constexpr std::string_view resultHead = "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: ";
constexpr std::string_view responseTail = "\r\n\r\n";
}  // namespace

std::string requestText(const std::vector<std::string>& arguments) {
  std::string text = "EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\nSender: test\r\n";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    text += "Argument" + std::to_string(i) + ": " + arguments[i] + "\r\n";
  }
  return text + "\r\n";
}

std::string rawResponse(std::string_view text) {
  platform::BlockHandle block = platform::allocateBlock(text);
  long length = static_cast<long>(text.size());
  platform::BlockHandle response = answerRequest(block, &length);
  if (response == nullptr) return {};
  std::string bytes(static_cast<const char*>(response), static_cast<std::size_t>(length));
  platform::freeBlock(response);
  return bytes;
}

std::string resultOf(const std::vector<std::string>& arguments) {
  const std::string response = rawResponse(requestText(arguments));
  const bool framed = response.size() >= resultHead.size() + responseTail.size() &&
                      response.starts_with(resultHead) && response.ends_with(responseTail);
  EXPECT_TRUE(framed) << response;
  if (!framed) return {};
  return response.substr(resultHead.size(), response.size() - resultHead.size() - responseTail.size());
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
