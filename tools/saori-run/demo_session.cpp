// The built-in demo: what a ghost typically sends, in order.
#include "demo_session.h"

#include "base/module_state.h"
#include "ghost.h"

namespace saori_run {

namespace {

Step request(std::vector<std::string> arguments) { return {Step::Kind::request, std::move(arguments), {}}; }

Step choose(std::size_t number) { return {Step::Kind::choose, {}, {}, 0, number}; }

// "konnichiwa" in hiragana, in each charset.
std::string greeting(Charset charset) {
  return charset == Charset::utf8 ? "\xe3\x81\x93\xe3\x82\x93\xe3\x81\xab\xe3\x81\xa1\xe3\x81\xaf"
                                  : "\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd";
}

}  // namespace

std::vector<std::string> typicalLayoutStart(std::string_view word) {
  const zef::ModuleState defaults;
  std::vector<std::string> arguments = {std::string(word)};
  for (const zef::Setting& setting : zef::settings) {
    if (setting.byLayoutStart) arguments.push_back(settingText(setting, defaults));
  }
  arguments.resize(arguments.size() + static_cast<std::size_t>(defaults.characterCount), "0");
  return arguments;
}

Session demoSession(Charset charset) {
  std::vector<std::string> tooShort = typicalLayoutStart();
  tooShort.pop_back();
  return {
      {Step::Kind::load, {}, {}},
      // Two characters named but only one surface offset given: refused.
      request(tooShort),
      request(typicalLayoutStart()),
      request({"ZEF", "\\s[5]Hello.", "\\s[10]Hi. " + greeting(charset), "Bye."}),
      request({"settingZEF"}),
      // The user picks "Pos-H" 30 in character 0's balloon; the ghost answers
      // the event settingZEF with the menu again.
      choose(1),
      request({"changeZEF", "Bl_Num", "8"}),
      // What a ghost sends on later boots: the same settings, scopes left in place.
      request(typicalLayoutStart("startZEF")),
      {Step::Kind::unload, {}, {}},
  };
}

}  // namespace saori_run
