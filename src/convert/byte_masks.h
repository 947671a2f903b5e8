// The 64-bit masks of one byte value over a whole text, block by block, as
// the rewriting loop walks the backslashes of an utterance.
//
// The masks are made a batch of blocks at a time, so that where the
// processor has AVX2 (asked once at run time) 32 bytes are compared per
// instruction; elsewhere each block is compared as byteMask does it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "convert/byte_cursor.h"
#include "platform/cpu_features.h"

namespace zef {

#if defined(ZEF_AVX2_AVAILABLE)
// The masks of the `count` whole blocks that begin at `bytes`.
ZEF_AVX2_FUNCTION inline void wideByteMasks(const char* bytes, char byte, std::uint64_t* masks, std::size_t count) {
  const __m256i wanted = _mm256_set1_epi8(byte);
  for (std::size_t block = 0; block < count; ++block, bytes += byteMaskWidth) {
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + 32));
    const auto lowBits = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, wanted)));
    const auto highBits = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, wanted)));
    masks[block] = std::uint64_t{highBits} << 32 | lowBits;
  }
}
#endif

class ByteMasks {
 public:
  // `byte` must not be NUL: the last block is padded with it.
  ByteMasks(std::string_view text, char byte) : text_(text), byte_(byte) {}

  // The blocks that the text spans, the last one perhaps partly.
  std::size_t blockCount() const { return (text_.size() + byteMaskWidth - 1) / byteMaskWidth; }

  // The mask of block `block`: bit i for text[block * 64 + i]. Asked for
  // blocks in order, each batch is made once.
  std::uint64_t of(std::size_t block) {
    // Also true when `block` lies before the batch: the difference wraps.
    if (block - batchFirst_ >= batch) fill(block);
    return masks_[block - batchFirst_];
  }

 private:
  static constexpr std::size_t batch = 16;

  void fill(std::size_t first) {
    batchFirst_ = first;
    const std::size_t count = std::min(batch, blockCount() - first);
    // The last block, if the text ends inside it, is padded by byteMask.
    const std::size_t whole = std::min(count, text_.size() / byteMaskWidth - first);
    const std::size_t firstAt = first * byteMaskWidth;
    std::size_t done = 0;
#if defined(ZEF_AVX2_AVAILABLE)
    if (platform::hasAvx2()) {
      wideByteMasks(text_.data() + firstAt, byte_, masks_, whole);
      done = whole;
    }
#endif
    fillBlockByBlock(firstAt, done, count);
  }

  void fillBlockByBlock(std::size_t firstAt, std::size_t from, std::size_t to) {
    for (std::size_t block = from; block < to; ++block) {
      masks_[block] = byteMask(text_, firstAt + block * byteMaskWidth, byte_);
    }
  }

  std::string_view text_;
  char byte_;
  std::size_t batchFirst_ = static_cast<std::size_t>(-1) - batch;
  std::uint64_t masks_[batch] = {};
};

}  // namespace zef
