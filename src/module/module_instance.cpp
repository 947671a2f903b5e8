// Lifetime of the module states: the process-wide one and one per id.
#include "module/module_instance.h"

#include <limits>
#include <map>
#include <optional>

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

}  // namespace

bool createModuleState() noexcept {
  if (theState.has_value()) {
    theState.reset();
    return false;
  }
  theState.emplace();
  return true;
}

void destroyModuleState() noexcept { theState.reset(); }

ModuleState* currentModuleState() noexcept { return theState ? &*theState : nullptr; }

long createInstanceState() noexcept {
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

void destroyInstanceState(long id) noexcept { instanceStates.erase(id); }

ModuleState* instanceState(long id) noexcept {
  const auto found = instanceStates.find(id);
  return found == instanceStates.end() ? nullptr : &found->second;
}

}  // namespace zef
