// The one process-wide module state, created by load and destroyed by unload.
//
// Only the entries and the dispatch touch it; every command receives the state
// it works on as an argument.
#pragma once

#include "module/base/module_state.h"

namespace zef {

// Creates the state with its defaults and returns true, unless a state already
// exists: then it is destroyed, no new one is made, and false is returned (a
// repeated load leaves the module without state).
bool createModuleState() noexcept;

// Destroys the state if there is one.
void destroyModuleState() noexcept;

// The current state, or null while there is none.
ModuleState* currentModuleState() noexcept;

}  // namespace zef
