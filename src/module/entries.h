// What the exported entries do, behind names that no host can capture, and
// the module states they own.
//
// The exported load, request and unload and the POSIX id entries
// (exports.cpp) only forward here, so the module never calls an exported name
// from inside itself. The plain entries own one process-wide state; the id
// entries own one state per id, apart from it, so that several ghosts that
// open the same module in one process each keep their own. Every command
// receives the state it works on as an argument.
#pragma once

#include "base/module_state.h"
#include "platform/global_memory.h"

namespace zef {

// Frees the path block unread and creates the process-wide state with its
// defaults; returns 1 when a new state was created, 0 when one existed (which
// is then destroyed: a repeated load leaves the module without state).
platform::Bool loadModule(platform::BlockHandle pathBlock) noexcept;

// Destroys the process-wide state if there is one; always returns 1.
platform::Bool unloadModule() noexcept;

// Answers a request with the process-wide state: takes the request out of
// `requestBlock` (at most *length bytes, up to the first NUL), frees the
// block, and returns a new block with the response, writing its length to
// *length. A null block or a negative length is read as empty text. With a
// null `length` the block is freed and null returned; if no response block
// can be had, null is returned and *length set to 0. Without a state the
// answer is the empty result.
platform::BlockHandle answerRequest(platform::BlockHandle requestBlock, long* length) noexcept;

// Frees the path block unread and creates a state with its defaults for one
// more user of the module, under a new id, positive and distinct from every id
// still loaded; returns the id, or 0 when no state can be made (out of memory).
long loadInstance(platform::BlockHandle pathBlock) noexcept;

// Destroys the state of `id` (if there is one); always returns 1.
platform::Bool unloadInstance(long id) noexcept;

// answerRequest with the state of `id`; an id that names no state gets the
// empty result.
platform::BlockHandle answerInstanceRequest(long id, platform::BlockHandle requestBlock, long* length) noexcept;

// The process-wide state, and the state loaded under `id`: null while there is none.
ModuleState* currentModuleState() noexcept;
ModuleState* instanceState(long id) noexcept;

}  // namespace zef
