// Printing a script readably, one tag per line.
#include "explain.h"

#include <string>

#include "choice_tag.h"  // the host model's reading of tags
#include "script_tokens.h"
#include "sjis_text.h"

namespace zef::host_model {

namespace {

// Prints a choice: its title and what picking it does, as the host reads it.
void explainChoice(const Token& tag, Charset charset, std::ostream& out, const std::string& pad,
                   int indent) {
  auto show = [charset](std::string_view text) { return textAsUtf8(text, charset); };
  const ChoiceTag choice = readChoiceTag(tag.arguments);
  out << pad << "choice \"" << show(choice.title) << "\"";
  if (choice.runsScript) {
    out << (choice.cutAtComma ? " runs (cut at a comma: its script is not quoted):\n" : " runs:\n");
    explainScript(choice.target, charset, out, indent + 4);
    return;
  }
  if (tag.arguments.size() < 2) {
    out << "\n";
    return;
  }
  out << " raises " << show(choice.target) << "\n";
}

}  // namespace

void explainScript(std::string_view script, Charset charset, std::ostream& out, int indent) {
  auto show = [charset](std::string_view text) { return textAsUtf8(text, charset); };
  const std::string scopePad(static_cast<std::size_t>(indent), ' ');
  const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
  for (const Token& token : tokenize(script, charset)) {
    if (token.kind == Token::Kind::Text) {
      out << pad << '"' << show(token.text) << "\"\n";
    } else if (token.name == "p") {
      out << scopePad << "scope " << show(token.bracket) << "\n";
    } else if (token.name == "q") {
      explainChoice(token, charset, out, pad, indent);
    } else {
      out << pad << show(token.text) << "\n";
    }
  }
}

}  // namespace zef::host_model
