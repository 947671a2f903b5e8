// Sizing a script before it is built.
//
// A command that writes many pieces into one script (a layout start, a long
// talk, the settings menu) makes room for all of them at once, from upper
// bounds of the pieces' sizes. The bounds are computed in 64 bits: a layout
// may hold millions of fragments.
#pragma once

#include <cstdint>
#include <string>

namespace zef {

// The longest number that appendDecimal writes: "-2147483648".
inline constexpr std::uint64_t maxDecimalBytes = 11;

// Makes room for `extraBytes` more bytes in `out` in one allocation. A size
// beyond what a string can hold is left to the appends themselves, which then
// fail on their own.
inline void reserveMore(std::string& out, std::uint64_t extraBytes) {
  const std::uint64_t room = out.max_size() - out.size();
  if (extraBytes > room) return;
  out.reserve(out.size() + static_cast<std::size_t>(extraBytes));
}

}  // namespace zef
