// Lifetime of the one module state.
#include "module/module_instance.h"

#include <optional>

namespace zef {

namespace {
// A default state holds no heap memory, so creating it cannot fail.
std::optional<ModuleState> theState;
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

}  // namespace zef
