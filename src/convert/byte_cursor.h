// Walking forward through the positions of one byte value in a text, such as
// the backslashes of an utterance, each of which may begin a tag.
//
// Talk has a tag every few dozen bytes, and the rewriting stops at each. A
// call of memchr per tag spends more on setting up than on searching, so
// where the processor has 16-byte vectors (SSE2: every x86-64) 64 bytes are
// compared at a time and their matches kept as a 64-bit mask, from which each
// next position is taken in a few instructions. A loop over the text can
// take the masks itself; the cursor answers one position at a time, and
// calls memchr where there are no vectors.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define ZEF_SSE2_CURSOR 1
#endif

namespace zef {

// The number of bytes that one mask covers.
inline constexpr std::size_t byteMaskWidth = 64;

// A bit for each of the 64 bytes from `at` that equals `byte`, bit i for
// text[at + i]; positions past the end of the text have none. `byte` must not
// be NUL: the last block is padded with it.
inline std::uint64_t byteMask(std::string_view text, std::size_t at, char byte) {
#ifdef ZEF_SSE2_CURSOR
  const char* bytes = text.data() + at;
  char padded[byteMaskWidth];
  if (text.size() - at < byteMaskWidth) {
    std::memset(padded, 0, byteMaskWidth);
    std::memcpy(padded, bytes, text.size() - at);
    bytes = padded;
  }
  const __m128i wanted = _mm_set1_epi8(byte);
  std::uint64_t mask = 0;
  for (std::size_t part = 0; part < byteMaskWidth; part += 16) {
    const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + part));
    const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(sixteen, wanted)));
    mask |= std::uint64_t{bits} << part;
  }
  return mask;
#else
  std::uint64_t mask = 0;
  const std::size_t count = std::min(byteMaskWidth, text.size() - at);
  for (std::size_t offset = 0; offset < count; ++offset) {
    mask |= std::uint64_t{text[at + offset] == byte} << offset;
  }
  return mask;
#endif
}

class ByteCursor {
 public:
  // `byte` must not be NUL: a chunk reaching past the text is padded with it.
  ByteCursor(std::string_view text, char byte) : text_(text), byte_(byte) {}

  // The first position at or after `from` that holds the byte, or
  // text.size(). Asked for positions that never go backwards, the whole walk
  // compares each byte of the text once; the answers are right in any order.
  std::size_t next(std::size_t from) {
#ifdef ZEF_SSE2_CURSOR
    while (from < text_.size()) {
      // Also true when `from` lies before the chunk: the difference wraps.
      if (from - chunkAt_ >= chunk) loadChunk(from);
      const std::uint64_t ahead = matches_ >> (from - chunkAt_);
      if (ahead != 0) return from + static_cast<std::size_t>(std::countr_zero(ahead));
      from = chunkAt_ + chunk;
    }
    return text_.size();
#else
    if (from >= text_.size()) return text_.size();
    const void* const found = std::memchr(text_.data() + from, byte_, text_.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text_.data()) : text_.size();
#endif
  }

 private:
#ifdef ZEF_SSE2_CURSOR
  static constexpr std::size_t chunk = byteMaskWidth;

  void loadChunk(std::size_t at) {
    chunkAt_ = at;
    matches_ = byteMask(text_, at, byte_);
  }

  // The chunk last compared: its start and a bit per matching byte.
  std::size_t chunkAt_ = static_cast<std::size_t>(-1) - chunk;
  std::uint64_t matches_ = 0;
#endif

  std::string_view text_;
  char byte_;
};

}  // namespace zef
