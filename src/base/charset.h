// The two charsets the module answers in, and its own texts in both.
//
// A request names its charset in its Charset line; the module answers in
// UTF-8 when that is UTF-8, and in Shift_JIS otherwise. Talk is rewritten byte
// by byte in either, so only the few texts of the module's own that are not
// ASCII (and the response's header, which names the charset) differ: each
// exists in both forms side by side, and the request's charset picks one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace zef {

enum class Charset { shiftJis, utf8 };

// Whether the value of a Charset line names UTF-8: "UTF-8" or "UTF8" in any
// letter case, the blanks and tabs around it dropped.
constexpr bool namesUtf8(std::string_view name) {
  const std::size_t first = name.find_first_not_of(" \t");
  if (first == std::string_view::npos) return false;
  name = name.substr(first, name.find_last_not_of(" \t") - first + 1);
  const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  const auto is = [name, upper](std::string_view word) {
    const auto same = [upper](char c, char w) { return upper(c) == w; };
    return std::equal(name.begin(), name.end(), word.begin(), word.end(), same);
  };
  return is("UTF-8") || is("UTF8");
}

// One text of the module's own, in each charset.
struct CharsetText {
  std::string_view shiftJis;
  std::string_view utf8;

  constexpr std::string_view in(Charset charset) const { return charset == Charset::utf8 ? utf8 : shiftJis; }
};

}  // namespace zef
