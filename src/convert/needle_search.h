// Finding the first occurrence of any of a few fixed words, skipping ahead by
// the byte at the end of each window (Horspool's method for a set of words).
//
// The lazy spans of `lock`...`repaint` and `set`...setting name may have to
// look through a whole line of talk; with the skip table a line of ordinary
// text is passed at several bytes per step instead of one. The tables are
// built at compile time.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zef {

template <std::size_t Count>
class NeedleSearch {
  static_assert(Count >= 1 && Count <= 8, "a bit per word in one byte");
  // Words of at least two bytes: the windows are told apart by their last two.

 public:
  constexpr explicit NeedleSearch(std::array<std::string_view, Count> needles) : needles_(needles) {
    window_ = needles_[0].size();
    for (std::string_view needle : needles_) window_ = std::min(window_, needle.size());
    skip_.fill(static_cast<std::uint8_t>(window_));
    for (std::size_t index = 0; index < Count; ++index) {
      const std::string_view needle = needles_[index];
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
  constexpr std::size_t find(std::string_view text, std::size_t from) const {
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

  // Whether one of the words in `candidates` (a bit per word) begins at `at`.
  constexpr bool startsHere(std::string_view text, std::size_t at, std::uint8_t candidates) const {
    for (std::size_t index = 0; index < Count; ++index) {
      if ((candidates >> index & 1) == 0 || text[at] != needles_[index][0]) continue;
      if (text.substr(at).starts_with(needles_[index])) return true;
    }
    return false;
  }

  // The length of the word that begins at `at`, or 0.
  constexpr std::size_t lengthAt(std::string_view text, std::size_t at) const {
    for (std::string_view needle : needles_) {
      if (text.substr(at).starts_with(needle)) return needle.size();
    }
    return 0;
  }

 private:
  std::array<std::string_view, Count> needles_;
  std::size_t window_ = 0;
  std::array<std::uint8_t, 256> skip_{};
  // For each byte, the words (a bit per word) whose window ends in it.
  std::array<std::uint8_t, 256> endsWindow_{};
  std::array<std::uint8_t, 256> beforeWindowEnd_{};
};

}  // namespace zef
