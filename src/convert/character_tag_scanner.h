// Finds the character tags of an utterance's head: the tags that act on the
// character itself and so must run in its scope.
//
// A character tag is a backslash followed by the first of these that fits:
//   `s[` or `i[` up to the first `]`;
//   `![`, blanks, a command word, up to the first `]`, where the command words
//     are `anim`, `bind`, `lock` or `unlock` followed somewhere by `repaint`,
//     `set` or `reset` followed somewhere by a listed setting name, `effect`,
//     `filter` and `move` (a word only has to begin the command);
//   `__w[`, blanks, `animation`, up to the first `]`;
//   `s` and one digit; `4`; `5`.
// "Up to" and "followed somewhere by" take the nearest occurrence and never
// cross a line break. Matches are taken left to right without overlap.
//
// Each lazy span is found through a forward search that remembers its last
// answer, so one scan over a text is linear in its length however the tags
// are arranged, and uses no recursion.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "convert/forward_search.h"
#include "convert/script_bytes.h"

namespace zef {

// The next `repaint`, or the line break that comes first.
struct FindRepaint {
  std::size_t operator()(std::string_view text, std::size_t from) const;
};

// The next setting name that `set` and `reset` move to the character, or the
// line break that comes first.
struct FindSettingName {
  std::size_t operator()(std::string_view text, std::size_t from) const;
};

class CharacterTagScanner {
 public:
  explicit CharacterTagScanner(std::string_view text);

  // The end of the character tag that begins at `at`, if one does. Asked
  // for positions that never go backwards, a whole scan takes linear time;
  // the answers are right in any order.
  std::optional<std::size_t> tagEndAt(std::size_t at);

 private:
  std::optional<std::size_t> hostCommandEnd(std::size_t wordAt);
  std::optional<std::size_t> closeAfterWord(std::size_t wordEnd);
  std::optional<std::size_t> lockEnd(std::size_t lockWordEnd);
  std::optional<std::size_t> settingEnd(std::size_t setWordEnd);
  bool foundWordAt(std::size_t found) const;

  std::string_view text_;
  // One search per kind of lazy span: the positions each one is asked for
  // only move forward.
  ForwardSearch<FindCloseOrBreak> closeAfterWord_;
  ForwardSearch<FindRepaint> repaint_;
  ForwardSearch<FindCloseOrBreak> closeAfterRepaint_;
  ForwardSearch<FindSettingName> settingName_;
  ForwardSearch<FindCloseOrBreak> closeAfterSettingName_;
};

}  // namespace zef
