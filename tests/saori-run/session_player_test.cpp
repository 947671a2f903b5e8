// The loop that plays a session, against a module that answers each command
// word with a fixed script: what its listener sees, and in which order.
#include <gtest/gtest.h>

#include <map>

#include "session_player.h"

namespace saori_run {
namespace {

using Kind = Step::Kind;

class ScriptedModule : public ModuleHost {
 public:
  long load(std::string_view) override { return 1; }
  long unload() override { return 1; }
  std::string request(std::string_view text, bool& gotBlock) override {
    gotBlock = true;
    const std::size_t at = text.find("Argument0: ") + 11;
    const std::string word(text.substr(at, text.find('\r', at) - at));
    return "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: " + scripts[word] + "\r\n\r\n";
  }
  std::map<std::string, std::string> scripts = {{"talk", "\\0Hi."}, {"menu", "\\0\\q[Go,OnGo]\\q[Back,OnBack]"}};
};

// Each call as a line.
class Log : public SessionListener {
 public:
  void requested(const Step& step, std::string_view, bool) override { lines.push_back("request " + step.arguments[0]); }
  void chose(const Step&, const zef::host_model::Chosen& chosen) override {
    lines.push_back("chose " + chosen.choice.text + " raising " + chosen.events.at(0));
  }
  void ghostWords(const Step& step) override { lines.push_back("words " + step.text); }
  void shown(const Shown& shown) override {
    lines.push_back("shown " + (shown.choice ? shown.choice->text : shown.step.arguments[0]) + " [" +
                    shown.words.before + "|" + shown.words.after + "]");
  }
  void warn(const Step& step, std::string_view problem) override {
    lines.push_back("warn line " + std::to_string(step.line) + ": " + std::string(problem));
  }
  std::vector<std::string> lines;
};

std::vector<std::string> played(const Session& session) {
  ScriptedModule module;
  Log log;
  SessionPlayer(module, Charset::shiftJis, log).play(session);
  return log.lines;
}

Step request(std::string word) { return {Kind::request, {std::move(word)}, {}}; }
Step words(Kind kind, std::string text, std::size_t line = 0) { return {kind, {}, std::move(text), line}; }
Step choose(std::size_t number) { return {Kind::choose, {}, {}, 0, number}; }

// A result is shown once the words after it are known; a choice is shown
// after it is picked, and the script shown from then on is its own.
TEST(SessionPlayer, ShowsEachScriptWithTheGhostsWordsAroundIt) {
  EXPECT_EQ(played({words(Kind::wordsBefore, "A"), request("talk"), words(Kind::wordsAfter, "B"), request("menu"),
                    choose(2)}),
            (std::vector<std::string>{"words A", "request talk", "words B", "shown talk [A|B]", "request menu",
                                      "shown menu [|]", "chose Back raising OnBack", "shown Back [|]"}));
}

// The choices of the ghost's own words count as --state lists them: first
// those before the result, then the result's.
TEST(SessionPlayer, ChoosesAmongTheChoicesOfTheGhostsWordsToo) {
  const std::vector<std::string> lines =
      played({words(Kind::wordsBefore, "\\q[Mine,OnMine]"), request("menu"), choose(1)});
  EXPECT_EQ(lines.at(3), "chose Mine raising OnMine");
}

TEST(SessionPlayer, WarnsOfWordsThatJoinNoResult) {
  EXPECT_EQ(
      played({words(Kind::wordsAfter, "A", 1), request("menu"), choose(1), words(Kind::wordsAfter, "B", 4),
              words(Kind::wordsBefore, "C", 5)}),
      (std::vector<std::string>{
          "words A", "warn line 1: @after joins the result of the request before it, and none comes right before it",
          "request menu", "shown menu [|]", "chose Go raising OnGo", "words B",
          "warn line 4: @after joins the result of the request before it, and none comes right before it", "words C",
          "shown Go [|]", "warn line 5: @before joins the result of the next request, and none follows"}));
}

}  // namespace
}  // namespace saori_run
