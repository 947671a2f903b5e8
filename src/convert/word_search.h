// Finding the first of a few fixed words, or the line break that comes first.
//
// The lazy spans `lock`...`repaint` and `set`...setting name end at the
// nearest of their word or a line break. Talk breaks its lines with the tag
// `\n`, not with a line feed, so such a search often has to look through the
// whole rest of an utterance, and it is then the costliest part of the
// rewriting: it has to be fast per byte. And it must not read much beyond
// what it finds, so that searches from one position after another, one per
// tag, stay linear in all.
//
// Where the processor has vectors, blocks of 64 positions are tested 16
// (SSE2: every x86-64) or 32 (AVX2, where the processor has it) at a time: a
// word can only begin where two of its bytes stand at their distances from
// its start. Each word is probed at its two bytes that are least common in
// text, so that the test, with one for line breaks, rules out almost every
// block of ordinary talk in a few instructions. The few candidates are then
// checked one by one. The last stretch of a text, and all of it elsewhere, is
// searched byte by byte.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "convert/script_bytes.h"
#include "platform/cpu_features.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define ZEF_SSE2_BLOCKS 1
#endif

namespace zef {

// How common a byte is in talk: the rank of a lower-case letter in English
// text, 0 the most common; every other byte counts as rarer than any letter.
constexpr int commonness(char byte) {
  constexpr std::string_view lettersByFrequency = "zqxjkvbpygfwmucldrhsnioate";
  const std::size_t rank = lettersByFrequency.find(byte);
  return rank == std::string_view::npos ? -1 : static_cast<int>(rank);
}

// The byte a word is probed for, at its distance from the word's start.
struct Probe {
  std::size_t offset = 0;
  char byte = 0;
};

// A word's two least common bytes, in the order they stand.
constexpr std::array<Probe, 2> rarestPair(std::string_view word) {
  std::size_t rarest = 0;
  for (std::size_t at = 1; at < word.size(); ++at) {
    if (commonness(word[at]) < commonness(word[rarest])) rarest = at;
  }
  std::size_t second = rarest == 0 ? 1 : 0;
  for (std::size_t at = 0; at < word.size(); ++at) {
    if (at != rarest && commonness(word[at]) < commonness(word[second])) second = at;
  }
  const std::size_t first = std::min(rarest, second);
  const std::size_t last = std::max(rarest, second);
  return {Probe{first, word[first]}, Probe{last, word[last]}};
}

// A few words of at least two bytes, none holding a line break, with what
// the searches below need to know of them.
template <std::size_t Count>
class WordSet {
 public:
  constexpr explicit WordSet(std::array<std::string_view, Count> words) : words_(words) {
    for (std::size_t index = 0; index < Count; ++index) {
      longest_ = std::max(longest_, words_[index].size());
      probes_[index] = rarestPair(words_[index]);
      begins_[static_cast<unsigned char>(words_[index][0])] = true;
    }
  }

  constexpr std::size_t longest() const { return longest_; }
  // The two probes of each word.
  constexpr const std::array<std::array<Probe, 2>, Count>& probes() const { return probes_; }

  // The length of the word that begins at `at`, or 0.
  constexpr std::size_t lengthAt(std::string_view text, std::size_t at) const {
    for (std::string_view word : words_) {
      // The last byte first: it rules out most candidates of the block test
      // without a call of the byte comparison.
      if (text.size() - at < word.size() || text[at + word.size() - 1] != word.back()) continue;
      if (text.substr(at).starts_with(word)) return word.size();
    }
    return 0;
  }

  // Whether a line break stands or a word begins at `at`.
  constexpr bool foundAt(std::string_view text, std::size_t at) const {
    return isLineBreak(text[at]) || lengthAt(text, at) != 0;
  }

  // The search without vectors: what the last stretch of a text gets.
  constexpr std::size_t findByBytes(std::string_view text, std::size_t from) const {
    for (std::size_t at = from; at < text.size(); ++at) {
      if (isLineBreak(text[at])) return at;
      if (begins_[static_cast<unsigned char>(text[at])] && lengthAt(text, at) != 0) return at;
    }
    return text.size();
  }

 private:
  std::array<std::string_view, Count> words_;
  std::array<std::array<Probe, 2>, Count> probes_{};
  std::size_t longest_ = 0;
  // For each byte, whether a word begins with it.
  std::array<bool, 256> begins_{};
};

// The block searches below pass over whole blocks of positions in which no
// word begins and no line break stands. Each returns the position found, or
// where its blocks end: the first position whose block would reach past the
// text. CR and LF are the only bytes up to CR that talk holds; any other (a
// tab, say) is only a candidate that the check rules out.
//
// They take the words as a constant (a WordSet of static storage), so that
// the probes' distances and bytes are compiled in.

#if defined(ZEF_SSE2_BLOCKS)
// Blocks of 64 positions, tested 16 at a time.
template <const auto& words>
std::size_t skipBlocks(std::string_view text, std::size_t from) {
  constexpr std::size_t block = 64;
  const auto load = [](const char* bytes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)); };
  std::size_t at = from;
  for (; at + block + words.longest() - 1 <= text.size(); at += block) {
    __m128i quarters[4];
    for (std::size_t quarter = 0; quarter < 4; ++quarter) {
      const char* const bytes = text.data() + at + 16 * quarter;
      const __m128i starts = load(bytes);
      __m128i hits = _mm_cmpeq_epi8(_mm_min_epu8(starts, _mm_set1_epi8('\r')), starts);
      for (const auto& [first, second] : words.probes()) {
        hits = _mm_or_si128(hits, _mm_and_si128(_mm_cmpeq_epi8(load(bytes + first.offset), _mm_set1_epi8(first.byte)),
                                                _mm_cmpeq_epi8(load(bytes + second.offset), _mm_set1_epi8(second.byte))));
      }
      quarters[quarter] = hits;
    }
    // Most blocks of talk hold no candidate: one test for all 64 positions.
    const __m128i any = _mm_or_si128(_mm_or_si128(quarters[0], quarters[1]), _mm_or_si128(quarters[2], quarters[3]));
    if (_mm_movemask_epi8(any) == 0) continue;
    std::uint64_t bits = 0;
    for (std::size_t quarter = 0; quarter < 4; ++quarter) {
      bits |= std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(quarters[quarter]))} << (16 * quarter);
    }
    for (; bits != 0; bits &= bits - 1) {
      const std::size_t candidate = at + static_cast<std::size_t>(std::countr_zero(bits));
      if (words.foundAt(text, candidate)) return candidate;
    }
  }
  return at;
}
#endif

#if defined(ZEF_AVX2_AVAILABLE)
// skipBlocks with blocks of 64 positions, tested 32 at a time, for
// processors with AVX2. Its own function: only it may be compiled for those
// instructions.
template <const auto& words>
ZEF_AVX2_FUNCTION std::size_t skipWideBlocks(std::string_view text, std::size_t from) {
  constexpr std::size_t block = 64;
  std::size_t at = from;
  for (; at + block + words.longest() - 1 <= text.size(); at += block) {
    __m256i halves[2];
    for (std::size_t half = 0; half < 2; ++half) {
      const char* const bytes = text.data() + at + 32 * half;
      const __m256i starts = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes));
      __m256i hits = _mm256_cmpeq_epi8(_mm256_min_epu8(starts, _mm256_set1_epi8('\r')), starts);
      for (const auto& [first, second] : words.probes()) {
        const __m256i firsts = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + first.offset));
        const __m256i seconds = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + second.offset));
        hits = _mm256_or_si256(hits, _mm256_and_si256(_mm256_cmpeq_epi8(firsts, _mm256_set1_epi8(first.byte)),
                                                      _mm256_cmpeq_epi8(seconds, _mm256_set1_epi8(second.byte))));
      }
      halves[half] = hits;
    }
    // Most blocks of talk hold no candidate: one test for all 64 positions.
    const __m256i either = _mm256_or_si256(halves[0], halves[1]);
    if (_mm256_testz_si256(either, either)) continue;
    const auto lowBits = static_cast<std::uint32_t>(_mm256_movemask_epi8(halves[0]));
    const auto highBits = static_cast<std::uint32_t>(_mm256_movemask_epi8(halves[1]));
    for (std::uint64_t bits = std::uint64_t{highBits} << 32 | lowBits; bits != 0; bits &= bits - 1) {
      const std::size_t candidate = at + static_cast<std::size_t>(std::countr_zero(bits));
      if (words.foundAt(text, candidate)) return candidate;
    }
  }
  return at;
}
#endif

// The ways of finding the first position at or after `from` where one of
// `words` begins or a line break (CR or LF) stands, or text.size(); each is
// callable so that it can be checked against the others.
#if defined(ZEF_AVX2_AVAILABLE)
// Only where platform::hasAvx2().
template <const auto& words>
std::size_t findByWideBlocks(std::string_view text, std::size_t from) {
  return words.findByBytes(text, skipWideBlocks<words>(text, from));
}
#endif

#if defined(ZEF_SSE2_BLOCKS)
template <const auto& words>
std::size_t findByBlocks(std::string_view text, std::size_t from) {
  return words.findByBytes(text, skipBlocks<words>(text, from));
}
#endif

// The fastest of them here.
template <const auto& words>
std::size_t findWordOrLineBreak(std::string_view text, std::size_t from) {
#if defined(ZEF_AVX2_AVAILABLE)
  if (platform::hasAvx2()) return findByWideBlocks<words>(text, from);
#endif
#if defined(ZEF_SSE2_BLOCKS)
  return findByBlocks<words>(text, from);
#else
  return words.findByBytes(text, from);
#endif
}

}  // namespace zef
