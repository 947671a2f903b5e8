// Cutting a SakuraScript into text runs and tags, the way the host reads it.
//
// The host reads Shift-JIS by characters: a lead byte and its trail byte are
// one character, so a trail byte 0x5C or 0x5D inside a double-byte character
// is never a backslash or a closing bracket. UTF-8 is read byte by byte.
// Inside a tag's brackets "\]" stands for "]" and "\\" for "\". From the
// second argument on, an argument wrapped whole in double quotes may hold
// commas and "]", and "" stands for one `"` in it; its other bytes are taken
// as they stand:
//   \![raise,OnTest,"100,2"]              -> raise | OnTest | 100,2
//   \q[one,"script:\q[two,script:three]"] -> one | script:\q[two,script:three]
// The raw bracket text keeps the escapes and quotes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text_charset.h"

namespace zef::host_model {

// One argument of a bracket as the host reads it: escapes undone, quotes
// taken off.
struct Argument {
  std::string text;
  bool quoted = false;  // it was wrapped in double quotes
};

struct Token {
  enum class Kind { Text, Tag };
  Kind kind = Kind::Text;
  std::string name;     // the tag's name: "p", "_q", "!", "*", "s", ...; empty for text
  std::string text;     // text bytes, or the tag exactly as written
  std::string bracket;  // raw text between the tag's brackets (escapes kept)
  std::vector<Argument> arguments;  // the bracket's arguments, read once by tokenize
  bool hasBracket = false;
  std::string shortArgument;  // the digit of short forms such as \s0 or \w9
};

// True for the first byte of a double-byte Shift-JIS character.
bool isLeadByte(unsigned char byte);

std::vector<Token> tokenize(std::string_view script, Charset charset = Charset::shiftJis);

// The raw bracket text split into its arguments.
std::vector<Argument> readArguments(std::string_view bracket, Charset charset = Charset::shiftJis);

// The texts of `arguments`.
std::vector<std::string> argumentTexts(const std::vector<Argument>& arguments);

// The texts of readArguments.
std::vector<std::string> splitArguments(std::string_view bracket, Charset charset = Charset::shiftJis);

}  // namespace zef::host_model
