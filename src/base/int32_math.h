// Signed 32-bit arithmetic that wraps as two's complement.
//
// Script numbers such as scope numbers and move offsets are computed "in 32
// bits": a sum beyond the range wraps around instead of being undefined. The
// work is done on unsigned values, where wrapping is defined, and converted
// back (a modular conversion since C++20).
#pragma once

#include <cstdint>

namespace zef {

constexpr std::int32_t wrapAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr std::int32_t wrapMul(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

constexpr std::int32_t wrapNeg(std::int32_t a) { return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(a)); }

}  // namespace zef
