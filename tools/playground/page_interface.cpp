// The C interface that playground.html calls, beside the module's own
// entries (load, request, unload), in the one WebAssembly file.
//
// The page sends each request through the module's request entry, as a host
// does, and hands the result script to the preview's host model here: run it
// on the model desktop, draw the desktop, explain the script, list the host
// notes, events and choices. Every answer is text that stays readable at
// zef_page_text() until the next call:
//
//   zef_page_reset(2, sizes, length);            // a fresh model desktop
//   zef_page_run(block, script, 0, 0, 0);        // a Shift-JIS result script
//   size_t size = zef_page_svg();                // the figure, UTF-8
//   const char* svg = zef_page_text();
#include <algorithm>
#include <cstddef>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "choice_step.h"
#include "explain.h"
#include "ghost_sizes.h"
#include "host_model.h"
#include "host_notes.h"
#include "base/decimal.h"
#include "base/module_state.h"
#include "module/entries.h"
#include "sjis_text.h"
#include "state_dump.h"
#include "svg_desktop.h"

namespace {

using zef::host_model::Charset;
using zef::host_model::HostModel;
using zef::host_model::OfferedChoice;
using zef::host_model::Segment;

constexpr int mostCharacters = 7;  // as many as stand side by side on the model desktop

std::unique_ptr<HostModel> model = std::make_unique<HostModel>();
std::string lastAnswer;  // what zef_page_text() points at
// What the ghost keeps over a restart, as saori-run's ghost keeps it: the
// balloon positions, once the page has sent changeZEF Pos_Keep On.
saori_run::GhostMemory memory;

// Requests, one a line, their arguments joined by TAB.
std::string requestLines(const saori_run::Session& requests) {
  std::string lines;
  for (const saori_run::Step& request : requests) {
    std::string line;
    for (const std::string& argument : request.arguments) line += (line.empty() ? "" : "\t") + argument;
    lines += line + "\n";
  }
  return lines;
}

Charset charsetOf(int utf8) { return utf8 != 0 ? Charset::utf8 : Charset::shiftJis; }

std::size_t answer(std::string value) {
  lastAnswer = std::move(value);
  return lastAnswer.size();
}

std::string show(std::string_view bytes) { return zef::host_model::textAsUtf8(bytes, model->state().charset); }

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
  for (const auto& [balloonScope, balloon] : model->state().balloons) {
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

// Reads "WxH" as saori-run's --balloon-size does: width * 65536 + height,
// or 0 when it is no size.
__attribute__((export_name("zef_page_read_size"))) int zef_page_read_size(const char* text, int length) {
  zef::host_model::Size size;
  if (!zef::host_model::readSize(std::string_view(text, static_cast<std::size_t>(length)), size)) return 0;
  return size.width * 65536 + size.height;
}

// A fresh model desktop with `characters` real characters (at most seven),
// of the sizes in `sizes`: "WxH,WxH,...\nWxH", the characters' as saori-run's
// --char-size reads them and the balloon's as --balloon-size does; a part
// that is empty or no size leaves its default.
__attribute__((export_name("zef_page_reset"))) void zef_page_reset(int characters, const char* sizes, int length) {
  const std::string_view text(sizes, static_cast<std::size_t>(length));
  const std::size_t newline = std::min(text.find('\n'), text.size());
  zef::host_model::GhostSizes read;
  zef::host_model::readSizes(text.substr(0, newline), read.characters);
  zef::host_model::readSize(text.substr(std::min(newline + 1, text.size())), read.balloon);
  model = std::make_unique<HostModel>(std::clamp(characters, 1, mostCharacters), read);
}

// Runs a result script between the ghost's own words, all in one block:
// `script` bytes of it, then `before` bytes and `after` bytes of words; the
// text UTF-8 (`utf8` not 0) or Shift-JIS.
__attribute__((export_name("zef_page_run"))) void zef_page_run(const char* block, int script, int before, int after,
                                                              int utf8) {
  const auto part = [block](int from, int size) {
    return std::string(block + from, static_cast<std::size_t>(size));
  };
  const zef::host_model::GhostWords words{part(script, before), part(script + before, after)};
  model->runScript(std::string_view(block, static_cast<std::size_t>(script)), charsetOf(utf8), words);
}

// The scope that the last script left current: where the ghost's next words
// without a scope tag land.
__attribute__((export_name("zef_page_current_scope"))) int zef_page_current_scope() {
  return model->state().currentScope;
}

// The model desktop as an inline SVG element.
__attribute__((export_name("zef_page_svg"))) std::size_t zef_page_svg() {
  return answer(zef::host_model::renderDesktopSvg(model->state()));
}

// The model's state, one fact per line (as saori-run --state prints it).
__attribute__((export_name("zef_page_state"))) std::size_t zef_page_state() {
  return answer(zef::host_model::dumpState(model->state()));
}

// A script one tag per line under its scope, as saori-run --explain prints it.
__attribute__((export_name("zef_page_explain"))) std::size_t zef_page_explain(const char* script, int length,
                                                                              int utf8) {
  std::ostringstream out;
  saori_run::explainScript(std::string_view(script, static_cast<std::size_t>(length)), charsetOf(utf8), out, 0);
  return answer(out.str());
}

// The last script's host notes, one a line: in English, a TAB, in Japanese.
__attribute__((export_name("zef_page_notes"))) std::size_t zef_page_notes() {
  std::string lines;
  const zef::host_model::Charset charset = model->state().charset;
  for (const auto& note : model->state().notes) {
    lines += zef::host_model::noteText(note, charset) + "\t" +
             zef::host_model::noteText(note, charset, zef::host_model::Language::japanese) + "\n";
  }
  return answer(std::move(lines));
}

// The events that the last script raised, one a line.
__attribute__((export_name("zef_page_events"))) std::size_t zef_page_events() {
  std::string lines;
  for (const std::string& event : model->state().events) lines += show(event) + "\n";
  return answer(std::move(lines));
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
  for (const OfferedChoice& offered : model->state().choices) {
    const Segment& choice = offered.choice;
    const ChoicePlace place = placeOf(offered.scope, ranks[offered.scope]++);
    lines += std::to_string(offered.scope) + (choice.runsScript ? "\tscript\t" : "\tevent\t") + show(choice.text) +
             "\t" + show(place.lead) + "\t" + std::to_string(place.figureIndex) + "\n";
  }
  return answer(std::move(lines));
}

// Picks the `index`-th offered choice (from 0) as the user does: the host
// runs its script or raises its event (on the model). The answer is the
// request with which the ghost answers the events raised, its arguments
// joined by TAB (saori-run's @choose sends the same), or empty when it sends
// none; its size is returned, or -1 when the script offers no such choice.
__attribute__((export_name("zef_page_choose"))) int zef_page_choose(int index) {
  const auto& choices = model->state().choices;
  if (index < 0 || static_cast<std::size_t>(index) >= choices.size()) return -1;
  const Segment choice = choices[static_cast<std::size_t>(index)].choice;
  model->choose(choice);
  const saori_run::Chosen chosen{choice, model->state().events, model->state().eventReferences};
  const saori_run::Session requests = saori_run::ghostRequests({}, chosen, memory);
  std::string request = requestLines(requests);
  if (!request.empty()) request.resize(request.find('\n'));  // the first request
  return static_cast<int>(answer(std::move(request)));
}

// A new run of the ghost begins: the module was loaded again.
__attribute__((export_name("zef_page_run_started"))) void zef_page_run_started() { memory.runStarted(); }

// The page sent the request whose arguments, joined by TAB, are `text`
// (UTF-8). The answer: the requests with which the ghost follows it, one a
// line (after the first layout start of a run, a ghost that keeps the
// balloon positions opts in again and hands them back); empty for none.
__attribute__((export_name("zef_page_ghost_sent"))) std::size_t zef_page_ghost_sent(const char* text, int length) {
  saori_run::Step step;
  std::string_view rest(text, static_cast<std::size_t>(length));
  for (std::size_t tab = rest.find('\t');; tab = rest.find('\t')) {
    step.arguments.emplace_back(rest.substr(0, tab));
    if (tab == std::string_view::npos) break;
    rest.remove_prefix(tab + 1);
  }
  return answer(requestLines(memory.sent(step)));
}

// How many characters a layout start with `text` in Argument2 names, read
// as the module reads it; the page offers one surface offset field for each.
__attribute__((export_name("zef_page_character_count"))) int zef_page_character_count(const char* text,
                                                                                      int length) {
  return zef::boundCharacterCount(zef::readDecimal(std::string_view(text, static_cast<std::size_t>(length))));
}

// What the module holds after the last request to its plain entries, one
// "name<TAB>value" a line: the module's own reading of the layout start and
// of every setting change. Empty while the module has no state.
__attribute__((export_name("zef_page_settings"))) std::size_t zef_page_settings() {
  const zef::ModuleState* state = zef::currentModuleState();
  if (state == nullptr) return answer({});
  auto line = [](std::string_view name, std::string_view value) {
    return std::string(name) + "\t" + std::string(value) + "\n";
  };
  std::string offsets;
  for (std::int32_t offset : state->surfaceOffsets) offsets += (offsets.empty() ? "" : " ") + std::to_string(offset);
  return answer(line("switch", state->enabled ? "On" : "Off") +
                line("characters", std::to_string(state->characterCount)) +
                line("balloons", std::to_string(state->balloonCount)) +
                line("step", std::to_string(state->moveStep)) + line("time", std::to_string(state->moveTime)) +
                line("dummyScope", std::to_string(state->dummyScopeBase)) +
                line("balloonNumber", std::to_string(state->balloonOffset)) + line("font", state->fontName) +
                line("fontHeight", std::to_string(state->fontHeight)) +
                line("started", state->layoutStarted ? "yes" : "no") + line("offsets", offsets));
}

}  // extern "C"
