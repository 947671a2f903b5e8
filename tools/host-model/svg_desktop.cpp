// The model desktop drawn as an inline SVG element.
#include "svg_desktop.h"

#include <algorithm>
#include <map>

#include "html_report.h"
#include "sjis_text.h"

namespace zef::host_model {
namespace {

constexpr int kMargin = 60;
constexpr int kFontSize = 16;

std::string n(int value) { return std::to_string(value); }

std::string rectAttributes(const Rect& rect) {
  return "x=\"" + n(rect.x) + "\" y=\"" + n(rect.y) + "\" width=\"" + n(rect.width) + "\" height=\"" +
         n(rect.height) + "\"";
}

std::string label(int x, int y, const std::string& text, const std::string& cssClass) {
  return "<text class=\"" + cssClass + "\" x=\"" + n(x) + "\" y=\"" + n(y) + "\">" + escapeHtml(text) + "</text>";
}

// Where the ghost's words after the script land: around the current scope's
// balloon, shown or not.
Rect nextWordsArea(const HostState& state) {
  Rect area = state.balloonArea(state.currentScope);
  return {area.x - 5, area.y - 5, area.width + 10, area.height + 10};
}

// A dashed frame with a label under it.
std::string nextWords(const HostState& state) {
  Rect area = nextWordsArea(state);
  const std::string text = "next words / 続きの言葉: scope " + n(state.currentScope);
  return "<rect class=\"next\" rx=\"10\" " + rectAttributes(area) + "/>" +
         label(area.x + area.width - 4, area.y + area.height + 16, text, "next-label end");
}

bool isPoint(const Window& window) { return window.visible && !window.isCharacter && window.isDummy(); }

// The part of the plane that the picture shows: everything drawn, with a
// margin, so that small balloons stay readable on a large desktop.
Rect viewArea(const HostState& state) {
  bool any = false;
  int left = 0, top = 0, right = 0, bottom = 0;
  auto include = [&](const Rect& rect) {
    left = any ? std::min(left, rect.x) : rect.x;
    top = any ? std::min(top, rect.y) : rect.y;
    right = any ? std::max(right, rect.x + rect.width) : rect.x + rect.width;
    bottom = any ? std::max(bottom, rect.y + rect.height) : rect.y + rect.height;
    any = true;
  };
  for (const auto& [scope, window] : state.windows) {
    if (window.visible) include(window.rect);
  }
  for (const auto& [scope, balloon] : state.balloons) {
    if (balloon.shown) include(state.balloonArea(scope));
  }
  if (!any) include({0, 0, kDesktopWidth, kDesktopHeight});
  include(nextWordsArea(state));
  return {left - kMargin, top - kMargin, right - left + 2 * kMargin, bottom - top + 2 * kMargin};
}

std::string windows(const HostState& state) {
  std::string out;
  std::map<std::pair<int, int>, std::vector<int>> pointScopes;  // one label per place
  for (const auto& [scope, window] : state.windows) {
    if (isPoint(window)) {
      pointScopes[{window.rect.x, window.rect.y}].push_back(scope);
      continue;
    }
    if (!window.visible) continue;
    std::string cssClass = window.isCharacter ? "character" : "window";
    out += "<rect class=\"" + cssClass + "\" " + rectAttributes(window.rect) + "/>";
    std::string name = window.isCharacter ? "character " + n(scope) : "scope " + n(scope);
    out += label(window.rect.x + 8, window.rect.y + window.rect.height - 10, name, "name");
  }
  for (const auto& [place, scopes] : pointScopes) {
    std::string text;
    for (int scope : scopes) text.append(text.empty() ? "" : ",").append(n(scope));
    out += "<circle class=\"point\" cx=\"" + n(place.first) + "\" cy=\"" + n(place.second) + "\" r=\"6\"/>";
    // Above the point, away from the side where the first scope's balloon opens.
    bool balloonOnLeft = scopes.front() % 2 == 0;
    int x = balloonOnLeft ? place.first + 8 : place.first - 8;
    out += label(x, place.second - 8, text, balloonOnLeft ? "point-label" : "point-label end");
  }
  return out;
}

std::string lineSvg(const BalloonLine& line, int y, Charset charset) {
  std::string out = "<text class=\"line\" x=\"8\" y=\"" + n(y) + "\">";
  for (const Segment& segment : line) {
    if (segment.kind == Segment::Kind::Text) {
      out += (segment.ghostsOwn ? "<tspan class=\"own\">" : "<tspan>") + escapeHtml(textAsUtf8(segment.text, charset)) +
             "</tspan>";
    }
    if (segment.kind == Segment::Kind::Choice) {
      out += "<tspan class=\"choice\">" + escapeHtml(textAsUtf8(segment.text, charset)) + "</tspan>";
    }
    if (segment.kind == Segment::Kind::Marker) out += "<tspan class=\"marker\">\xE2\x97\x87</tspan>";
  }
  return out + "</text>";
}

std::string balloons(const HostState& state) {
  std::string out;
  for (const auto& [scope, balloon] : state.balloons) {
    if (!balloon.shown) continue;
    Rect area = state.balloonArea(scope);
    out += "<rect class=\"balloon\" rx=\"8\" " + rectAttributes(area) + "/>";
    // A nested svg clips text that runs past the balloon's edge.
    out += "<svg class=\"balloon-text\" " + rectAttributes(area) + ">";
    for (std::size_t i = 0; i < balloon.lines.size(); ++i) {
      out += lineSvg(balloon.lines[i], balloon.lineTopPixels(i) + kBalloonLineHeight - 6, state.charset);
    }
    out += "</svg>";
    std::string name = "scope " + n(scope);
    if (balloon.number != 0) name.append(", balloon ").append(n(balloon.number));
    out += label(area.x + 4, area.y - 5, name, "balloon-label");
  }
  return out;
}

}  // namespace

std::string renderDesktopSvg(const HostState& state) {
  Rect view = viewArea(state);
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"desktop\" viewBox=\"" + n(view.x) + " " +
                    n(view.y) + " " + n(view.width) + " " + n(view.height) + "\" font-size=\"" + n(kFontSize) +
                    "\">";
  out += "<rect class=\"screen\" x=\"0\" y=\"0\" width=\"" + n(kDesktopWidth) + "\" height=\"" + n(kDesktopHeight) +
         "\"/>";
  out += windows(state);
  out += balloons(state);
  out += nextWords(state);
  return out + "</svg>";
}

}  // namespace zef::host_model
