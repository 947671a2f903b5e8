// A stretch of a text, as the positions of its first byte and one past its
// last.
#pragma once

#include <cstddef>

namespace zef {

struct TextSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
};

}  // namespace zef
