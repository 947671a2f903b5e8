// Fuzz target: whole host sessions, so that the state machine is explored and
// not only single requests.
//
// The input is read line by line (LF ends a line; CR, NUL and every other
// byte belong to the line), so that seeds stay readable:
//   "load" or "unload"  the host calls that entry;
//   "RAW " + text       the text is sent as a request as it stands, each "|"
//                       standing for CR LF (to reach the parser's corners);
//   an empty line       the arguments gathered so far go out as one request;
//   any other line      the next argument (Argument0, Argument1, ...) of the
//                       request being gathered.
// The session starts loaded, as hosts start, and ends with unload, so that
// LeakSanitizer sees anything the module kept.
//
// After every request the target checks what no input may break: the framing
// of the response, the state's value rules, and that only the commands that
// change settings changed any.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hardening/state_invariants.h"
#include "module/entries.h"
#include "module/module_instance.h"
#include "module/request.h"
#include "platform/global_memory.h"

namespace {

// The answer names the charset that the request names (UTF-8), else Shift_JIS.
constexpr std::string_view shiftJisHead = "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: ";
constexpr std::string_view utf8Head = "SAORI/1.0 200 OK\r\nCharset: UTF-8\r\nResult: ";
constexpr std::string_view responseTail = "\r\n\r\n";

[[noreturn]] void fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "session fuzzer: %s: %.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

bool changesSettings(const zef::ArgumentList& arguments) {
  if (arguments.empty()) return false;
  const std::string_view word = arguments[0];
  return word == "firstZEF" || word == "startZEF" || word == "changeZEF";
}

std::string requestFor(const std::vector<std::string_view>& arguments) {
  std::string text = "EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\nSender: fuzz\r\n";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    text += "Argument";
    text += std::to_string(i);
    text += ": ";
    text += arguments[i];
    text += "\r\n";
  }
  text += "\r\n";
  return text;
}

std::string rawRequest(std::string_view line) {
  std::string text;
  for (const char byte : line) {
    if (byte == '|') {
      text += "\r\n";
    } else {
      text += byte;
    }
  }
  return text;
}

// Sends one request through the request entry and checks the answer.
void send(const std::string& text) {
  const zef::ModuleState* state = zef::currentModuleState();
  const std::optional<zef::ModuleState> before =
      state ? std::optional<zef::ModuleState>(*state) : std::nullopt;

  const std::string_view sent = std::string_view(text).substr(0, text.find('\0'));
  const std::string_view responseHead = zef::requestCharset(sent) == zef::Charset::utf8 ? utf8Head : shiftJisHead;
  zef::platform::BlockHandle block = zef::platform::allocateBlock(text);
  long length = static_cast<long>(text.size());
  zef::platform::BlockHandle answer = zef::answerRequest(block, &length);
  if (answer == nullptr) fail("no response block");

  const std::string_view response(static_cast<const char*>(answer), static_cast<std::size_t>(length));
  if (response.size() < responseHead.size() + responseTail.size()) fail("response too short", response);
  if (!response.starts_with(responseHead) || !response.ends_with(responseTail)) fail("bad framing", response);
  if (static_cast<const char*>(answer)[length] != '\0') fail("response block not NUL-terminated");
  const std::string_view result =
      response.substr(responseHead.size(), response.size() - responseHead.size() - responseTail.size());

  state = zef::currentModuleState();
  if (!before) {
    if (state != nullptr) fail("a request created a state");
    if (!result.empty()) fail("a result without state", result);
  } else {
    if (state == nullptr) fail("a request destroyed the state");
    const std::string broken = zef::hardening::brokenStateRule(*state);
    if (!broken.empty()) fail("invalid state", broken);
    const zef::ArgumentList arguments = zef::requestArguments(sent);
    if (!changesSettings(arguments) && !zef::hardening::sameState(*before, *state)) {
      fail("a command that only reads changed the state", arguments.empty() ? "" : arguments[0]);
    }
  }
  zef::platform::freeBlock(answer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  zef::unloadModule();
  zef::loadModule(nullptr);

  std::vector<std::string_view> arguments;
  auto flush = [&] {
    if (!arguments.empty()) send(requestFor(arguments));
    arguments.clear();
  };

  std::size_t start = 0;
  while (start <= input.size()) {
    const std::size_t end = std::min(input.find('\n', start), input.size());
    const std::string_view line = input.substr(start, end - start);
    start = end + 1;
    if (line.empty()) {
      flush();
    } else if (line == "load") {
      flush();
      zef::loadModule(nullptr);
    } else if (line == "unload") {
      flush();
      zef::unloadModule();
    } else if (line.starts_with("RAW ")) {
      flush();
      send(rawRequest(line.substr(4)));
    } else {
      arguments.push_back(line);
    }
  }
  flush();
  zef::unloadModule();
  return 0;
}
