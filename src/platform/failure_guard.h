// Keeping a failure (out of memory) inside the module.
//
// Every exported entry runs its work through runGuarded, so that nothing
// thrown ever reaches the host:
//
//   runGuarded([&] { answer = respond(text); }, [&] { answer = {}; });
//
// Where the target has no exceptions (WebAssembly: wasm32-wasi), an
// allocation that fails stops the whole module instead of throwing, so
// `recover` never runs there; the page that embeds the module sees the stop
// as a trap and says that the module ran out of memory.
#pragma once

namespace zef::platform {

template <typename Work, typename Recover>
void runGuarded(Work&& work, Recover&& recover) noexcept {
#if defined(__cpp_exceptions)
  try {
    work();
  } catch (...) {
    recover();
  }
#else
  static_cast<void>(recover);
  work();
#endif
}

}  // namespace zef::platform
