// Printing each step of a session.
#include "session_runner.h"

#include <string_view>

#include "explain.h"
#include "sjis_text.h"

namespace saori_run {

namespace {

using zef::host_model::shiftJisToUtf8;

std::string identity(std::string_view bytes) { return std::string(bytes); }

void printHeading(const Step& step, std::size_t number, bool raw, std::ostream& out) {
  auto show = raw ? identity : shiftJisToUtf8;
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
  if (options.explain) {
    explainScript(result, out, shiftJisToUtf8);
    return;
  }
  out << shiftJisToUtf8(result) << "\n";
}

}  // namespace

void runSession(ModuleHost& module, const Session& session, const Options& options, AnswerWatch& watch,
                std::ostream& out) {
  std::size_t requestNumber = 0;
  for (const Step& step : session) {
    if (step.kind == Step::Kind::load) {
      out << "== load -> " << module.load(".") << "\n";
      watch.loaded();
      continue;
    }
    if (step.kind == Step::Kind::unload) {
      out << "== unload -> " << module.unload() << "\n";
      continue;
    }
    printHeading(step, ++requestNumber, options.raw, out);
    bool gotBlock = false;
    const std::string response = module.request(requestTextOf(step), gotBlock);
    printResponse(response, gotBlock, options, out);
    // The warning follows the output that it explains.
    out.flush();
    watch.answered(step, resultValue(response));
  }
}

}  // namespace saori_run
