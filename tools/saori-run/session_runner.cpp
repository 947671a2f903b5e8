// Printing each step of a session.
#include "session_runner.h"

#include <functional>
#include <string_view>

#include "choice_step.h"
#include "explain.h"
#include "sjis_text.h"

namespace saori_run {

namespace {

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
void printChoice(const Step& step, const Chosen& chosen, Charset charset, const Options& options,
                 std::ostream& out) {
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

}  // namespace

void runSession(ModuleHost& module, const Session& session, const Options& options, AnswerWatch& watch,
                std::ostream& out) {
  std::size_t requestNumber = 0;
  ShownChoices shown;
  GhostMemory memory;
  std::function<void(const Step&)> send = [&](const Step& step) {
    printHeading(step, ++requestNumber, options, out);
    bool gotBlock = false;
    const std::string response = module.request(requestTextOf(step, options.charset), gotBlock);
    printResponse(response, gotBlock, options, out);
    // The warning follows the output that it explains.
    out.flush();
    watch.answered(step, resultValue(response));
    shown.shown(resultValue(response), responseCharset(response));
    const Session handBack = memory.sent(step);
    if (!handBack.empty()) out << "\n== the ghost hands back the balloon positions it keeps\n";
    for (const Step& request : handBack) send(request);
  };
  for (const Step& step : session) {
    if (step.kind == Step::Kind::load) {
      out << "== load -> " << module.load(".") << "\n";
      watch.loaded();
      memory.runStarted();
      continue;
    }
    if (step.kind == Step::Kind::restart) {
      out << "\n== restart: the ghost stops and starts again, its windows placed afresh\n== unload -> "
          << module.unload() << "\n== load -> " << module.load(".") << "\n";
      watch.loaded();
      memory.runStarted();
      continue;
    }
    if (step.kind == Step::Kind::unload) {
      out << "== unload -> " << module.unload() << "\n";
      continue;
    }
    if (step.kind == Step::Kind::wordsBefore || step.kind == Step::Kind::wordsAfter) {
      printGhostWords(step, options, out);
      continue;
    }
    if (step.kind != Step::Kind::choose) {
      send(step);
      continue;
    }
    Chosen chosen;
    std::string problem;
    if (!shown.pick(step.choice, chosen, problem)) {
      out.flush();
      watch.warn(step, problem);
      continue;
    }
    printChoice(step, chosen, shown.charset(), options, out);
    for (const Step& request : ghostRequests(step, chosen, memory)) send(request);
  }
}

}  // namespace saori_run
