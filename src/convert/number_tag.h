// The surface tags `\s[N]` and balloon tags `\b[N]` whose numbers the
// rewriting shifts: a backslash, the letter, `[`, blanks, one or more ASCII
// digits, blanks, `]`, and nothing else inside the brackets.
//
// The rewriting of an utterance adds the character's surface offset and the
// balloon offset to every such tag of its head, once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zef {

struct NumberTag {
  std::size_t end = 0;  // one past its `]`
  // Its number; one too large for 32 bits counts as 2147483647.
  std::int32_t number = 0;
};

// The tag `\<letter>[ N ]` that begins at `at`, if one does.
std::optional<NumberTag> numberTagAt(std::string_view text, char letter, std::size_t at);

// One of the two shifts. `\s[N]` becomes `\s[M]` with M = N + the character's
// surface offset in wrapping 32-bit arithmetic, written unsigned: the host
// reads surface numbers as unsigned, so a negative sum is written as 2^32 plus
// the sum. `\b[N]` becomes `\b[M]` with M = N + the balloon offset, written
// signed.
struct NumberShift {
  char letter;  // 's' or 'b'
  std::int32_t offset;
  bool writtenUnsigned;
};

constexpr NumberShift surfaceShift(std::int32_t offset) { return {'s', offset, true}; }
constexpr NumberShift balloonShift(std::int32_t offset) { return {'b', offset, false}; }

// Appends `tag` with its number shifted, without its blanks.
void appendShiftedTag(std::string& out, const NumberTag& tag, const NumberShift& shift);

}  // namespace zef
