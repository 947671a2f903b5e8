// Printing a script readably, one tag per line.
#include "explain.h"

#include <string>

#include "script_tokens.h"  // the host model's tokenizer

namespace saori_run {

namespace host_model = zef::host_model;

namespace {

constexpr std::string_view scriptChoiceMark = ",script:";

// Prints a choice: its title and what picking it does.
void explainChoice(std::string_view argument, std::ostream& out, std::string (*show)(std::string_view),
                   const std::string& pad, int indent) {
  const std::size_t scriptAt = argument.find(scriptChoiceMark);
  if (scriptAt != std::string_view::npos) {
    out << pad << "choice \"" << show(argument.substr(0, scriptAt)) << "\" runs:\n";
    const std::string script = host_model::unescapeBracket(argument.substr(scriptAt + scriptChoiceMark.size()));
    explainScript(script, out, show, indent + 4);
    return;
  }
  const std::size_t comma = argument.find(',');
  if (comma == std::string_view::npos) {
    out << pad << "choice \"" << show(argument) << "\"\n";
    return;
  }
  out << pad << "choice \"" << show(argument.substr(0, comma)) << "\" raises " << show(argument.substr(comma + 1))
      << "\n";
}

}  // namespace

void explainScript(std::string_view script, std::ostream& out, std::string (*show)(std::string_view), int indent) {
  const std::string scopePad(static_cast<std::size_t>(indent), ' ');
  const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
  for (const host_model::Token& token : host_model::tokenize(script)) {
    if (token.kind == host_model::Token::Kind::Text) {
      out << pad << '"' << show(token.text) << "\"\n";
    } else if (token.name == "p") {
      out << scopePad << "scope " << show(token.bracket) << "\n";
    } else if (token.name == "q") {
      explainChoice(token.bracket, out, show, pad, indent);
    } else {
      out << pad << show(token.text) << "\n";
    }
  }
}

}  // namespace saori_run
