// Shift-JIS to UTF-8 with iconv.
#include <iconv.h>

#include <cerrno>
#include <cstdio>

#include "display_text.h"

namespace saori_run {

namespace {

std::string hexEscape(unsigned char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "\\x%02X", byte);
  return text;
}

}  // namespace

std::string shiftJisToUtf8(std::string_view bytes) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(bytes);

  std::string out;
  std::string in(bytes);
  char* inAt = in.data();
  std::size_t inLeft = in.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outAt = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t status = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outAt - buffer));
    if (status != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // An undecodable byte is shown escaped and skipped.
    out += hexEscape(static_cast<unsigned char>(*inAt));
    ++inAt;
    --inLeft;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(converter);
  return out;
}

}  // namespace saori_run
