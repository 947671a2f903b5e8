// Printing each step of a session.
#include "session_runner.h"

#include <string_view>

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
    printHeading(step, ++requestNumber, options, out);
    bool gotBlock = false;
    const std::string response = module.request(requestTextOf(step, options.charset), gotBlock);
    printResponse(response, gotBlock, options, out);
    // The warning follows the output that it explains.
    out.flush();
    watch.answered(step, resultValue(response));
  }
}

}  // namespace saori_run
