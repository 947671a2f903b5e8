// saori-run: a command-line host for SAORI modules, for ghost authors.
//
// It loads a module the way a desktop-mascot host does, sends it a session of
// requests and prints what the module answers, so that an author can see the
// script their ghost would run.
#include <iostream>

#include "demo_session.h"
#include "file_io.h"
#include "module_file.h"
#include "options.h"
#include "preview_mode.h"
#include "session.h"
#include "session_checks.h"
#include "session_runner.h"
#include "standard_output.h"

namespace saori_run {

namespace {

constexpr int usageFailure = 2;
constexpr int runFailure = 1;

// The module built beside saori-run.
std::string defaultModulePath(const char* argv0) {
  const std::string self = argv0;
  const std::size_t slash = self.find_last_of("/\\");
  const std::string directory = slash == std::string::npos ? "." : self.substr(0, slash);
  return directory + "/" + ZEF_MODULE_FILE_NAME;
}

bool readSession(const Options& options, Session& session, std::string& error) {
  if (!options.oneRequest.empty()) {
    session = {{Step::Kind::load, {}, {}}, {Step::Kind::request, options.oneRequest, {}}, {Step::Kind::unload, {}, {}}};
    return true;
  }
  if (options.sessionFile.empty()) {
    session = demoSession(options.charset);
    return true;
  }
  std::string text;
  std::string reason;
  if (!readWholeFile(options.sessionFile, text, reason)) {
    error = "cannot read session file " + options.sessionFile + ": " + reason;
    return false;
  }
  return parseSession(text, options.sessionFile, session, error);
}

// A session file that never loads the module gets load first and unload last.
void addLoadAndUnload(Session& session) {
  for (const Step& step : session) {
    if (step.kind == Step::Kind::load || step.kind == Step::Kind::unload) return;
  }
  session.insert(session.begin(), Step{Step::Kind::load, {}, {}});
  session.push_back(Step{Step::Kind::unload, {}, {}});
}

int run(int argc, char** argv) {
  Options options;
  std::string error;
  if (!parseOptions(argc, argv, options, error)) {
    std::cerr << "saori-run: " << error << "\n" << usageSynopsis << "Run saori-run --help for every option.\n";
    return usageFailure;
  }
  if (options.help) {
    std::cout << usageSynopsis << usageDetails;
    return 0;
  }
  if (options.version) {
    std::cout << "saori-run (zef) " << ZEF_VERSION << "\n";
    return 0;
  }

  Session session;
  if (!readSession(options, session, error)) {
    std::cerr << "saori-run: " << error << "\n";
    return runFailure;
  }
  for (const std::string& warning : lineWarnings(session, options.sessionFile)) std::cerr << warning;
  addLoadAndUnload(session);
  // The demo's scripts are long single lines: show them readably.
  if (options.sessionFile.empty() && options.oneRequest.empty() && !options.raw) options.explain = true;

  const std::string modulePath = options.modulePath.empty() ? defaultModulePath(argv[0]) : options.modulePath;
  std::unique_ptr<ModuleHost> module = openModuleFile(modulePath, options.entries, error);
  if (!module) {
    std::cerr << "saori-run: " << error << "\n";
    return runFailure;
  }

  useBinaryStandardOutput();
  AnswerWatch watch(options.sessionFile, std::cerr);
  if (options.preview.wanted()) {
    return runPreview(*module, session, options.preview, options.charset, watch, std::cout, std::cerr);
  }
  runSession(*module, session, options, watch, std::cout);
  std::cout.flush();
  return std::cout ? 0 : runFailure;
}

}  // namespace

}  // namespace saori_run

int main(int argc, char** argv) { return saori_run::run(argc, argv); }
