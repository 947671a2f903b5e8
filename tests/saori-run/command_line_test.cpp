// saori-run as an author meets it: every mistake gets its message on
// standard error and its exit status (2 for the command line, 1 for an input
// that cannot be used); warnings leave the status at 0.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "options.h"

namespace saori_run {
namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// Each test runs in a process of its own, side by side with the others.
std::string temporaryPath(const std::string& name) {
  return testing::TempDir() + "saori_run_" + std::to_string(getpid()) + "_" + name;
}

std::string contentsOf(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string sessionFile(const std::string& name, const std::string& text) {
  const std::string path = temporaryPath(name);
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// Runs the built saori-run with `arguments`, its output caught in files.
Outcome run(const std::vector<std::string>& arguments) {
  const std::string outPath = temporaryPath("stdout");
  const std::string errPath = temporaryPath("stderr");
  std::vector<char*> argv{const_cast<char*>(SAORI_RUN_PATH)};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
    dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
    execv(SAORI_RUN_PATH, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contentsOf(outPath), contentsOf(errPath)};
}

const std::string usageLines = std::string(usageSynopsis) + "Run saori-run --help for every option.\n";
const std::string typicalStart = "firstZEF\tOn\t2\t6\t100\t100\t10\t0\tdefault\t12\t0\t0";

TEST(CommandLine, UsageMistakesExitTwoWithTheUsageLines) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"-x"}, "unknown option -x"},
      {{"--frobnicate", "s.txt"}, "unknown option --frobnicate"},
      {{"--raw", "--state"}, "--raw does not go with --state: --state shows each result on the model desktop "
                             "instead of printing it"},
      {{"--preview", "p.html", "--explain"}, "--explain does not go with --preview: --preview shows each result on "
                                             "the model desktop instead of printing it"},
      {{"--raw", "--explain"}, "--raw and --explain do not go together"},
      {{"--char-size", "100x200"},
       "--char-size and --balloon-size only change the model desktop of --preview and --state"},
      {{"--state", "--char-size", "100x200,0x5"},
       "--char-size needs WIDTHxHEIGHT, or one for each character separated by commas, each 1 to 2000, not "
       "100x200,0x5"},
      {{"--state", "--balloon-size", "250"}, "--balloon-size needs WIDTHxHEIGHT, each 1 to 2000, not 250"},
      {{"--module"}, "--module needs a path"},
      {{"--charset"}, "--charset needs UTF-8 or Shift_JIS"},
      {{"--charset", "Shift-JIS", "--", "x"}, "--charset needs UTF-8 or Shift_JIS, not Shift-JIS"},
      {{"a.txt", "b.txt"}, "only one session file can be given"},
      {{"--"}, "-- needs at least one argument (the command word)"},
  };
  for (const auto& [arguments, message] : cases) {
    const Outcome outcome = run(arguments);
    EXPECT_EQ(outcome.status, 2) << message;
    EXPECT_EQ(outcome.err, "saori-run: " + message + "\n" + usageLines);
    EXPECT_EQ(outcome.out, "");
  }
}

TEST(CommandLine, UnusableInputsExitOneNamingTheFileAndTheReason) {
  const std::string directory = testing::TempDir();
  const std::string missing = temporaryPath("none.txt");
  const std::string malformed = sessionFile("malformed.txt", "# one fine line, then a bad one\n@frobnicate\n");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{directory}, "cannot read session file " + directory + ": Is a directory"},
      {{missing}, "cannot read session file " + missing + ": No such file or directory"},
      {{ZEF_MODULE_PATH}, std::string(ZEF_MODULE_PATH) +
                              ":1: byte 0x7F at column 1: this is not a text file; a session file holds one "
                              "request per line (@raw TEXT can send other bytes as \\xHH)"},
      {{malformed}, malformed + ":2: unknown directive \"@frobnicate\" (expected @load, @unload, @restart, @raw TEXT, "
                                "@choose N, @before TEXT or @after TEXT)"},
      {{"--preview", directory + "no/such/page.html", "--", "changeZEF", "Bl_Move", "5"},
       "cannot write " + directory + "no/such/page.html: No such file or directory"},
  };
  for (const auto& [arguments, message] : cases) {
    const Outcome outcome = run(arguments);
    EXPECT_EQ(outcome.status, 1) << message;
    EXPECT_EQ(outcome.err, "saori-run: " + message + "\n");
  }

  const std::string noModule = temporaryPath("none.so");
  const Outcome unloadable = run({"--module", noModule, "--", "ZEF", "x"});
  EXPECT_EQ(unloadable.status, 1);
  EXPECT_EQ(unloadable.err.rfind("saori-run: cannot load module " + noModule + ": ", 0), 0u) << unloadable.err;
  EXPECT_TRUE(unloadable.err.ends_with("No such file or directory\n")) << unloadable.err;

  const Outcome noEntries = run({"--module", SAORI_RUN_CORE_PATH, "--", "x"});
  EXPECT_EQ(noEntries.status, 1);
  EXPECT_EQ(noEntries.err.rfind("saori-run: cannot load module " SAORI_RUN_CORE_PATH ": ", 0), 0u) << noEntries.err;
}

TEST(CommandLine, WarningsExplainWhatRanAndLeaveTheStatusAtZero) {
  const std::string blanks = sessionFile("blanks.txt", typicalStart + "\nZEF Hello. Hi.\n");
  const Outcome glued = run({blanks});
  EXPECT_EQ(glued.status, 0);
  EXPECT_EQ(glued.err, "saori-run: warning: " + blanks +
                           ":2: the command word \"ZEF Hello. Hi.\" is not one the module knows, but its first word "
                           "\"ZEF\" is: separate the arguments with TAB, not blanks\n");
  EXPECT_NE(glued.out.find("== request 2: ZEF Hello. Hi.\n(empty result)\n"), std::string::npos) << glued.out;

  const std::string waitsFor = "was answered empty: the module answers ZEF, settingZEF and restoreZEF only after it has "
                               "accepted a layout start (firstZEF or startZEF). ";
  const std::string early = sessionFile("early.txt", "# a refused start counts for nothing\nfirstZEF\tOn\t3\n"
                                                     "changeZEF\tBl_Move\t5\nsettingZEF\nZEF\tHi.\n");
  const Outcome beforeStart = run({early});
  EXPECT_EQ(beforeStart.status, 0);
  EXPECT_EQ(beforeStart.err, "saori-run: warning: " + early + ":4: settingZEF " + waitsFor +
                                 "Add a line like this before it (arguments separated by TAB):\n" + typicalStart +
                                 "\n");

  const Outcome oneRequest = run({"--", "ZEF", "Hello.", "Hi."});
  EXPECT_EQ(oneRequest.status, 0);
  EXPECT_EQ(oneRequest.err, "saori-run: warning: ZEF " + waitsFor +
                                "-- sends one request alone: put both in a session file, one request a line with "
                                "TAB between the arguments, and run saori-run FILE:\n" +
                                typicalStart + "\nZEF\tHello.\tHi.\n");
  const Outcome spaced = run({"--", "ZEF Hello."});
  EXPECT_EQ(spaced.err, "saori-run: warning: the command word \"ZEF Hello.\" is not one the module knows, but its "
                        "first word \"ZEF\" is: give each argument as a word of its own after --\n");
}

// @choose picks a choice of the balloons shown: its script runs, and the ghost
// answers settingZEF with the menu again; "End" raises its event and leaves
// nothing to choose from.
TEST(CommandLine, ChoicesArePickedFromTheBalloonsShown) {
  const std::string path = sessionFile("choose.txt", typicalStart + "\nsettingZEF\n@choose 99\n@choose 14\n"
                                                     "@choose 16\n@choose 1\n");
  const Outcome plain = run({path});
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.err, "saori-run: warning: " + path + ":3: @choose 99: the balloons shown offer 26 choices "
                       "(--state lists them numbered)\nsaori-run: warning: " + path +
                       ":6: @choose 1: the balloons shown offer no choices\n");
  EXPECT_NE(plain.out.find("== choice 14: \"V\" runs:\n\\p[10]\\![move,--X=fix,"), std::string::npos) << plain.out;
  EXPECT_NE(plain.out.find("\\![raise,settingZEF]\nevent settingZEF: the ghost answers with a request\n\n"
                           "== request 3: settingZEF\n"),
            std::string::npos);
  EXPECT_NE(plain.out.find("== choice 16: \"End\" raises OnSettingZEF\n"
                           "event OnSettingZEF: saori-run sends no request for it\n"),
            std::string::npos);

  const Outcome state = run({"--state", path});
  EXPECT_NE(state.out.find("== choice 14: V\n"), std::string::npos) << state.out;
  EXPECT_NE(state.out.find("move 10 by 0,0 time 0 alone\nmove 11 by 0,0 time 0 alone\nevent settingZEF\n"),
            std::string::npos);
  EXPECT_NE(state.out.find("== choice 16: End\n"), std::string::npos);
}

TEST(CommandLine, AShiftJisSessionRunsWithoutAWordOnStandardError) {
  // "こんにちは" in Shift-JIS, with a second byte 0x5C ("表") that is no backslash.
  const std::string session =
      sessionFile("sjis.txt", typicalStart + "\r\nZEF\t\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd\t\x95\x5C\r\n");
  const Outcome outcome = run({session});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  EXPECT_NE(outcome.out.find("== request 2: ZEF | \xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF | "
                             "\xE8\xA1\xA8\n"),
            std::string::npos)
      << outcome.out;
  EXPECT_NE(outcome.out.find("\\f[height,12]\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF\\p[13]"),
            std::string::npos)
      << outcome.out;
  EXPECT_NE(outcome.out.find("\\f[height,12]\xE8\xA1\xA8\n== unload"), std::string::npos) << outcome.out;
}

// Its bytes reach the module as they stand; the byte order mark that an
// editor may put first is not glued to the first command word.
TEST(CommandLine, AUtf8SessionFileGoesOutByteForByte) {
  // "こん" and an emoji in UTF-8.
  const std::string talk = "\xE3\x81\x93\xE3\x82\x93 \xF0\x9F\x98\x80";
  const std::string session = sessionFile("utf8.txt", "\xEF\xBB\xBF" + typicalStart + "\nZEF\t" + talk + "\n");
  const Outcome outcome = run({"--raw", session});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  EXPECT_NE(outcome.out.find("\\f[height,12]" + talk + "\r\n"), std::string::npos) << outcome.out;
}

// A repeated load is a second ghost through zef_saori_load, but leaves the
// plain entries (all that a Windows host calls) without state.
TEST(CommandLine, PlainEntriesAreTheOnesAWindowsHostCalls) {
  const std::string session = sessionFile("reload.txt", "@load\n@load\n@unload\n");
  const Outcome posix = run({"--raw", session});
  const Outcome plain = run({"--raw", "--plain-entries", session});
  EXPECT_EQ(posix.out, "== load -> 1\n== load -> 2\n== unload -> 1\n");
  EXPECT_EQ(plain.out, "== load -> 1\n== load -> 0\n== unload -> 1\n");

  // Only a whole set of <name>_saori_* entries is called instead.
  const Outcome half = run({"--raw", "--module", HALF_ENTRIES_MODULE_PATH, session});
  EXPECT_EQ(half.out, "== load -> 1\n== load -> 1\n== unload -> 7\n");
}

TEST(Preview, ReadsTheCharacterCountAsTheModuleDoesAndSaysWhatItCaps) {
  const std::string start = "firstZEF\tOn\t%\t1\t100\t100\t20\t0\tdefault\t12";
  auto startWith = [&start](const std::string& count, int offsets) {
    std::string line = start;
    line.replace(line.find('%'), 1, count);
    for (int i = 0; i < offsets; ++i) line += "\t0";
    return line + "\n";
  };
  // "+3" is three; a refused start (five named, one offset) tells nothing.
  const Outcome three = run({"--state", sessionFile("three.txt", startWith("5", 1) + startWith(" +3", 3))});
  EXPECT_EQ(three.status, 0);
  EXPECT_NE(three.out.find("window 2 character"), std::string::npos) << three.out;
  EXPECT_EQ(three.out.find("window 3 character"), std::string::npos) << three.out;

  const Outcome nine = run({"--state", sessionFile("nine.txt", startWith("9", 9))});
  EXPECT_EQ(nine.status, 0);
  EXPECT_EQ(nine.out.rfind("note The session's layout start names 9 characters, but the model desktop has room for 7 "
                           "side by side: the picture draws characters 0 to 6 and takes scopes 7 to 8 for extra "
                           "scopes.\n== request 1: firstZEF",
                           0),
            0u)
      << nine.out;
  EXPECT_NE(nine.out.find("window 6 character"), std::string::npos);
  EXPECT_EQ(nine.out.find("window 7 character"), std::string::npos);
}

}  // namespace
}  // namespace saori_run
