// The tokenizer behind --explain.
#include "script_tokens.h"

namespace saori_run {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the tag name starting at `at` (just after the backslash).
std::size_t nameLength(std::string_view script, std::size_t at) {
  if (at >= script.size()) return 0;
  std::size_t end = at;
  if (script[end] == '_') {
    while (end < script.size() && script[end] == '_') ++end;
    while (end < script.size() && isLetter(script[end])) ++end;
    return end - at;
  }
  ++end;
  // Short forms such as \s5, \w9 and \i1 carry one digit.
  if (isLetter(script[at]) && end < script.size() && isDigit(script[end]) &&
      (script[at] == 's' || script[at] == 'w' || script[at] == 'i')) {
    ++end;
  }
  return end - at;
}

// Index of the ']' that closes a bracket opened just before `at`, or npos.
std::size_t closingBracket(std::string_view script, std::size_t at) {
  for (std::size_t i = at; i < script.size(); ++i) {
    if (script[i] == '\\' && i + 1 < script.size() && script[i + 1] == ']') {
      ++i;
      continue;
    }
    if (script[i] == ']') return i;
  }
  return std::string_view::npos;
}

}  // namespace

std::vector<ScriptToken> tokenizeScript(std::string_view script) {
  std::vector<ScriptToken> tokens;
  std::size_t at = 0;
  while (at < script.size()) {
    if (script[at] != '\\') {
      std::size_t end = script.find('\\', at);
      if (end == std::string_view::npos) end = script.size();
      tokens.push_back({false, {}, {}, script.substr(at, end - at)});
      at = end;
      continue;
    }
    const std::size_t nameStart = at + 1;
    std::size_t end = nameStart + nameLength(script, nameStart);
    ScriptToken tag{true, script.substr(nameStart, end - nameStart), {}, {}};
    if (end < script.size() && script[end] == '[') {
      const std::size_t close = closingBracket(script, end + 1);
      if (close != std::string_view::npos) {
        tag.argument = script.substr(end + 1, close - end - 1);
        end = close + 1;
      }
    }
    tag.text = script.substr(at, end - at);
    tokens.push_back(tag);
    at = end;
  }
  return tokens;
}

std::string unescapeChoiceScript(std::string_view script) {
  std::string out;
  for (std::size_t i = 0; i < script.size(); ++i) {
    if (script[i] == '\\' && i + 1 < script.size() && script[i + 1] == ']') continue;
    out += script[i];
  }
  return out;
}

}  // namespace saori_run
