// Running one result script on the model host.
#include "host_model.h"

#include "balloon_notes.h"
#include "choice_tag.h"
#include "move_command.h"
#include "script_number.h"
#include "script_tokens.h"

namespace zef::host_model {
namespace {

// One script's walk through its tags: the current scope and the state.
class ScriptRun {
 public:
  explicit ScriptRun(HostState& state) : state_(state) {}

  int scope() const { return scope_; }

  // Runs every token of `script`; false when it ends the script (\e).
  bool runAll(std::string_view script, Charset charset, bool ghostsOwn) {
    ghostsOwn_ = ghostsOwn;
    for (const Token& token : tokenize(script, charset)) {
      if (!run(token)) return false;
    }
    return true;
  }

 private:
  // False when the script ends here (\e).
  bool run(const Token& token) {
    if (token.kind == Token::Kind::Text) {
      Segment text{Segment::Kind::Text, token.text, "", false};
      text.ghostsOwn = ghostsOwn_;
      appendSegment(std::move(text));
      return true;
    }
    const std::string& name = token.name;
    if (name == "e") return false;
    if (name == "p") return switchScope(token);
    if (name == "0" || name == "h") return setScope(0);
    if (name == "1" || name == "u") return setScope(1);
    if (name == "s") return showSurface(token);
    if (name == "b") return setBalloon(token);
    if (name == "c") return clearBalloon();
    if (name == "n") return breakLine(token);
    if (name == "q" && token.hasBracket) return addChoice(token);
    if (name == "!" && token.hasBracket) return runCommand(token);
    return record(token);
  }

  bool record(const Token& token) {
    state_.logs[scope_].push_back(token.text);
    return true;
  }

  bool setScope(int scope) {
    scope_ = scope;
    state_.window(scope);
    return true;
  }

  bool switchScope(const Token& token) {
    int scope = 0;
    if (!token.hasBracket || !parseInteger(token.bracket, scope) || scope < 0) return record(token);
    return setScope(scope);
  }

  bool showSurface(const Token& token) {
    std::string surface = token.hasBracket ? token.bracket : token.shortArgument;
    Window& window = state_.window(scope_);
    window.surface = surface;
    window.visible = surface != "-1";
    if (window.isDummy() && !state_.dummySurfaceNoted) {
      state_.addNote({HostNote::Kind::DummySurface, token.text, scope_, 0, 0});
    }
    if (window.isCharacter) return true;
    // An extra scope that shows a surface of its own looks like the main character.
    Size size = window.isDummy() ? Size{0, 0} : state_.sizes.character(0);
    window.rect.width = size.width;
    window.rect.height = size.height;
    return true;
  }

  bool setBalloon(const Token& token) {
    int number = 0;
    std::string text = token.hasBracket ? token.bracket : token.shortArgument;
    if (!parseInteger(text, number) || number < -1) return record(token);
    if (number == -1) {
      state_.balloon(scope_).shown = false;
      return true;
    }
    state_.balloon(scope_).number = number;
    if (number % 2 == 1) state_.addNote({HostNote::Kind::OddBalloon, token.text, scope_, number, 0});
    return true;
  }

  bool clearBalloon() {
    state_.balloon(scope_).clear();
    return true;
  }

  // \n is a break of one line, \n[N] of N percent of a line, \n[half] of half.
  bool breakLine(const Token& token) {
    int percent = 100;
    if (token.hasBracket && !parseInteger(token.bracket, percent) && token.bracket == "half") percent = 50;
    Balloon& balloon = state_.balloon(scope_);
    balloon.startLine(percent);
    balloon.shown = true;
    return true;
  }

  bool addChoice(const Token& token) {
    ChoiceTag tag = readChoiceTag(token.arguments);
    if (tag.cutAtComma) state_.addNote({HostNote::Kind::CutChoice, token.text, scope_, 0, 0});
    Segment choice{Segment::Kind::Choice, std::move(tag.title), std::move(tag.target), tag.runsScript};
    state_.choices.push_back({scope_, choice});
    appendSegment(std::move(choice));
    return true;
  }

  bool runCommand(const Token& token) {
    std::vector<std::string> arguments = argumentTexts(token.arguments);
    const std::string& command = arguments.front();
    if (command == "*") {
      appendSegment({Segment::Kind::Marker, "", "", false});
      return true;
    }
    if (command == "raise" && arguments.size() >= 2) {
      state_.events.push_back(arguments[1]);
      state_.eventReferences.emplace_back(arguments.begin() + 2, arguments.end());
      return true;
    }
    if (command == "move" || command == "moveasync") {
      runMove(state_, scope_, token.text, arguments);
      return true;
    }
    const bool namesGroups = arguments.size() >= 2 && arguments[1] == "sticky-window";
    if (command == "set" && namesGroups) return joinGroup(token, arguments);
    if (command == "reset" && namesGroups) {
      state_.groups.clear();
      return true;
    }
    return record(token);
  }

  // The host refuses a group that names a scope already in one, until the
  // groups are reset; the groups then stay as they were.
  bool joinGroup(const Token& token, const std::vector<std::string>& arguments) {
    std::set<int> members;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
      int scope = 0;
      if (!parseInteger(arguments[i], scope) || scope < 0) return record(token);
      members.insert(scope);
    }
    for (int scope : members) {
      if (state_.groupOf(scope) == nullptr) continue;
      state_.addNote({HostNote::Kind::RefusedGroup, token.text, scope_, scope, 0});
      return true;
    }
    for (int scope : members) state_.window(scope);
    state_.groups.push_back(std::move(members));
    return true;
  }

  void appendSegment(Segment segment) {
    Balloon& balloon = state_.balloon(scope_);
    balloon.shown = true;
    BalloonLine& line = balloon.lines.back();
    bool joinsText = segment.kind == Segment::Kind::Text && !line.empty() && line.back().kind == Segment::Kind::Text &&
                     line.back().ghostsOwn == segment.ghostsOwn;
    if (joinsText) {
      line.back().text += segment.text;
    } else {
      line.push_back(std::move(segment));
    }
  }

  HostState& state_;
  int scope_ = 0;
  bool ghostsOwn_ = false;
};

}  // namespace

HostModel::HostModel(int characterCount, GhostSizes sizes) {
  state_.sizes = std::move(sizes);
  state_.characterCount = characterCount;
  int slotRight = kDesktopWidth;
  for (int c = 0; c < characterCount; ++c) {
    Window& window = state_.window(c);
    window.rect = characterRect(slotRight, state_.sizes.character(c));
    slotRight = window.rect.x;
    window.isCharacter = true;
    window.visible = true;
  }
}

void HostModel::runScript(std::string_view script, Charset charset, const GhostWords& words) {
  for (auto& [scope, balloon] : state_.balloons) {
    balloon.shown = false;
    balloon.number = 0;
    balloon.clear();
  }
  state_.events.clear();
  state_.eventReferences.clear();
  state_.moves.clear();
  state_.logs.clear();
  state_.notes.clear();
  state_.choices.clear();
  state_.charset = charset;
  ScriptRun run(state_);
  // The host runs the three as one script: \e in one ends the others too.
  if (run.runAll(words.before, charset, true) && run.runAll(script, charset, false)) {
    run.runAll(words.after, charset, true);
  }
  state_.currentScope = run.scope();
  noteBalloonPlaces(state_);
  for (const HostNote& note : state_.notes) {
    if (note.kind == HostNote::Kind::DummySurface) state_.dummySurfaceNoted = true;
  }
}

void HostModel::choose(const Segment& choice) {
  if (choice.runsScript) {
    runScript(choice.target, state_.charset);
    return;
  }
  runScript("", state_.charset);
  state_.events.push_back(choice.target);
  state_.eventReferences.emplace_back();
}

}  // namespace zef::host_model
