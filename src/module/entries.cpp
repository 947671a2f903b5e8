// The work of the exported entries: block ownership, and nothing thrown out.
#include "module/entries.h"

#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "module/dispatch.h"
#include "module/module_instance.h"
#include "module/request.h"

namespace zef {

namespace {

constexpr long maxResponseLength = std::numeric_limits<long>::max();

// The request text: the block's bytes up to the first NUL, at most `length`.
std::string_view requestText(platform::BlockHandle block, long length) {
  if (block == nullptr || length <= 0) return {};
  const char* bytes = static_cast<const char*>(block);
  const void* nul = std::memchr(bytes, '\0', static_cast<std::size_t>(length));
  const std::size_t size = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes)
                               : static_cast<std::size_t>(length);
  return {bytes, size};
}

// The response text for a request; may throw (out of memory).
std::string respond(std::string_view text) {
  ModuleState* state = currentModuleState();
  if (state == nullptr) return std::string(emptyResponse);

  const ArgumentList arguments = collectArguments(splitLines(text, "\r\n"));
  std::string resultScript;
  dispatchCommand(arguments, *state, resultScript);
  return frameResponse(resultScript);
}

}  // namespace

platform::Bool loadModule(platform::BlockHandle pathBlock) noexcept {
  platform::freeBlock(pathBlock);
  return createModuleState() ? 1 : 0;
}

platform::Bool unloadModule() noexcept {
  destroyModuleState();
  return 1;
}

platform::BlockHandle answerRequest(platform::BlockHandle requestBlock, long* length) noexcept {
  if (length == nullptr) {
    platform::freeBlock(requestBlock);
    return nullptr;
  }

  // A command's changes to the state stand only if its own answer reaches
  // the host: when framing or the response block runs out of memory, the
  // state goes back to what it was before the request.
  ModuleState* const state = currentModuleState();
  std::optional<ModuleState> stateBefore;

  // The text is copied before the block goes back to the host's allocator.
  std::string response;
  try {
    const std::string text(requestText(requestBlock, *length));
    platform::freeBlock(requestBlock);
    requestBlock = nullptr;
    if (state != nullptr) stateBefore.emplace(*state);
    response = respond(text);
  } catch (...) {
    platform::freeBlock(requestBlock);
    response.clear();
  }

  // A response whose length the host's long cannot hold (32 bits on Windows)
  // would be cut short or misread: it is answered with an empty result instead.
  const bool fits = !response.empty() && response.size() <= static_cast<std::size_t>(maxResponseLength);
  const std::string_view answer = fits ? std::string_view(response) : emptyResponse;
  platform::BlockHandle responseBlock = platform::allocateBlock(answer);
  if (stateBefore.has_value() && (responseBlock == nullptr || !fits)) *state = std::move(*stateBefore);
  *length = responseBlock ? static_cast<long>(answer.size()) : 0;
  return responseBlock;
}

}  // namespace zef
