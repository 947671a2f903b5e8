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

// Reads a bracket from `pos`, the byte after its "[", as the host does, into
// `arguments`; returns the position of the "]" that closes it, or npos when
// none does.
std::size_t readBracket(std::string_view text, std::size_t pos, Charset charset, std::vector<Argument>& arguments) {
  arguments.assign(1, Argument{});
  bool argumentStart = false;  // only arguments after a comma may be quoted
  bool inQuotes = false;
  while (pos < text.size()) {
    const char c = text[pos];
    Argument& argument = arguments.back();
    if (inQuotes && c == '"') {
      const bool doubled = pos + 1 < text.size() && text[pos + 1] == '"';
      if (doubled) argument.text += '"';
      inQuotes = doubled;
      pos += doubled ? 2 : 1;
      continue;
    }
    if (!inQuotes && argumentStart && c == '"') {
      inQuotes = argument.quoted = true;
      argumentStart = false;
      ++pos;
      continue;
    }
    argumentStart = false;
    if (!inQuotes && c == ']') return pos;
    if (!inQuotes && c == ',') {
      arguments.emplace_back();
      argumentStart = true;
      ++pos;
      continue;
    }
    if (!inQuotes && isEscape(text, pos)) {
      argument.text += text[pos + 1];
      pos += 2;
      continue;
    }
    const std::size_t length = characterLength(text, pos, charset);
    argument.text.append(text.substr(pos, length));
    pos += length;
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
      std::vector<Argument> arguments;
      std::size_t close = readBracket(script, end + 1, charset, arguments);
      if (close != std::string_view::npos) {
        tag.hasBracket = true;
        tag.bracket = std::string(script.substr(end + 1, close - end - 1));
        tag.arguments = std::move(arguments);
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

std::vector<Argument> readArguments(std::string_view bracket, Charset charset) {
  std::vector<Argument> arguments;
  readBracket(bracket, 0, charset, arguments);
  return arguments;
}

std::vector<std::string> argumentTexts(const std::vector<Argument>& arguments) {
  std::vector<std::string> texts;
  for (const Argument& argument : arguments) texts.push_back(argument.text);
  return texts;
}

std::vector<std::string> splitArguments(std::string_view bracket, Charset charset) {
  return argumentTexts(readArguments(bracket, charset));
}

}  // namespace zef::host_model
