// The preview page: one self-contained HTML file with one figure per request.
#include "html_report.h"

#include "host_notes.h"
#include "sjis_text.h"
#include "state_dump.h"
#include "svg_desktop.h"

namespace zef::host_model {
namespace {

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;margin:2em;color:#222}"
    "figure{margin:0 0 3em 0;border-top:1px solid #ccc;padding-top:1em}"
    "svg.desktop{width:100%;max-width:1200px;max-height:75vh;height:auto;background:#fff}"
    ".screen{fill:#eef3f8;stroke:#789;stroke-width:2}"
    ".character{fill:#f6dcc8;stroke:#a86;stroke-width:2}"
    ".window{fill:#eee;stroke:#888;stroke-dasharray:6 4}"
    ".name{fill:#754;font-size:18px}"
    ".point{fill:#c33}.point-label{fill:#c33;font-size:14px}.end{text-anchor:end}"
    ".balloon{fill:#fff;stroke:#345;stroke-width:2}"
    ".balloon-label{fill:#345;font-size:13px;font-weight:bold}"
    ".choice{fill:#1a55c4;text-decoration:underline}.marker{fill:#888}"
    ".own{fill:#1e6b35;font-style:italic}.next{fill:none;stroke:#1e6b35;stroke-width:3;stroke-dasharray:10 6}"
    ".next-label{fill:#1e6b35;font-size:14px;font-weight:bold;text-anchor:end}"
    "figcaption code{background:#f3f3f3;padding:0 .3em;word-break:break-all}"
    ".notes li{margin:.3em 0}"
    // A link to one figure (page.html#request-3) shows that figure alone.
    "body:has(figure:target)>:not(:target){display:none}figure:target{border:0;margin:0}"
    "pre{background:#f8f8f8;padding:.5em;white-space:pre-wrap;word-break:break-all;font-size:12px}";

std::string argumentList(const std::vector<std::string>& arguments) {
  std::string out;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    out += (i == 0 ? "" : ", ") + std::string("<code>") + escapeHtml(arguments[i]) + "</code>";
  }
  return out;
}

// `what` opening a caption: "Request 3".
std::string capitalized(std::string_view what) {
  std::string out(what);
  if (!out.empty() && out.front() >= 'a' && out.front() <= 'z') out.front() = static_cast<char>(out.front() - 'a' + 'A');
  return out;
}

std::string noteList(std::string_view what, const std::vector<HostNote>& notes, Charset charset) {
  if (notes.empty()) return {};
  std::string out = "<p>Host notes on " + escapeHtml(what) + ":</p><ul class=\"notes\">";
  for (const HostNote& note : notes) {
    const std::string command =
        note.command.empty() ? "" : "<code>" + escapeHtml(textAsUtf8(note.command, charset)) + "</code>";
    out += "<li>" + command + escapeHtml(noteRemark(note)) + "<br><span lang=\"ja\">" + command +
           escapeHtml(noteRemark(note, Language::japanese)) + "</span></li>";
  }
  return out + "</ul>";
}

// Open, as the list is what an author reads the menu by; numbered as
// saori-run's @choose counts.
std::string choiceList(const std::vector<OfferedChoice>& choices, Charset charset) {
  if (choices.empty()) return {};
  std::string out = "<details open><summary>Choices (" + std::to_string(choices.size()) +
                    "), numbered for @choose</summary><ol class=\"choices\">";
  for (const OfferedChoice& offered : choices) {
    out += "<li><code>" + escapeHtml(choiceAction(offered.choice, charset)) + "</code> (scope " +
           std::to_string(offered.scope) + ")</li>";
  }
  return out + "</ol></details>";
}

// The ghost's own words around the script, and where its next words land.
std::string ghostWords(const GhostWords& words, const HostState& state) {
  auto shown = [&state](std::string_view text) {
    return "<code class=\"own\">" + escapeHtml(textAsUtf8(text, state.charset)) + "</code>";
  };
  std::string out = "<p>";
  if (!words.before.empty()) out += "The ghost's words before it: " + shown(words.before) + ". ";
  if (!words.after.empty()) out += "After it: " + shown(words.after) + ". ";
  return out + "The ghost's next words without a scope tag land in scope " + std::to_string(state.currentScope) +
         ".</p>";
}

std::string eventList(const std::vector<std::string>& events, Charset charset) {
  if (events.empty()) return "none";
  std::string out;
  for (const std::string& event : events) out += (out.empty() ? "" : ", ") + escapeHtml(textAsUtf8(event, charset));
  return out;
}

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string renderFigure(std::string_view id, std::string_view what, const std::vector<std::string>& arguments,
                         std::string_view script, const HostState& state, const GhostWords& words) {
  std::string out = "<figure id=\"" + escapeHtml(id) + "\">";
  out += renderDesktopSvg(state);
  out += "<figcaption><p><b>" + escapeHtml(capitalized(what)) + ":</b> " + argumentList(arguments) + "</p>";
  out += ghostWords(words, state);
  out += "<p>Events raised: " + eventList(state.events, state.charset) + "</p>";
  out += noteList(what, state.notes, state.charset);
  out += choiceList(state.choices, state.charset);
  out += "<details><summary>Result script (" + std::to_string(script.size()) + " bytes)</summary><pre>" +
         escapeHtml(textAsUtf8(script, state.charset)) + "</pre></details>";
  out += "<details><summary>Model state</summary><pre>" + escapeHtml(dumpState(state)) + "</pre></details>";
  return out + "</figcaption></figure>\n";
}

std::string renderPage(std::string_view title, const std::vector<std::string>& pageNotes,
                       const std::vector<std::string>& figures) {
  std::string out = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>" +
                    escapeHtml(title) + "</title><style>" + std::string(kStyle) + "</style></head><body>\n";
  out += "<h1>" + escapeHtml(title) + "</h1>\n";
  out += "<p>Each figure shows a model desktop after the request's result script ran: a preview of where the "
         "balloons stand, not an emulation of any real host. Where the host is documented to act otherwise, a "
         "figure's host notes say so.</p>\n";
  for (const std::string& note : pageNotes) out += "<p class=\"page-note\">" + escapeHtml(note) + "</p>\n";
  for (const std::string& figure : figures) out += figure;
  return out + "</body></html>\n";
}

}  // namespace zef::host_model
