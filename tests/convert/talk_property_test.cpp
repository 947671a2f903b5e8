// Random talks played on a model of the balloon stack, their scripts read
// by the model host's tokenizer: whatever the counts, step and
// empty utterances, the balloons a talk leaves showing are its newest ones,
// stacked one step apart from the anchor, and no balloon is hidden twice or
// before enough newer ones have pushed it out.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "base/decimal.h"
#include "script_tokens.h"
#include "support/saori_client.h"

namespace zef {
namespace {

// What the host shows after running a talk script: which text each scope's
// balloon holds and where the scope was last moved.
class StackModel {
 public:
  explicit StackModel(std::int32_t balloonCount) : balloonCount_(balloonCount) {}

  // Runs the script, read tag by tag as the host reads it; reports every rule
  // a step breaks as a test failure.
  void run(std::string_view script) {
    std::int32_t scope = 0;
    bool cleared = false;
    for (const host_model::Token& token : host_model::tokenize(script)) {
      if (token.kind != host_model::Token::Kind::Tag) continue;
      if (token.name == "p") scope = readDecimal(token.bracket);
      if (token.name == "!") moveOf(scope, host_model::splitArguments(token.bracket));
      if (token.name == "b" && token.bracket == "-1" && cleared) hideBalloon(scope);
      if (token.name == "b" && token.bracket != "-1") writeBalloon(scope);
      cleared = token.name == "c";
    }
  }

  // The texts still showing, newest first, with their scopes' last Y.
  std::vector<std::pair<int, std::int32_t>> showingNewestFirst() const {
    std::map<int, std::int32_t, std::greater<>> byText;
    for (const auto& [scope, text] : showing_) byText[text] = lastY_.at(scope);
    return {byText.begin(), byText.end()};
  }

  int written() const { return written_; }

 private:
  // A move's Y offset, where it gives one.
  void moveOf(std::int32_t scope, const std::vector<std::string>& arguments) {
    if (arguments.empty() || !arguments.front().starts_with("move")) return;
    for (const std::string& option : arguments) {
      if (option.starts_with("--Y=")) lastY_[scope] = readDecimal(option.substr(4));
    }
  }

  void hideBalloon(std::int32_t scope) {
    const auto text = showing_.find(scope);
    ASSERT_TRUE(text != showing_.end()) << "scope " << scope << " hidden while showing nothing";
    // A hide comes just before the text that pushes the balloon out.
    const int newerTexts = written_ - text->second;
    EXPECT_GE(newerTexts, balloonCount_) << "text " << text->second << " hidden too early";
    showing_.erase(text);
  }

  void writeBalloon(std::int32_t scope) {
    ASSERT_EQ(lastY_.count(scope), 1u) << "scope " << scope << " written before being moved";
    EXPECT_EQ(lastY_[scope], 0) << "newest balloon not on its anchor";
    showing_[scope] = written_++;
    EXPECT_LE(showing_.size(), static_cast<std::size_t>(balloonCount_));
  }

  std::int32_t balloonCount_;
  int written_ = 0;
  std::map<std::int32_t, int> showing_;  // scope -> index of the text it shows
  std::map<std::int32_t, std::int32_t> lastY_;
};

TEST(TalkProperty, RandomTalksLeaveTheNewestBalloonsStacked) {
  std::mt19937 random(20261208);
  auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };

  for (int round = 0; round < 300; ++round) {
    test::FreshModule module;
    const int characters = between(1, 4);
    const int balloons = between(1, 7);
    const int step = between(-50, 50);
    std::vector<std::string> layout = test::defaultLayoutStart();
    layout[2] = std::to_string(characters);
    layout[3] = std::to_string(balloons);
    layout[4] = std::to_string(step);
    layout[6] = std::to_string(between(0, 13));
    layout.resize(10 + static_cast<std::size_t>(characters), "0");
    test::resultOf(layout);

    std::vector<std::string> talk{"ZEF"};
    const int utterances = between(1, 40);
    const int emptyPercent = between(0, 80);
    int nonEmpty = 0;
    for (int i = 0; i < utterances; ++i) {
      const bool empty = between(1, 100) <= emptyPercent;
      talk.push_back(empty ? "" : "t" + std::to_string(i));
      nonEmpty += empty ? 0 : 1;
    }
    SCOPED_TRACE(::testing::Message() << "round " << round << ": " << characters << " characters, " << balloons
                                      << " balloons, step " << step << ", " << ::testing::PrintToString(talk));

    StackModel host(balloons);
    host.run(test::resultOf(talk));
    ASSERT_EQ(host.written(), nonEmpty);
    if (nonEmpty == 0) continue;

    const auto showing = host.showingNewestFirst();
    ASSERT_FALSE(showing.empty());
    EXPECT_EQ(showing.front().first, nonEmpty - 1) << "newest text not showing";
    for (std::size_t age = 0; age < showing.size(); ++age) {
      EXPECT_EQ(showing[age].second, -step * static_cast<int>(age)) << "text " << showing[age].first;
    }
  }
}

}  // namespace
}  // namespace zef
