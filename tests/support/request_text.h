// The text of a SAORI/1.0 EXECUTE request, as a host writes it.
//
// Header-only and free of the module, so that the exports test (which links
// nothing but the built zef.so), the benchmarks and the fuzz targets build
// their requests with it as well.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zef::test {

// A request carrying `arguments` as Argument0, Argument1, ... with the
// Charset line naming `charset`. The arguments may be std::string (what a
// braced list gives) or std::string_view.
template <typename Argument = std::string>
std::string requestText(const std::vector<Argument>& arguments, std::string_view charset = "Shift_JIS") {
  std::string text = "EXECUTE SAORI/1.0\r\nCharset: ";
  text += charset;
  text += "\r\nSender: test\r\n";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    text += "Argument" + std::to_string(i) + ": ";
    text += arguments[i];
    text += "\r\n";
  }
  return text + "\r\n";
}

}  // namespace zef::test
