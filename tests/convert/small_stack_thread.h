// Runs a function on a thread of its own with a small, fixed stack, the way a
// host might call the module from a thread with little stack to spare.
#pragma once

#include <cstddef>
#include <functional>

namespace zef::test {

// Runs `work` on a new thread whose stack holds `stackBytes` and waits for it.
// Returns false if no such thread could be started.
bool runOnSmallStack(std::size_t stackBytes, const std::function<void()>& work);

}  // namespace zef::test
