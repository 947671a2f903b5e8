// The module states that the entries work on.
//
// The plain entries (load, request, unload) own one process-wide state. The
// POSIX id entries own one state per id, so that several ghosts that open the
// same module in one process each keep their own; these are apart from the
// process-wide state. Only the entries touch this table; every command
// receives the state it works on as an argument.
#pragma once

#include "base/module_state.h"

namespace zef {

// Creates the process-wide state with its defaults and returns true, unless
// one already exists: then it is destroyed, no new one is made, and false is
// returned (a repeated load leaves the module without state).
bool createModuleState() noexcept;

// Destroys the process-wide state if there is one.
void destroyModuleState() noexcept;

// The process-wide state, or null while there is none.
ModuleState* currentModuleState() noexcept;

// Creates a state with its defaults under a new id, positive and distinct
// from every id still loaded, and returns the id; 0 when no state can be made
// (out of memory).
long createInstanceState() noexcept;

// Destroys the state of `id`, if one is loaded under it.
void destroyInstanceState(long id) noexcept;

// The state loaded under `id`, or null when there is none.
ModuleState* instanceState(long id) noexcept;

}  // namespace zef
