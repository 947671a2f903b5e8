// Parsing a request into its argument list and charset, and framing the response.
#include "module/request.h"

#include <optional>

#include "base/decimal.h"

namespace zef {

namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view argumentKeyHead = "Argument";
constexpr std::string_view argumentKeyTail = ": ";
constexpr std::string_view charsetKey = "Charset:";

// The header names the charset the way clients know it, "Shift_JIS" with the
// underscore and "UTF-8": a newer SHIORI refuses any other spelling, and YAYA
// takes a name it does not know for the system's code page.
constexpr CharsetText responseHead = {
    "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: ",
    "SAORI/1.0 200 OK\r\nCharset: UTF-8\r\nResult: ",
};
constexpr std::string_view responseTail = "\r\n\r\n";

static_assert(emptyResponse.shiftJis.size() == responseHead.shiftJis.size() + responseTail.size() &&
              emptyResponse.shiftJis.starts_with(responseHead.shiftJis));
static_assert(emptyResponse.utf8.size() == responseHead.utf8.size() + responseTail.size() &&
              emptyResponse.utf8.starts_with(responseHead.utf8));

// Hands each non-empty piece of `text` between delimiters to `visit`, in
// order, until `visit` returns true.
template <typename Visit>
void visitLines(std::string_view text, std::string_view delimiter, Visit visit) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find(delimiter, start);
    const std::size_t pieceEnd = end == std::string_view::npos ? text.size() : end;
    if (pieceEnd > start && visit(text.substr(start, pieceEnd - start))) return;
    if (end == std::string_view::npos) return;
    start = end + delimiter.size();
  }
}

// The index N of an argument line, "Argument" N ": " with N in decimal (no
// sign, no leading zero), when N is below `indexLimit`; `value` is set to the
// rest of the line. Any other line has no index.
std::optional<std::size_t> argumentIndex(std::string_view line, std::size_t indexLimit, std::string_view& value) {
  if (!line.starts_with(argumentKeyHead)) return std::nullopt;
  line.remove_prefix(argumentKeyHead.size());
  std::size_t digits = 0;
  std::size_t index = 0;
  for (; digits < line.size() && isAsciiDigit(line[digits]); ++digits) {
    // Saturates at the limit: every index from there on is ignored alike.
    const std::size_t digit = static_cast<std::size_t>(line[digits] - '0');
    if (index < indexLimit) index = index > indexLimit / 10 ? indexLimit : index * 10 + digit;
  }
  const bool leadingZero = digits > 1 && line[0] == '0';
  if (digits == 0 || leadingZero || index >= indexLimit) return std::nullopt;
  line.remove_prefix(digits);
  if (!line.starts_with(argumentKeyTail)) return std::nullopt;
  value = line.substr(argumentKeyTail.size());
  return index;
}

}  // namespace

std::vector<std::string_view> splitLines(std::string_view text, std::string_view delimiter) {
  std::vector<std::string_view> lines;
  visitLines(text, delimiter, [&lines](std::string_view line) {
    lines.push_back(line);
    return false;
  });
  return lines;
}

ArgumentList collectArguments(const std::vector<std::string_view>& lines, std::size_t indexLimit) {
  ArgumentList arguments;
  // Walking backwards, the first line given for an index is the last one written.
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    std::string_view value;
    const std::optional<std::size_t> index = argumentIndex(*line, indexLimit, value);
    if (!index) continue;
    if (*index >= arguments.size()) arguments.resize(*index + 1);
    arguments[*index].assign(value);
  }
  return arguments;
}

ArgumentList requestArguments(std::string_view requestText) {
  return collectArguments(splitLines(requestText, lineEnd), requestText.size());
}

Charset requestCharset(std::string_view requestText) noexcept {
  Charset charset = Charset::shiftJis;
  visitLines(requestText, lineEnd, [&charset](std::string_view line) {
    if (!line.starts_with(charsetKey)) return false;
    if (namesUtf8(line.substr(charsetKey.size()))) charset = Charset::utf8;
    return true;
  });
  return charset;
}

std::string frameResponse(std::string_view resultScript, Charset charset) {
  const std::string_view head = responseHead.in(charset);
  std::string response;
  response.reserve(head.size() + resultScript.size() + responseTail.size());
  response += head;
  response += resultScript;
  response += responseTail;
  return response;
}

}  // namespace zef
