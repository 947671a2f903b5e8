// The work of the exported entries: the states' lifetime, block ownership,
// and nothing thrown out.
#include "module/entries.h"

#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "module/command_table.h"
#include "module/request.h"
#include "platform/failure_guard.h"

namespace zef {

namespace {

// A default state holds no heap memory, so creating it cannot fail.
std::optional<ModuleState> theState;

// The states of the id entries, and the id handed out last.
std::map<long, ModuleState> instanceStates;
long lastInstanceId = 0;

// The next id after the last one that no loaded state holds. Ids run up to
// the largest long and then start again from 1, so 0 is never one.
long freshInstanceId() noexcept {
  do {
    lastInstanceId = lastInstanceId == std::numeric_limits<long>::max() ? 1 : lastInstanceId + 1;
  } while (instanceStates.contains(lastInstanceId));
  return lastInstanceId;
}

// The request text: the block's bytes up to the first NUL, at most `length`.
std::string_view requestText(platform::BlockHandle block, long length) {
  if (block == nullptr || length <= 0) return {};
  const char* bytes = static_cast<const char*>(block);
  const void* nul = std::memchr(bytes, '\0', static_cast<std::size_t>(length));
  const std::size_t size = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes)
                               : static_cast<std::size_t>(length);
  return {bytes, size};
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
  // Without a state, and when memory runs out, the response is left empty.
  std::string response;
  std::optional<ModuleState> newState;
  platform::runGuarded(
      [&] {
        const std::string text(blockText);
        platform::freeBlock(requestBlock);
        requestBlock = nullptr;
        if (state == nullptr) return;
        CommandOutcome outcome = dispatchCommand(requestArguments(text), *state, charset);
        response = frameResponse(outcome.resultScript, charset);
        newState = std::move(outcome.newState);
      },
      [&] {
        platform::freeBlock(requestBlock);
        response.clear();
      });

  // A response whose length the host's long cannot hold (32 bits on Windows)
  // would be cut short or misread: it is answered with an empty result instead.
  const bool fits = !response.empty() && response.size() <= static_cast<std::size_t>(std::numeric_limits<long>::max());
  const std::string_view sent = fits ? std::string_view(response) : emptyResponse.in(charset);
  platform::BlockHandle responseBlock = platform::allocateBlock(sent);
  *length = responseBlock ? static_cast<long>(sent.size()) : 0;

  // A command's changes stand only if its own answer reaches the host.
  const bool answered = fits && responseBlock != nullptr;
  if (answered && newState.has_value()) *state = std::move(*newState);
  return responseBlock;
}

}  // namespace

platform::Bool loadModule(platform::BlockHandle pathBlock) noexcept {
  platform::freeBlock(pathBlock);
  if (theState.has_value()) {
    theState.reset();
    return 0;
  }
  theState.emplace();
  return 1;
}

platform::Bool unloadModule() noexcept {
  theState.reset();
  return 1;
}

platform::BlockHandle answerRequest(platform::BlockHandle requestBlock, long* length) noexcept {
  return answerWith(currentModuleState(), requestBlock, length);
}

long loadInstance(platform::BlockHandle pathBlock) noexcept {
  platform::freeBlock(pathBlock);
  long id = 0;
  platform::runGuarded(
      [&] {
        const long fresh = freshInstanceId();
        instanceStates.try_emplace(fresh);
        id = fresh;
      },
      [&] { id = 0; });
  return id;
}

platform::Bool unloadInstance(long id) noexcept {
  instanceStates.erase(id);
  return 1;
}

platform::BlockHandle answerInstanceRequest(long id, platform::BlockHandle requestBlock, long* length) noexcept {
  return answerWith(instanceState(id), requestBlock, length);
}

ModuleState* currentModuleState() noexcept { return theState ? &*theState : nullptr; }

ModuleState* instanceState(long id) noexcept {
  const auto found = instanceStates.find(id);
  return found == instanceStates.end() ? nullptr : &found->second;
}

}  // namespace zef
