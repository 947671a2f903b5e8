// Reading session files and building request texts.
#include "session.h"

#include <algorithm>
#include <charconv>

#include "module/request.h"
#include "saori_request.h"

namespace saori_run {

namespace {

std::vector<std::string> splitAtTabs(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Undoes the escapes of an @raw line; false on a malformed escape.
bool unescape(std::string_view text, std::string& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '0': out += '\0'; break;
      case '\\': out += '\\'; break;
      case 'x': {
        const int high = i + 1 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? hexValue(text[i + 2]) : -1;
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
        i += 2;
        break;
      }
      default: return false;
    }
  }
  return true;
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) on "\"" + std::string.
std::string quoted(std::string_view line) {
  std::string out;
  out.reserve(line.size() + 2);
  out += '"';
  out += line;
  out += '"';
  return out;
}

std::string hexByte(unsigned char byte) {
  constexpr char digits[] = "0123456789ABCDEF";
  return std::string("0x") + digits[byte / 16] + digits[byte % 16];
}

// Text holds no control bytes but TAB; binary files (a module given by
// mistake) hold NUL and others at once.
bool isText(std::string_view line, std::string& problem) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if ((byte >= 0x20 && byte != 0x7F) || byte == '\t') continue;
    problem = "byte " + hexByte(byte) + " at column " + std::to_string(i + 1) +
              ": this is not a text file; a session file holds one request per line "
              "(@raw TEXT can send other bytes as \\xHH)";
    return false;
  }
  return true;
}

// "@choose N": N a choice number from 1, in decimal.
bool parseChoose(std::string_view line, std::string_view number, Session& session, std::string& problem) {
  std::size_t choice = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), choice);
  if (error != std::errc{} || end != number.data() + number.size() || choice == 0) {
    problem = "no choice number in " + quoted(line) + " (@choose N picks choice N, counted from 1)";
    return false;
  }
  session.push_back({Step::Kind::choose, {}, {}, 0, choice});
  return true;
}

bool parseLine(std::string_view line, Session& session, std::string& problem) {
  if (!isText(line, problem)) return false;
  if (line.empty() || line.front() == '#') return true;
  if (line.front() != '@') {
    session.push_back({Step::Kind::request, splitAtTabs(line), {}});
    return true;
  }
  if (line == "@load") {
    session.push_back({Step::Kind::load, {}, {}});
    return true;
  }
  if (line == "@unload") {
    session.push_back({Step::Kind::unload, {}, {}});
    return true;
  }
  if (line == "@restart") {
    session.push_back({Step::Kind::restart, {}, {}});
    return true;
  }
  constexpr std::string_view chooseWord = "@choose";
  if (line == chooseWord || line.starts_with("@choose ")) {
    return parseChoose(line, line.substr(std::min(line.size(), chooseWord.size() + 1)), session, problem);
  }
  for (const auto& [head, kind] : {std::pair{std::string_view("@before "), Step::Kind::wordsBefore},
                                   std::pair{std::string_view("@after "), Step::Kind::wordsAfter}}) {
    if (!line.starts_with(head)) continue;
    session.push_back({kind, {}, std::string(line.substr(head.size()))});
    return true;
  }
  constexpr std::string_view rawHead = "@raw ";
  if (line.substr(0, rawHead.size()) != rawHead) {
    problem = "unknown directive " + quoted(line) +
              " (expected @load, @unload, @restart, @raw TEXT, @choose N, @before TEXT or @after TEXT)";
    return false;
  }
  Step step{Step::Kind::rawRequest, {}, {}};
  if (!unescape(line.substr(rawHead.size()), step.text)) {
    problem = "malformed escape in " + quoted(line) + " (@raw knows \\r \\n \\t \\0 \\\\ \\xHH)";
    return false;
  }
  session.push_back(std::move(step));
  return true;
}

}  // namespace

bool parseSession(std::string_view fileText, std::string_view fileName, Session& session, std::string& error) {
  // Editors that save UTF-8 may open the file with a byte order mark; it
  // marks the encoding and is no part of the first command word.
  constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
  if (fileText.starts_with(byteOrderMark)) fileText.remove_prefix(byteOrderMark.size());
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start < fileText.size()) {
    std::size_t end = fileText.find('\n', start);
    if (end == std::string_view::npos) end = fileText.size();
    std::string_view line = fileText.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber;
    std::string problem;
    const std::size_t stepsBefore = session.size();
    if (!parseLine(line, session, problem)) {
      error = std::string(fileName) + ":" + std::to_string(lineNumber) + ": " + problem;
      return false;
    }
    if (session.size() > stepsBefore) session.back().line = lineNumber;
    start = end + 1;
  }
  return true;
}

std::string buildRequest(const std::vector<std::string>& arguments, Charset charset) {
  return zef::saori::request(arguments, charset == Charset::utf8 ? "UTF-8" : "Shift_JIS", "saori-run");
}

std::string requestTextOf(const Step& step, Charset charset) {
  return step.kind == Step::Kind::rawRequest ? step.text : buildRequest(step.arguments, charset);
}

std::string_view resultValue(std::string_view response) {
  constexpr std::string_view resultKey = "\r\nResult: ";
  const std::size_t at = response.find(resultKey);
  if (at == std::string_view::npos) return {};
  const std::size_t start = at + resultKey.size();
  const std::size_t end = response.find("\r\n", start);
  return response.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

Charset responseCharset(std::string_view response) {
  // A response names its charset in a line like a request's Charset line.
  return zef::requestCharset(response);
}

}  // namespace saori_run
