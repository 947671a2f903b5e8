// Cutting a SakuraScript result into tags and text, for readable output.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace saori_run {

struct ScriptToken {
  bool isTag = false;
  std::string_view name;      // tags: the name after the backslash ("p", "!", "_q", "s")
  std::string_view argument;  // tags: the text between the brackets, "" if none
  std::string_view text;      // the token's whole bytes as they stand in the script
};

// Tags are a backslash, a name (one byte, or underscores and letters, with a
// digit for short forms such as \s5 and \w9), and an optional bracketed
// argument that runs to the first ']' not written as "\]". Everything between
// tags is text.
std::vector<ScriptToken> tokenizeScript(std::string_view script);

// A choice script as the host runs it: every "\]" read as "]".
std::string unescapeChoiceScript(std::string_view script);

}  // namespace saori_run
