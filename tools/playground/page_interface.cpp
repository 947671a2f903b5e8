// The C interface that playground.html calls, in the one WebAssembly file
// with the module.
//
// The page is a host around the module, played by saori-run's own loop
// (session_player.h): each action of its user is a short session, played
// against the module linked into this file through its exported entries, and
// every script that the host shows runs on the preview's host model. The page
// then reads what was played, draws the model desktop, explains the scripts,
// and lists the host notes, events and choices. Every text answer stays
// readable at zef_page_text() until the next call:
//
//   zef_page_boot(2, sizes, length, 0);                // the ghost starts: a fresh module and desktop
//   int played = zef_page_send(block, length, 0, 0);  // "ZEF\0Hello.\0", in Shift_JIS
//   size_t size = zef_page_svg();                      // the figure, UTF-8
//   const char* svg = zef_page_text();
#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/decimal.h"
#include "base/module_state.h"
#include "explain.h"
#include "ghost_sizes.h"
#include "host_model.h"
#include "host_notes.h"
#include "module/command_table.h"
#include "platform/global_memory.h"
#include "session_player.h"
#include "sjis_text.h"
#include "state_dump.h"
#include "svg_desktop.h"

// The module's entries, as a host finds them (module/exports.cpp).
extern "C" {
zef::platform::Bool load(zef::platform::BlockHandle pathBlock, long length);
zef::platform::BlockHandle request(zef::platform::BlockHandle requestBlock, long* length);
zef::platform::Bool unload();
}

namespace {

using saori_run::Session;
using saori_run::Shown;
using saori_run::Step;
using zef::host_model::Charset;
using zef::host_model::HostModel;
using zef::host_model::OfferedChoice;
using zef::host_model::Segment;

// The module linked into this file, called through its entries with blocks
// from its own allocator, as a host calls it.
class LinkedModule : public saori_run::ModuleHost {
 public:
  long load(std::string_view directory) override {
    return ::load(zef::platform::allocateBlock(directory), static_cast<long>(directory.size()));
  }
  std::string request(std::string_view requestText, bool& gotBlock) override {
    long length = static_cast<long>(requestText.size());
    void* response = ::request(zef::platform::allocateBlock(requestText), &length);
    gotBlock = response != nullptr;
    if (!gotBlock) return {};
    std::string bytes(static_cast<const char*>(response), static_cast<std::size_t>(length));
    zef::platform::freeBlock(response);
    return bytes;
  }
  long unload() override { return ::unload(); }
};

// What one step of the last action played: a request the module answered,
// or a picked choice; with what the host then showed.
struct Played {
  std::vector<std::string> heading;  // the request's arguments, or the choice's title
  bool chosen = false;
  bool gotBlock = true;
  std::size_t responseSize = 0;
  std::string script;  // the result, in its charset
  Charset charset = Charset::shiftJis;
  std::string events;  // one a line, UTF-8
  std::string notes;   // one a line: in English, a TAB, in Japanese
};

// The page's host: it runs what is shown on the model desktop and keeps the
// module's own reading of the settings that the requests sent.
class PageHost : public saori_run::SessionListener {
 public:
  void requested(const Step& step, std::string_view response, bool gotBlock) override {
    played.push_back({.heading = step.arguments,
                      .gotBlock = gotBlock,
                      .responseSize = response.size(),
                      .script = std::string(saori_run::resultValue(response)),
                      .charset = saori_run::responseCharset(response)});
    follow(step.arguments);
  }
  void chose(const Step&, const zef::host_model::Chosen& chosen) override {
    played.push_back({.heading = {chosen.choice.text}, .chosen = true, .charset = chosen.charset});
  }
  void shown(const Shown& shown) override {
    saori_run::runShown(shown, model);
    Played& step = played.at(shownSteps++);
    for (const std::string& event : model.state().events) step.events += show(event) + "\n";
    for (const auto& note : model.state().notes) {
      step.notes += zef::host_model::noteText(note, model.state().charset) + "\t" +
                    zef::host_model::noteText(note, model.state().charset, zef::host_model::Language::japanese) + "\n";
    }
  }
  void warn(const Step&, std::string_view) override { refused = true; }

  // A new action: nothing of it played yet.
  void startAction() {
    played.clear();
    shownSteps = 0;
    refused = false;
  }
  std::string show(std::string_view bytes) const { return zef::host_model::textAsUtf8(bytes, model.state().charset); }

  HostModel model;
  Charset charset = Charset::shiftJis;  // of the requests
  std::vector<Played> played;
  std::size_t shownSteps = 0;
  bool refused = false;  // a step could not do what it says
  zef::ModuleState readings;

 private:
  // The state that a request which changes it leaves, by the module's own
  // rules: how the module read what the page sent.
  void follow(const zef::ArgumentList& arguments) {
    if (zef::judgeRequest(arguments, readings.layoutStarted) != zef::Verdict::changes) return;
    if (auto changed = zef::dispatchCommand(arguments, readings, charset).newState) readings = std::move(*changed);
  }
};

// How the page offers a setting: "number", "text", or "switch" with its two words.
std::string kindOf(const zef::Setting& row) {
  if (std::holds_alternative<bool zef::ModuleState::*>(row.field)) {
    return "switch\t" + std::string(zef::switchOn) + "\t" + std::string(zef::switchOff);
  }
  return std::holds_alternative<std::string zef::ModuleState::*>(row.field) ? "text" : "number";
}

LinkedModule module;
PageHost host;
saori_run::SessionPlayer player(module, Charset::shiftJis, host);
std::string lastAnswer;  // what zef_page_text() points at

Charset charsetOf(int utf8) { return utf8 != 0 ? Charset::utf8 : Charset::shiftJis; }

std::size_t answer(std::string value) {
  lastAnswer = std::move(value);
  return lastAnswer.size();
}

// Plays one action of the page's user; the number of steps it played, or -1
// when a step could not do what it says.
int play(const Session& session) {
  host.startAction();
  player.play(session);
  return host.refused ? -1 : static_cast<int>(host.played.size());
}

// Where an offered choice stands in the figure: its place among the choices
// that the figure draws (by scope, then line, then place in the line; -1 when
// its balloon no longer shows it) and the text that opens its line.
struct ChoicePlace {
  int figureIndex = -1;
  std::string lead;
};

// The `rank`-th choice (from 0) shown in the balloon of `scope`.
ChoicePlace placeOf(int scope, int rank) {
  ChoicePlace place;
  int drawn = 0;
  for (const auto& [balloonScope, balloon] : host.model.state().balloons) {
    if (!balloon.shown) continue;
    for (const auto& line : balloon.lines) {
      std::string lead;
      bool leading = true;
      for (const Segment& segment : line) {
        if (segment.kind == Segment::Kind::Choice) leading = false;
        if (leading && segment.kind == Segment::Kind::Text) lead += segment.text;
        if (segment.kind != Segment::Kind::Choice) continue;
        if (balloonScope == scope && rank-- == 0) return {drawn, lead};
        ++drawn;
      }
    }
  }
  return place;
}

}  // namespace

extern "C" {

__attribute__((export_name("zef_page_text"))) const char* zef_page_text() { return lastAnswer.data(); }

// As many characters as stand side by side on the model desktop.
__attribute__((export_name("zef_page_most_characters"))) int zef_page_most_characters() {
  return zef::host_model::mostCharacters;
}

// The settings that a ghost gives, one row a line in the module's order:
// "NAME<TAB>ARGUMENT<TAB>KEY<TAB>DEFAULT<TAB>JAPANESE<TAB>ENGLISH<TAB>KIND",
// ARGUMENT its place in a layout start (0: only changeZEF sets it), KEY its
// changeZEF key (empty: only a layout start sets it), KIND "number", "text",
// or "switch" followed by its two words. UTF-8. The page builds its forms
// from them.
__attribute__((export_name("zef_page_setting_rows"))) std::size_t zef_page_setting_rows() {
  std::string lines;
  std::size_t argument = 0;
  for (const zef::Setting& row : zef::settings) {
    const std::string place = row.byLayoutStart ? std::to_string(++argument) : "0";
    lines += std::string(row.name) + "\t" + place + "\t" + std::string(row.changeKey) + "\t" +
             saori_run::settingText(row, zef::ModuleState{}) + "\t" + std::string(row.label.japanese) + "\t" +
             std::string(row.label.english) + "\t" + kindOf(row) + "\n";
  }
  return answer(std::move(lines));
}

// Reads "WxH" as saori-run's --balloon-size does: width * 65536 + height,
// or 0 when it is no size.
__attribute__((export_name("zef_page_read_size"))) int zef_page_read_size(const char* text, int length) {
  zef::host_model::Size size;
  if (!zef::host_model::readSize(std::string_view(text, static_cast<std::size_t>(length)), size)) return 0;
  return size.width * 65536 + size.height;
}

// The ghost starts again (the module is unloaded and loaded) on a fresh model
// desktop with `characters` real characters (at most seven), of the sizes in
// `sizes`: "WxH,WxH,...\nWxH", the characters' as saori-run's --char-size
// reads them and the balloon's as --balloon-size does; a part that is empty
// or no size leaves its default. Its requests go out in UTF-8 (`utf8` not 0)
// or Shift_JIS. The ghost keeps what it keeps over a restart.
__attribute__((export_name("zef_page_boot"))) void zef_page_boot(int characters, const char* sizes, int length,
                                                                 int utf8) {
  const std::string_view text(sizes, static_cast<std::size_t>(length));
  const std::size_t newline = std::min(text.find('\n'), text.size());
  zef::host_model::GhostSizes read;
  zef::host_model::readSizes(text.substr(0, newline), read.characters);
  zef::host_model::readSize(text.substr(std::min(newline + 1, text.size())), read.balloon);
  host.model = HostModel(std::clamp(characters, 1, zef::host_model::mostCharacters), read);
  host.charset = charsetOf(utf8);
  host.readings = {};
  player.requestsIn(host.charset);
  play({{Step::Kind::restart, {}, {}}});
}

// Sends a request between the ghost's own words, which the host runs in one
// script with its result: `block` holds `before` bytes of words, `after`
// bytes of words, then each argument followed by a NUL, all in the requests'
// charset. The ghost follows it with its own requests where it does. Returns
// the number of steps played (zef_page_played).
__attribute__((export_name("zef_page_send"))) int zef_page_send(const char* block, int length, int before, int after) {
  const std::string_view bytes(block, static_cast<std::size_t>(length));
  const std::string wordsBefore(bytes.substr(0, static_cast<std::size_t>(before)));
  const std::string wordsAfter(bytes.substr(wordsBefore.size(), static_cast<std::size_t>(after)));
  Step request;
  for (std::size_t at = wordsBefore.size() + wordsAfter.size(); at < bytes.size();) {
    const std::size_t end = std::min(bytes.find('\0', at), bytes.size());
    request.arguments.emplace_back(bytes.substr(at, end - at));
    at = end + 1;
  }
  Session session;
  if (!wordsBefore.empty()) session.push_back({Step::Kind::wordsBefore, {}, wordsBefore});
  session.push_back(std::move(request));
  if (!wordsAfter.empty()) session.push_back({Step::Kind::wordsAfter, {}, wordsAfter});
  return play(session);
}

// Picks the `index`-th offered choice (from 0) as the user does, as
// saori-run's @choose does: the host runs its script or raises its event,
// and the ghost answers the events. Returns the number of steps played, or
// -1 when the balloons offer no such choice.
__attribute__((export_name("zef_page_choose"))) int zef_page_choose(int index) {
  return play({{Step::Kind::choose, {}, {}, 0, static_cast<std::size_t>(index) + 1}});
}

// A step that the last action played (from 0): `part` 0 its heading (the
// request's arguments joined by TAB, or the choice's title; UTF-8), 1 its
// result script (in its charset), 2 the events it raised, 3 the host notes.
__attribute__((export_name("zef_page_played"))) std::size_t zef_page_played(int index, int part) {
  const Played& step = host.played.at(static_cast<std::size_t>(index));
  const std::array texts = {&step.script, &step.events, &step.notes};
  if (part != 0) return answer(*texts.at(static_cast<std::size_t>(std::clamp(part, 1, 3) - 1)));
  // A request's arguments are in the requests' charset, a choice's title in its script's.
  const Charset charset = step.chosen ? step.charset : host.charset;
  std::string heading;
  for (const std::string& text : step.heading) {
    heading += (heading.empty() ? "" : "\t") + zef::host_model::textAsUtf8(text, charset);
  }
  return answer(std::move(heading));
}

// The step's facts: 1 a picked choice, 2 its result in UTF-8.
__attribute__((export_name("zef_page_played_facts"))) int zef_page_played_facts(int index) {
  const Played& step = host.played.at(static_cast<std::size_t>(index));
  return (step.chosen ? 1 : 0) + (step.charset == Charset::utf8 ? 2 : 0);
}

// The size of the step's response in bytes; -1 when no block came back.
__attribute__((export_name("zef_page_played_size"))) int zef_page_played_size(int index) {
  const Played& step = host.played.at(static_cast<std::size_t>(index));
  return step.gotBlock ? static_cast<int>(step.responseSize) : -1;
}

// The scope that the last script left current: where the ghost's next words
// without a scope tag land.
__attribute__((export_name("zef_page_current_scope"))) int zef_page_current_scope() {
  return host.model.state().currentScope;
}

// The model desktop as an inline SVG element.
__attribute__((export_name("zef_page_svg"))) std::size_t zef_page_svg() {
  return answer(zef::host_model::renderDesktopSvg(host.model.state()));
}

// The model's state, one fact per line (as saori-run --state prints it).
__attribute__((export_name("zef_page_state"))) std::size_t zef_page_state() {
  return answer(zef::host_model::dumpState(host.model.state()));
}

// A script one tag per line under its scope, as saori-run --explain prints it.
__attribute__((export_name("zef_page_explain"))) std::size_t zef_page_explain(const char* script, int length,
                                                                              int utf8) {
  std::ostringstream out;
  zef::host_model::explainScript(std::string_view(script, static_cast<std::size_t>(length)), charsetOf(utf8), out, 0);
  return answer(out.str());
}

// The choices that the last script offers, in its order (the order in which
// saori-run's @choose counts them), one a line:
// "SCOPE<TAB>KIND<TAB>TITLE<TAB>LEAD<TAB>FIGURE", KIND "script" for a choice
// that runs a script and "event" for one that raises an event; LEAD is the
// text that opens its line, FIGURE its place among the choices drawn in the
// figure (-1: not drawn). UTF-8.
__attribute__((export_name("zef_page_choices"))) std::size_t zef_page_choices() {
  std::string lines;
  std::map<int, int> ranks;  // choices so far per scope
  for (const OfferedChoice& offered : host.model.state().choices) {
    const Segment& choice = offered.choice;
    const ChoicePlace place = placeOf(offered.scope, ranks[offered.scope]++);
    lines += std::to_string(offered.scope) + (choice.runsScript ? "\tscript\t" : "\tevent\t") + host.show(choice.text) +
             "\t" + host.show(place.lead) + "\t" + std::to_string(place.figureIndex) + "\n";
  }
  return answer(std::move(lines));
}

// How many characters a layout start with `text` in its character count
// names, read as the module reads it; the page offers one surface offset
// field for each.
__attribute__((export_name("zef_page_character_count"))) int zef_page_character_count(const char* text, int length) {
  return zef::boundCharacterCount(zef::readDecimal(std::string_view(text, static_cast<std::size_t>(length))));
}

// How the module read the settings that the page's requests sent since the
// ghost started, one "NAME<TAB>VALUE" a line by the settings' names, then
// "started<TAB>yes" or "no" and the surface offsets. The font name is in the
// requests' charset.
__attribute__((export_name("zef_page_readings"))) std::size_t zef_page_readings() {
  std::string lines;
  for (const zef::Setting& row : zef::settings) {
    lines += std::string(row.name) + "\t" + saori_run::settingText(row, host.readings) + "\n";
  }
  std::string offsets;
  for (std::int32_t offset : host.readings.surfaceOffsets) {
    offsets += (offsets.empty() ? "" : " ") + std::to_string(offset);
  }
  return answer(lines + "started\t" + (host.readings.layoutStarted ? "yes" : "no") + "\noffsets\t" + offsets + "\n");
}

}  // extern "C"
