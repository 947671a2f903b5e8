// Asking the processor, and for AVX2 the operating system, what they support.
#include "platform/cpu_features.h"

#if defined(_MSC_VER) && defined(ZEF_AVX2_AVAILABLE)
#include <intrin.h>
#endif

namespace zef::platform {

namespace {

bool askForAvx2() noexcept {
#if !defined(ZEF_AVX2_AVAILABLE)
  return false;
#elif defined(_MSC_VER)
  // CPUID leaf 1: OSXSAVE (ECX bit 27) and AVX (ECX bit 28); XCR0 bits 1 and 2:
  // the system saves the vector registers; leaf 7: AVX2 (EBX bit 5).
  int registers[4] = {};
  __cpuid(registers, 0);
  if (registers[0] < 7) return false;
  __cpuid(registers, 1);
  constexpr int osxsaveAndAvx = (1 << 27) | (1 << 28);
  if ((registers[2] & osxsaveAndAvx) != osxsaveAndAvx) return false;
  if ((_xgetbv(0) & 0x6) != 0x6) return false;
  __cpuidex(registers, 7, 0);
  return (registers[1] & (1 << 5)) != 0;
#else
  // The compiler's runtime also checks that the system saves the registers.
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") != 0;
#endif
}

}  // namespace

bool hasAvx2() noexcept {
  static const bool available = askForAvx2();
  return available;
}

}  // namespace zef::platform
