// The work of the exported entries: block ownership, and nothing thrown out.
#include "module/entries.h"

#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "module/command_table.h"
#include "module/module_instance.h"
#include "module/request.h"
#include "platform/failure_guard.h"

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

// What a request brings about: the response text, and the state that is to
// replace the module's state once the response has reached the host.
struct Answer {
  std::string response;
  std::optional<ModuleState> newState;
};

// May throw (out of memory). Without a state the answer is left empty.
Answer respond(std::string_view text, const ModuleState* state, Charset charset) {
  if (state == nullptr) return {};
  CommandOutcome outcome = dispatchCommand(requestArguments(text), *state, charset);
  return {frameResponse(outcome.resultScript, charset), std::move(outcome.newState)};
}

// Answers a request with `state` (which may be null); see answerRequest.
platform::BlockHandle answerWith(ModuleState* state, platform::BlockHandle requestBlock, long* length) noexcept {
  if (length == nullptr) {
    platform::freeBlock(requestBlock);
    return nullptr;
  }

  // The charset is read in place, so that even an answer that runs out of
  // memory at once goes out in it. The text is copied before the block goes
  // back to the host's allocator.
  const std::string_view blockText = requestText(requestBlock, *length);
  const Charset charset = requestCharset(blockText);
  Answer answer;
  platform::runGuarded(
      [&] {
        const std::string text(blockText);
        platform::freeBlock(requestBlock);
        requestBlock = nullptr;
        answer = respond(text, state, charset);
      },
      [&] {
        platform::freeBlock(requestBlock);
        answer = {};
      });

  // A response whose length the host's long cannot hold (32 bits on Windows)
  // would be cut short or misread: it is answered with an empty result instead.
  const bool fits = !answer.response.empty() && answer.response.size() <= static_cast<std::size_t>(maxResponseLength);
  const std::string_view response = fits ? std::string_view(answer.response) : emptyResponse.in(charset);
  platform::BlockHandle responseBlock = platform::allocateBlock(response);
  *length = responseBlock ? static_cast<long>(response.size()) : 0;

  // A command's changes stand only if its own answer reaches the host.
  const bool answered = fits && responseBlock != nullptr;
  if (answered && answer.newState.has_value()) *state = std::move(*answer.newState);
  return responseBlock;
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
  return answerWith(currentModuleState(), requestBlock, length);
}

long loadInstance(platform::BlockHandle pathBlock) noexcept {
  platform::freeBlock(pathBlock);
  return createInstanceState();
}

platform::Bool unloadInstance(long id) noexcept {
  destroyInstanceState(id);
  return 1;
}

platform::BlockHandle answerInstanceRequest(long id, platform::BlockHandle requestBlock, long* length) noexcept {
  return answerWith(instanceState(id), requestBlock, length);
}

}  // namespace zef
