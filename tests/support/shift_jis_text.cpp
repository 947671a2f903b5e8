// Decoding Shift-JIS through iconv.
#include "support/shift_jis_text.h"

#include <iconv.h>

#include <vector>

namespace zef::test {

std::optional<std::string> shiftJisAsUtf8(std::string_view text) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input(text);
  std::vector<char> output(text.size() * 3 + 1);  // a Shift-JIS byte or pair is at most three UTF-8 bytes
  char* in = input.data();
  char* out = output.data();
  std::size_t inLeft = input.size();
  std::size_t outLeft = output.size();
  const bool converted = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  if (!converted) return std::nullopt;
  return std::string(output.data(), static_cast<std::size_t>(out - output.data()));
}

}  // namespace zef::test
