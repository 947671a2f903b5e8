// Finding the first of a few fixed words in a text.
//
// The lazy spans `lock`...`repaint` and `set`...setting name end at the
// nearest of their word or a line break. Talk breaks its lines with the tag
// `\n`, not with a line feed, so such a search often has to look through the
// whole rest of an utterance, and it is then the costliest part of the
// rewriting: it has to be fast per byte. The caller cuts the text at the line
// break; a search never reads much beyond the word it finds, so that searches
// from one position after another stay linear in all.
//
// Where the processor has vectors, 16 positions (SSE2: every x86-64) or 32
// (AVX2, where the processor has it) are tested at once: a word can only
// begin where two of its bytes stand at their distances from its start. Each word is probed at its two bytes that
// are least common in text, so that the test rules out almost every block of
// ordinary talk in a few instructions. The few candidates are then checked
// one by one. The last stretch of a text, and all of it elsewhere, is searched
// by Horspool's skipping method for a set of words.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

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

template <std::size_t Count>
class NeedleSearch {
  static_assert(Count >= 1 && Count <= 8, "a bit per word in one byte");
  // Words of at least two bytes: the skipping windows are told apart by
  // their last two bytes.

 public:
  constexpr explicit NeedleSearch(std::array<std::string_view, Count> needles) : needles_(needles) {
    window_ = needles_[0].size();
    for (std::string_view needle : needles_) {
      window_ = std::min(window_, needle.size());
      longest_ = std::max(longest_, needle.size());
    }
    skip_.fill(static_cast<std::uint8_t>(window_));
    for (std::size_t index = 0; index < Count; ++index) {
      const std::string_view needle = needles_[index];
      probes_[index] = rarestPair(needle);
      const auto bit = static_cast<std::uint8_t>(1u << index);
      auto& ends = endsWindow_[static_cast<unsigned char>(needle[window_ - 1])];
      ends = static_cast<std::uint8_t>(ends | bit);
      auto& before = beforeWindowEnd_[static_cast<unsigned char>(needle[window_ - 2])];
      before = static_cast<std::uint8_t>(before | bit);
      for (std::size_t at = 0; at + 1 < window_; ++at) {
        auto& skip = skip_[static_cast<unsigned char>(needle[at])];
        skip = std::min(skip, static_cast<std::uint8_t>(window_ - 1 - at));
      }
    }
  }

  // The first position at or after `from` where one of the words begins, or
  // text.size().
  std::size_t find(std::string_view text, std::size_t from) const {
#if defined(ZEF_AVX2_AVAILABLE)
    if (platform::hasAvx2()) return findByWideBlocks(text, from);
#endif
#if defined(ZEF_SSE2_BLOCKS)
    return findByBlocks(text, from);
#else
    return findBySkipping(text, from);
#endif
  }

  // The ways of finding the same, kept callable so that each can be checked
  // against the others.
#if defined(ZEF_AVX2_AVAILABLE)
  // Only where platform::hasAvx2().
  std::size_t findByWideBlocks(std::string_view text, std::size_t from) const {
    return finishSearch(text, skipWideBlocks(text, from));
  }
#endif
#if defined(ZEF_SSE2_BLOCKS)
  std::size_t findByBlocks(std::string_view text, std::size_t from) const {
    return finishSearch(text, skipBlocks(text, from));
  }
#endif
  // Without vectors: what the last stretch of a text gets.
  std::size_t findBySkipping(std::string_view text, std::size_t from) const {
    for (std::size_t at = from; at + window_ <= text.size();) {
      // Two table lookups rule out almost every window without a branch
      // that the processor would mispredict.
      const auto last = static_cast<unsigned char>(text[at + window_ - 1]);
      const auto beforeLast = static_cast<unsigned char>(text[at + window_ - 2]);
      const auto candidates = static_cast<std::uint8_t>(endsWindow_[last] & beforeWindowEnd_[beforeLast]);
      if (candidates != 0 && startsHere(text, at, candidates)) return at;
      at += skip_[last];
    }
    return text.size();
  }

  // The length of the word that begins at `at`, or 0.
  constexpr std::size_t lengthAt(std::string_view text, std::size_t at) const {
    for (std::string_view needle : needles_) {
      // The last byte first: it rules out most candidates of the block test
      // without a call of the byte comparison.
      if (text.size() - at < needle.size() || text[at + needle.size() - 1] != needle.back()) continue;
      if (text.substr(at).starts_with(needle)) return needle.size();
    }
    return 0;
  }

 private:
  // `at`: where a block search stopped, on a word or where its blocks end.
  std::size_t finishSearch(std::string_view text, std::size_t at) const {
    if (at < text.size() && lengthAt(text, at) != 0) return at;
    return findBySkipping(text, at);
  }

  // Whether one of the words in `candidates` (a bit per word) begins at `at`.
  constexpr bool startsHere(std::string_view text, std::size_t at, std::uint8_t candidates) const {
    for (std::size_t index = 0; index < Count; ++index) {
      if ((candidates >> index & 1) == 0 || text[at] != needles_[index][0]) continue;
      if (text.substr(at).starts_with(needles_[index])) return true;
    }
    return false;
  }

#ifdef ZEF_SSE2_BLOCKS
  // Passes over whole blocks of 16 positions in which no word begins.
  // Returns the position of the word found, or where the blocks end: the
  // first position whose block would reach past the text.
  std::size_t skipBlocks(std::string_view text, std::size_t from) const {
    constexpr std::size_t block = 16;
    // Plain arrays: std::array would drop the vector type's alignment.
    __m128i firstBytes[Count];
    __m128i secondBytes[Count];
    for (std::size_t index = 0; index < Count; ++index) {
      firstBytes[index] = _mm_set1_epi8(probes_[index][0].byte);
      secondBytes[index] = _mm_set1_epi8(probes_[index][1].byte);
    }
    std::size_t at = from;
    for (; at + block + longest_ - 1 <= text.size(); at += block) {
      const char* const bytes = text.data() + at;
      __m128i hits = _mm_setzero_si128();
      for (std::size_t index = 0; index < Count; ++index) {
        const __m128i firsts = load(bytes + probes_[index][0].offset);
        const __m128i seconds = load(bytes + probes_[index][1].offset);
        hits = _mm_or_si128(hits, _mm_and_si128(_mm_cmpeq_epi8(firsts, firstBytes[index]),
                                                _mm_cmpeq_epi8(seconds, secondBytes[index])));
      }
      for (auto bits = static_cast<unsigned>(_mm_movemask_epi8(hits)); bits != 0; bits &= bits - 1) {
        const std::size_t candidate = at + static_cast<std::size_t>(std::countr_zero(bits));
        if (lengthAt(text, candidate) != 0) return candidate;
      }
    }
    return at;
  }

  static __m128i load(const char* bytes) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)); }
#endif

#if defined(ZEF_AVX2_AVAILABLE)
  // skipBlocks with blocks of 32 positions, for processors with AVX2. Its
  // own function: only it may be compiled for those instructions.
  ZEF_AVX2_FUNCTION std::size_t skipWideBlocks(std::string_view text, std::size_t from) const {
    constexpr std::size_t block = 32;
    __m256i firstBytes[Count];
    __m256i secondBytes[Count];
    for (std::size_t index = 0; index < Count; ++index) {
      firstBytes[index] = _mm256_set1_epi8(probes_[index][0].byte);
      secondBytes[index] = _mm256_set1_epi8(probes_[index][1].byte);
    }
    std::size_t at = from;
    for (; at + block + longest_ - 1 <= text.size(); at += block) {
      const char* const bytes = text.data() + at;
      __m256i hits = _mm256_setzero_si256();
      for (std::size_t index = 0; index < Count; ++index) {
        const __m256i firsts = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + probes_[index][0].offset));
        const __m256i seconds = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + probes_[index][1].offset));
        hits = _mm256_or_si256(hits, _mm256_and_si256(_mm256_cmpeq_epi8(firsts, firstBytes[index]),
                                                      _mm256_cmpeq_epi8(seconds, secondBytes[index])));
      }
      for (auto bits = static_cast<unsigned>(_mm256_movemask_epi8(hits)); bits != 0; bits &= bits - 1) {
        const std::size_t candidate = at + static_cast<std::size_t>(std::countr_zero(bits));
        if (lengthAt(text, candidate) != 0) return candidate;
      }
    }
    return at;
  }
#endif

  std::array<std::string_view, Count> needles_;
  std::array<std::array<Probe, 2>, Count> probes_{};
  std::size_t window_ = 0;
  std::size_t longest_ = 0;
  std::array<std::uint8_t, 256> skip_{};
  // For each byte, the words (a bit per word) whose window ends in it.
  std::array<std::uint8_t, 256> endsWindow_{};
  std::array<std::uint8_t, 256> beforeWindowEnd_{};
};

}  // namespace zef
