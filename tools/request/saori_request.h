// The text of a SAORI/1.0 EXECUTE request, as a host writes it:
//
//   zef::saori::request({"ZEF", "Hello."}, "Shift_JIS", "saori-run")
//   == "EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\nSender: saori-run\r\n"
//      "Argument0: ZEF\r\nArgument1: Hello.\r\n\r\n"
//
// Header-only and free of the module, so that saori-run, the page and the
// tests (the exports test links nothing but the built module) write their
// requests with this one writer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zef::saori {

// The arguments may be std::string (what a braced list gives) or std::string_view.
template <typename Argument = std::string>
std::string request(const std::vector<Argument>& arguments, std::string_view charset, std::string_view sender) {
  std::string text = "EXECUTE SAORI/1.0\r\nCharset: ";
  text.append(charset).append("\r\nSender: ").append(sender).append("\r\n");
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    text.append("Argument").append(std::to_string(i)).append(": ").append(arguments[i]).append("\r\n");
  }
  return text + "\r\n";
}

}  // namespace zef::saori
