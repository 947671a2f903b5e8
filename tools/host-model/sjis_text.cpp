// Showing the script's Shift-JIS text as UTF-8, through the system's
// converter: iconv on POSIX, the code page functions on Windows, and in
// WebAssembly the embedding page's decoder (a browser's "shift_jis" is code
// page 932), which the page lends as the import zef_page.decode_shift_jis.
#include "sjis_text.h"

#include "script_tokens.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__wasi__)
// Writes the UTF-8 of the one character in in[0..length) to out (room for 8
// bytes) and returns its length, or 0 when it is not valid code page 932.
extern "C" __attribute__((import_module("zef_page"), import_name("decode_shift_jis"))) int zefPageDecodeShiftJis(
    const char* in, int length, char* out);
#else
#include <iconv.h>
#endif

namespace zef::host_model {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the Shift-JIS character at `pos`, for stepping over it.
std::size_t characterLength(std::string_view text, std::size_t pos) {
  return isLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

#ifdef _WIN32
// One character through code page 932; false when it is not valid there.
bool convertCharacter(std::string_view character, std::string& out) {
  wchar_t wide[2];
  int count = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, character.data(), static_cast<int>(character.size()),
                                  wide, 2);
  if (count <= 0) return false;
  char utf8[8];
  int length = WideCharToMultiByte(CP_UTF8, 0, wide, count, utf8, sizeof utf8, nullptr, nullptr);
  if (length <= 0) return false;
  out.append(utf8, static_cast<std::size_t>(length));
  return true;
}
#elif defined(__wasi__)
// One character through the page's decoder; false when it is not valid there.
bool convertCharacter(std::string_view character, std::string& out) {
  char utf8[8];
  const int length = zefPageDecodeShiftJis(character.data(), static_cast<int>(character.size()), utf8);
  if (length <= 0) return false;
  out.append(utf8, static_cast<std::size_t>(length));
  return true;
}
#else
// One character through iconv's CP932 table; false when it is not valid there.
bool convertCharacter(iconv_t converter, std::string_view character, std::string& out) {
  char input[2] = {character[0], character.size() > 1 ? character[1] : '\0'};
  char output[8];
  char* in = input;
  char* outPointer = output;
  std::size_t inLeft = character.size();
  std::size_t outLeft = sizeof output;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &in, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1)) return false;
  out.append(output, static_cast<std::size_t>(outPointer - output));
  return true;
}
#endif

}  // namespace

std::string shiftJisToUtf8(std::string_view text) {
  std::string out;
#if !defined(_WIN32) && !defined(__wasi__)
  iconv_t converter = iconv_open("UTF-8", "CP932");
#endif
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = characterLength(text, pos);
    std::string_view character = text.substr(pos, length);
    pos += length;
    if (static_cast<unsigned char>(character[0]) < 0x80) {
      out += character;
      continue;
    }
#if defined(_WIN32) || defined(__wasi__)
    bool converted = convertCharacter(character, out);
#else
    bool converted = converter != reinterpret_cast<iconv_t>(-1) && convertCharacter(converter, character, out);
#endif
    if (!converted) out += kReplacement;
  }
#if !defined(_WIN32) && !defined(__wasi__)
  if (converter != reinterpret_cast<iconv_t>(-1)) iconv_close(converter);
#endif
  return out;
}

std::string textAsUtf8(std::string_view text, Charset charset) {
  return charset == Charset::utf8 ? std::string(text) : shiftJisToUtf8(text);
}

}  // namespace zef::host_model
