// Cutting a SakuraScript into text runs and tags.
#include "script_tokens.h"

namespace zef::host_model {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Tags whose one-digit short form is written without brackets (\s0, \w9, \b2).
bool takesShortDigit(std::string_view name) { return name == "s" || name == "w" || name == "b" || name == "i"; }

// True when `pos` starts one of the bracket escapes "\]" and "\\".
bool isEscape(std::string_view text, std::size_t pos) {
  return text[pos] == '\\' && pos + 1 < text.size() && (text[pos + 1] == ']' || text[pos + 1] == '\\');
}

// Length of the character at `pos`: 2 for a complete double-byte Shift-JIS
// character, else 1.
std::size_t characterLength(std::string_view text, std::size_t pos, Charset charset) {
  if (charset == Charset::shiftJis && isLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) {
    return 2;
  }
  return 1;
}

// The tag name after the backslash at `pos`: "_"-prefixed names and letter
// names take one letter, everything else is one byte ("!", "*", "-", "0").
std::size_t nameEnd(std::string_view script, std::size_t pos) {
  std::size_t end = pos;
  while (end < script.size() && script[end] == '_') ++end;
  if (end < script.size() && (isLetter(script[end]) || end == pos)) ++end;
  return end;
}

// Finds the closing bracket of a bracket that opens at `open`; npos if none.
std::size_t closingBracket(std::string_view script, std::size_t open, Charset charset) {
  std::size_t pos = open + 1;
  while (pos < script.size()) {
    char c = script[pos];
    if (c == ']') return pos;
    pos += isEscape(script, pos) ? 2 : characterLength(script, pos, charset);
  }
  return std::string_view::npos;
}

}  // namespace

bool isLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

std::vector<Token> tokenize(std::string_view script, Charset charset) {
  std::vector<Token> tokens;
  auto appendText = [&tokens](std::string_view bytes) {
    if (tokens.empty() || tokens.back().kind != Token::Kind::Text) tokens.push_back(Token{});
    tokens.back().text.append(bytes);
  };
  std::size_t pos = 0;
  while (pos < script.size()) {
    if (script[pos] != '\\' || pos + 1 >= script.size()) {
      std::size_t length = characterLength(script, pos, charset);
      appendText(script.substr(pos, length));
      pos += length;
      continue;
    }
    if (script[pos + 1] == '\\') {  // "\\" is a backslash shown as text
      appendText("\\");
      pos += 2;
      continue;
    }
    Token tag;
    tag.kind = Token::Kind::Tag;
    std::size_t end = nameEnd(script, pos + 1);
    tag.name = std::string(script.substr(pos + 1, end - pos - 1));
    if (end < script.size() && script[end] == '[') {
      std::size_t close = closingBracket(script, end, charset);
      if (close != std::string_view::npos) {
        tag.hasBracket = true;
        tag.bracket = std::string(script.substr(end + 1, close - end - 1));
        end = close + 1;
      }
    } else if (takesShortDigit(tag.name) && end < script.size() && isDigit(script[end])) {
      tag.shortArgument = std::string(1, script[end]);
      ++end;
    }
    tag.text = std::string(script.substr(pos, end - pos));
    tokens.push_back(std::move(tag));
    pos = end;
  }
  return tokens;
}

std::vector<std::string> splitArguments(std::string_view bracket, Charset charset) {
  std::vector<std::string> parts(1);
  std::size_t pos = 0;
  while (pos < bracket.size()) {
    char c = bracket[pos];
    if (c == ',') {
      parts.emplace_back();
      ++pos;
      continue;
    }
    std::size_t length = isEscape(bracket, pos) ? 2 : characterLength(bracket, pos, charset);
    parts.back().append(bracket.substr(pos, length));
    pos += length;
  }
  return parts;
}

std::string unescapeBracket(std::string_view text, Charset charset) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (isEscape(text, pos)) {
      out += text[pos + 1];
      pos += 2;
      continue;
    }
    std::size_t length = characterLength(text, pos, charset);
    out.append(text.substr(pos, length));
    pos += length;
  }
  return out;
}

}  // namespace zef::host_model
