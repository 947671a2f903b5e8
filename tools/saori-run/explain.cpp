// Printing a script readably, one tag per line.
#include "explain.h"

#include <string>

#include "script_tokens.h"  // the host model's tokenizer
#include "sjis_text.h"

namespace saori_run {

namespace host_model = zef::host_model;
using host_model::Charset;

namespace {

constexpr std::string_view scriptChoiceMark = ",script:";

// Prints a choice: its title and what picking it does.
void explainChoice(std::string_view argument, Charset charset, std::ostream& out, const std::string& pad, int indent) {
  auto show = [charset](std::string_view text) { return host_model::textAsUtf8(text, charset); };
  const std::size_t scriptAt = argument.find(scriptChoiceMark);
  if (scriptAt != std::string_view::npos) {
    out << pad << "choice \"" << show(argument.substr(0, scriptAt)) << "\" runs:\n";
    const std::string script =
        host_model::unescapeBracket(argument.substr(scriptAt + scriptChoiceMark.size()), charset);
    explainScript(script, charset, out, indent + 4);
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

void explainScript(std::string_view script, Charset charset, std::ostream& out, int indent) {
  auto show = [charset](std::string_view text) { return host_model::textAsUtf8(text, charset); };
  const std::string scopePad(static_cast<std::size_t>(indent), ' ');
  const std::string pad(static_cast<std::size_t>(indent + 2), ' ');
  for (const host_model::Token& token : host_model::tokenize(script, charset)) {
    if (token.kind == host_model::Token::Kind::Text) {
      out << pad << '"' << show(token.text) << "\"\n";
    } else if (token.name == "p") {
      out << scopePad << "scope " << show(token.bracket) << "\n";
    } else if (token.name == "q") {
      explainChoice(token.bracket, charset, out, pad, indent);
    } else {
      out << pad << show(token.text) << "\n";
    }
  }
}

}  // namespace saori_run
