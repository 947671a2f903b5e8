// Parsing saori-run's command line.
#include "options.h"

#include <string_view>

#include "base/charset.h"
#include "session.h"

namespace saori_run {

const char* const usageSynopsis =
    "usage: saori-run [MODULE OPTIONS] [--raw | --explain] [SESSION_FILE]\n"
    "       saori-run [MODULE OPTIONS] [--raw | --explain] -- ARG0 ARG1 ...\n"
    "       saori-run [MODULE OPTIONS] [--preview FILE] [--state] [--char-size WxH[,WxH...]]\n"
    "                 [--balloon-size WxH] [SESSION_FILE]\n"
    "MODULE OPTIONS: [--module PATH] [--plain-entries] [--charset NAME]\n";

const char* const usageDetails =
    "\n"
    "Loads a SAORI module the way a host does, sends it requests and prints\n"
    "each request's arguments and the Result of its response.\n"
    "\n"
    "  --module PATH  the module to load (default: the zef module beside saori-run)\n"
    "  --plain-entries  call load, request and unload, as a Windows host does,\n"
    "                 even where the module has <name>_saori_load and the like\n"
    "                 (which a POSIX host calls first)\n"
    "  SESSION_FILE   one request per line, arguments separated by TAB; lines\n"
    "                 starting with '#' and blank lines are skipped; @load and\n"
    "                 @unload call those entries; @raw TEXT sends TEXT as the whole\n"
    "                 request (escapes \\r \\n \\t \\0 \\\\ \\xHH); @choose N picks\n"
    "                 choice N of the balloons shown (--state lists them) and\n"
    "                 answers the event settingZEF as a ghost does; @before TEXT\n"
    "                 and @after TEXT are the ghost's own words around the next\n"
    "                 (or the last) result, drawn with it by --preview and --state;\n"
    "                 @restart starts the ghost again (module reloaded, windows\n"
    "                 placed afresh, kept balloon positions handed back).\n"
    "                 Without a file and without --, a built-in demo session runs.\n"
    "  -- ARG0 ...    send one request with these arguments\n"
    "  --charset NAME the session's charset, Shift_JIS (the default) or UTF-8: the\n"
    "                 requests name it and the session file is read in it; each\n"
    "                 result is shown by the charset that its response names\n"
    "  --raw          print the exact bytes of each response\n"
    "  --explain      print each result one tag per line under its scope\n"
    "  --preview FILE run each result on a model desktop and write FILE, an HTML\n"
    "                 page with one picture per request (a preview, not any host)\n"
    "  --state        print the model desktop's state after each request\n"
    "  --char-size WxH[,WxH...]  each character's window on the model desktop (the\n"
    "                 last size stands for the characters after it; default 200x300)\n"
    "  --balloon-size WxH  every balloon's size (default: 260 wide, as high as its text)\n"
    "  --help         show this text\n"
    "  --version      show saori-run's version (that of the zef it comes with)\n"
    "\n"
    "Warnings (a request that cannot do what it seems to mean) go to standard\n"
    "error. Exit status: 0 when the session ran, warnings or not; 1 when an\n"
    "input cannot be used (the session file, the module) or the page cannot be\n"
    "written; 2 for a mistake on the command line.\n";

namespace {

// Refuses options that would be silently ignored together.
bool checkCombination(const Options& options, std::string& error) {
  const PreviewOptions& preview = options.preview;
  if (options.raw && options.explain) {
    error = "--raw and --explain do not go together";
    return false;
  }
  if ((options.raw || options.explain) && preview.wanted()) {
    const std::string printed = options.raw ? "--raw" : "--explain";
    const std::string drawn = preview.reportFile.empty() ? "--state" : "--preview";
    error = printed + " does not go with " + drawn + ": " + drawn +
            " shows each result on the model desktop instead of printing it";
    return false;
  }
  if (preview.sizeGiven && !preview.wanted()) {
    error = "--char-size and --balloon-size only change the model desktop of --preview and --state";
    return false;
  }
  return true;
}

}  // namespace

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (word == "--") {
      options.oneRequest.assign(argv + i + 1, argv + argc);
      if (options.oneRequest.empty()) {
        error = "-- needs at least one argument (the command word)";
        return false;
      }
      if (!options.sessionFile.empty()) {
        error = "give a session file or --, not both";
        return false;
      }
      return true;
    }
    if (word == "--help" || word == "-h") {
      options.help = true;
    } else if (word == "--version") {
      options.version = true;
    } else if (word == "--plain-entries") {
      options.entries = Entries::plainOnly;
    } else if (word == "--raw") {
      options.raw = true;
    } else if (word == "--explain") {
      options.explain = true;
    } else if (word == "--module") {
      if (++i == argc) {
        error = "--module needs a path";
        return false;
      }
      options.modulePath = argv[i];
    } else if (word == "--charset") {
      if (++i == argc) {
        error = "--charset needs UTF-8 or Shift_JIS";
        return false;
      }
      const std::string_view name = argv[i];
      const bool utf8 = zef::namesUtf8(name);
      if (!utf8 && name != "Shift_JIS") {
        error = "--charset needs UTF-8 or Shift_JIS, not " + std::string(name);
        return false;
      }
      options.charset = utf8 ? Charset::utf8 : Charset::shiftJis;
    } else if (takePreviewOption(argc, argv, i, options.preview, error)) {
      if (!error.empty()) return false;
    } else if (word.size() > 1 && word.front() == '-') {
      error = "unknown option " + std::string(word);
      return false;
    } else if (options.sessionFile.empty()) {
      options.sessionFile = word;
    } else {
      error = "only one session file can be given";
      return false;
    }
  }
  return checkCombination(options, error);
}

}  // namespace saori_run
