// Writing the host's script commands from their spelling (host_script.h).
#include "base/host_script.h"

namespace zef {

namespace {

void appendValue(std::string& out, TagValue value) {
  if (!value.word.empty()) return void(out += value.word);
  appendDecimal(out, value.number);
}

// By Corners: none, leftOfBase, rightOfBase.
constexpr std::string_view cornerSpellings[] = {{}, spelling::leftOfBase, spelling::rightOfBase};

}  // namespace

void appendScopeSwitch(std::string& out, std::int32_t scope) {
  out += scopeSwitchOpen;
  appendDecimal(out, scope);
  out += spelling::close;
}

std::string scopeSwitch(std::int32_t scope) {
  std::string out;
  appendScopeSwitch(out, scope);
  return out;
}

void appendMove(std::string& out, const Move& move) {
  out += move.async ? spelling::moveAsync : spelling::move;
  appendValue(out, move.x);
  out += spelling::y;
  appendValue(out, move.y);
  out += spelling::time;
  appendDecimal(out, move.time);
  out += spelling::base;
  appendValue(out, move.base);
  out += cornerSpellings[static_cast<std::size_t>(move.corners)];
  if (move.ignoreSticky) out += spelling::ignoreSticky;
  out += spelling::close;
}

void appendRaise(std::string& out, std::string_view event, std::initializer_list<TagValue> references) {
  out.append(spelling::raise).append(event);
  for (const TagValue& reference : references) {
    out += spelling::separator;
    appendValue(out, reference);
  }
  out += spelling::close;
}

void appendEventChoice(std::string& out, std::string_view title, std::string_view event) {
  out.append(spelling::choiceOpen).append(title).append(spelling::separator).append(event);
  out += spelling::close;
}

void appendBalloonHeader(std::string& out, std::int32_t balloon, std::string_view fontName, std::int32_t fontHeight) {
  appendDecimal(out.append(spelling::balloon), balloon);
  appendDecimal(out.append(spelling::fontName).append(fontName).append(spelling::fontHeight), fontHeight);
  out += spelling::close;
}

void appendTrayNotice(std::string& out, std::string_view icon, std::string_view title,
                      std::initializer_list<std::string_view> lines) {
  out.append(spelling::trayNotice).append(icon).append(spelling::trayTitle).append(title).append(spelling::trayText);
  for (const std::string_view& line : lines) {
    if (&line != lines.begin()) out += spelling::lineBreak;
    out += line;
  }
  out += spelling::close;
}

void appendScriptChoice(std::string& out, std::string_view title, std::string_view script) {
  out.append(spelling::choiceOpen).append(title).append(spelling::choiceScript);
  for (std::size_t quote = script.find('"'); quote != std::string_view::npos; quote = script.find('"')) {
    out.append(script.substr(0, quote + 1));
    out += '"';
    script.remove_prefix(quote + 1);
  }
  out.append(script).append(spelling::choiceClose);
}

}  // namespace zef
