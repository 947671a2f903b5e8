// The growing text that the rewriting of an utterance writes into.
//
// Talk has a tag every few dozen bytes, and each tag adds a few short pieces
// to the result. Appending them to a std::string checks its room and length
// limits and calls the byte copy, whose branches on the copied size the
// processor keeps mispredicting. Here the room is checked with one compare
// per piece and opened a few kilobytes at a time, and the short pieces of known
// bound (scope switches, rewritten numbers) are copied as a whole fixed-size
// block whose unused end is simply written over by what follows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace zef {

// A short piece of at most `Bound` bytes kept in a block of exactly `Bound`
// bytes, so that it is copied as a block of fixed size.
template <std::size_t Bound>
struct FixedPiece {
  char bytes[Bound] = {};
  std::size_t size = 0;

  FixedPiece() = default;
  explicit FixedPiece(std::string_view piece) : size(std::min(piece.size(), Bound)) {
    std::memcpy(bytes, piece.data(), size);
  }
  std::string_view view() const { return {bytes, size}; }

  // Writes the piece at `to`, where `Bound` bytes may be written, and returns
  // its end.
  char* copyTo(char* to) const {
    std::memcpy(to, bytes, Bound);
    return to + size;
  }
};

class OutputBuffer {
 public:
  // `expected`: the size the result will likely have, reserved at once.
  explicit OutputBuffer(std::size_t expected) { text_.reserve(expected); }

  void append(const char* bytes, std::size_t size) {
    // An empty view may hold no pointer at all, which memcpy must not get.
    if (size == 0) return;
    makeRoom(size);
    std::memcpy(text_.data() + used_, bytes, size);
    used_ += size;
  }

  // Appends the `size` bytes at `bytes`, of which at least `readable` may be
  // read. Most stretches of words between two tags are short, and those are
  // copied as one block of fixed size, which may read and write beyond them.
  void appendStretch(const char* bytes, std::size_t size, std::size_t readable) {
    constexpr std::size_t block = 64;
    if (size > block || readable < block) return append(bytes, size);
    makeRoom(block);
    std::memcpy(text_.data() + used_, bytes, block);
    used_ += size;
  }

  template <std::size_t Bound>
  void append(const FixedPiece<Bound>& piece) {
    char* const to = room(Bound);
    written(static_cast<std::size_t>(piece.copyTo(to) - to));
  }

  // Room for `size` bytes to be written at the returned place; `written(n)`
  // then keeps the first n of them.
  char* room(std::size_t size) {
    makeRoom(size);
    return text_.data() + used_;
  }
  void written(std::size_t size) { used_ += size; }

  std::size_t size() const { return used_; }
  // Drops what was written after the first `size` bytes.
  void truncate(std::size_t size) { used_ = size; }

  std::string take() && {
    text_.resize(used_);
    return std::move(text_);
  }

 private:
  void makeRoom(std::size_t size) {
    if (text_.size() - used_ >= size) return;
    // Opened a few kilobytes at a time within the capacity reserved, so that
    // the zeros that resizing writes are still in the cache when the text
    // overwrites them. Beyond it the string's capacity grows geometrically.
    constexpr std::size_t step = 4096;
    text_.resize(used_ + std::max(size, std::min(step, text_.capacity() - used_)));
  }

  std::string text_;
  std::size_t used_ = 0;
};

}  // namespace zef
