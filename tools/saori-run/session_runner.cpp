// Printing each step of a session.
#include "session_runner.h"

#include <string_view>

#include "explain.h"
#include "session_player.h"
#include "sjis_text.h"

namespace saori_run {

namespace {

using zef::host_model::Chosen;
using zef::host_model::explainScript;
using zef::host_model::textAsUtf8;

// The arguments are shown in the session's charset, or as they are with --raw.
void printHeading(const Step& step, std::size_t number, const Options& options, std::ostream& out) {
  auto show = [&options](std::string_view bytes) {
    return options.raw ? std::string(bytes) : textAsUtf8(bytes, options.charset);
  };
  out << "\n== request " << number << ":";
  if (step.kind == Step::Kind::rawRequest) {
    out << " (raw, " << step.text.size() << " bytes)\n";
    return;
  }
  for (std::size_t i = 0; i < step.arguments.size(); ++i) out << (i == 0 ? " " : " | ") << show(step.arguments[i]);
  out << "\n";
}

void printResponse(std::string_view response, bool gotBlock, const Options& options, std::ostream& out) {
  if (!gotBlock) {
    out << "(the module returned no response block)\n";
    return;
  }
  if (options.raw) {
    out << response << "\n";
    return;
  }
  const std::string_view result = resultValue(response);
  if (result.empty()) {
    out << "(empty result)\n";
    return;
  }
  out << "Result (" << result.size() << " bytes):\n";
  const Charset charset = responseCharset(response);
  if (options.explain) {
    explainScript(result, charset, out);
    return;
  }
  out << textAsUtf8(result, charset) << "\n";
}

// A picked choice: its title, what it runs (shown like a result) and what its
// events bring.
void printChoice(const Step& step, const Chosen& chosen, const Options& options, std::ostream& out) {
  const Charset charset = chosen.charset;
  const zef::host_model::Segment& choice = chosen.choice;
  const std::string title = options.raw ? choice.text : textAsUtf8(choice.text, charset);
  out << "\n== choice " << step.choice << ": \"" << title << "\"";
  if (!choice.runsScript) {
    out << " raises " << (options.raw ? choice.target : textAsUtf8(choice.target, charset)) << "\n";
  } else if (options.raw) {
    out << " runs:\n" << choice.target << "\n";
  } else if (options.explain) {
    out << " runs:\n";
    explainScript(choice.target, charset, out);
  } else {
    out << " runs:\n" << textAsUtf8(choice.target, charset) << "\n";
  }
  if (chosen.events.empty()) out << "(it raises no event)\n";
  for (std::size_t i = 0; i < chosen.events.size(); ++i) {
    const std::vector<std::string> answer = ghostAnswer(chosen.events[i]);
    out << "event " << textAsUtf8(chosen.events[i], charset);
    for (const std::string& reference : chosen.references[i]) out << "," << textAsUtf8(reference, charset);
    out << (answer.empty() ? ": saori-run sends no request for it\n" : ": the ghost answers with a request\n");
  }
}

// The ghost's own words go to no module; --preview and --state draw them.
void printGhostWords(const Step& step, const Options& options, std::ostream& out) {
  const bool before = step.kind == Step::Kind::wordsBefore;
  out << "\n== the ghost's words " << (before ? "before the next result" : "after the last result")
      << " (drawn by --preview and --state):\n";
  if (options.explain) {
    explainScript(step.text, options.charset, out);
    return;
  }
  out << (options.raw ? step.text : textAsUtf8(step.text, options.charset)) << "\n";
}

// Prints each step as it is played.
class Printout : public SessionListener {
 public:
  Printout(const Options& options, AnswerWatch& watch, std::ostream& out)
      : options_(options), watch_(watch), out_(out) {}

  void loaded(const Step&, long result) override {
    out_ << "== load -> " << result << "\n";
    watch_.loaded();
  }
  void unloaded(const Step& step, long result) override {
    if (step.kind == Step::Kind::restart) {
      out_ << "\n== restart: the ghost stops and starts again, its windows placed afresh\n";
    }
    out_ << "== unload -> " << result << "\n";
  }
  void requested(const Step& step, std::string_view response, bool gotBlock) override {
    printHeading(step, ++requests_, options_, out_);
    printResponse(response, gotBlock, options_, out_);
    // The warning follows the output that it explains.
    out_.flush();
    watch_.answered(step, resultValue(response));
  }
  void chose(const Step& step, const Chosen& chosen) override {
    printChoice(step, chosen, options_, out_);
  }
  void handingBack(const Step&) override { out_ << "\n== the ghost hands back the balloon positions it keeps\n"; }
  void ghostWords(const Step& step) override { printGhostWords(step, options_, out_); }
  void warn(const Step& step, std::string_view problem) override {
    out_.flush();
    watch_.warn(step, problem);
  }

 private:
  const Options& options_;
  AnswerWatch& watch_;
  std::ostream& out_;
  std::size_t requests_ = 0;
};

}  // namespace

void runSession(ModuleHost& module, const Session& session, const Options& options, AnswerWatch& watch,
                std::ostream& out) {
  Printout printout(options, watch, out);
  SessionPlayer(module, options.charset, printout).play(session);
}

}  // namespace saori_run
