// Parsing a request into its argument list, and framing the response.
#include "module/request.h"

namespace zef {

namespace {
constexpr std::string_view argumentKeyHead = "Argument";
constexpr std::string_view argumentKeyTail = ": ";
constexpr std::string_view responseHead = "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: ";
constexpr std::string_view responseTail = "\r\n\r\n";
}  // namespace

std::vector<std::string_view> splitLines(std::string_view text, std::string_view delimiter) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find(delimiter, start);
    const std::size_t pieceEnd = end == std::string_view::npos ? text.size() : end;
    if (pieceEnd > start) lines.push_back(text.substr(start, pieceEnd - start));
    if (end == std::string_view::npos) break;
    start = end + delimiter.size();
  }
  return lines;
}

ArgumentList collectArguments(const std::vector<std::string_view>& lines) {
  ArgumentList arguments;
  std::string key;
  for (const std::string_view line : lines) {
    key.assign(argumentKeyHead);
    key += std::to_string(arguments.size());
    key += argumentKeyTail;
    if (line.substr(0, key.size()) != key) continue;
    arguments.emplace_back(line.substr(key.size()));
  }
  return arguments;
}

std::string frameResponse(std::string_view resultScript) {
  std::string response;
  response.reserve(responseHead.size() + resultScript.size() + responseTail.size());
  response += responseHead;
  response += resultScript;
  response += responseTail;
  return response;
}

}  // namespace zef
