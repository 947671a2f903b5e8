// Looking up balloons and sticky groups, breaking balloon lines, keeping notes.
#include "host_state.h"

#include <algorithm>

#include "script_tokens.h"  // isLeadByte

namespace zef::host_model {

namespace {

// Far below any balloon that fits a desktop, and far from overflowing.
constexpr int kLowestLineTop = 10'000'000;

// How wide `text` is drawn: narrow for a character of one byte, wide for others.
int drawnWidth(std::string_view text, Charset charset) {
  int width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool wide = charset == Charset::utf8 ? byte >= 0xC0 : isLeadByte(byte);
    const bool continues = charset == Charset::utf8 && byte >= 0x80 && byte < 0xC0;
    if (continues) continue;
    if (wide && charset == Charset::shiftJis) ++i;
    width += wide ? kWideCharacterWidth : kNarrowCharacterWidth;
  }
  return width;
}

}  // namespace

int Balloon::textWidth(Charset charset) const {
  int widest = 0;
  for (const BalloonLine& line : lines) {
    int width = 0;
    for (const Segment& segment : line) {
      width += segment.kind == Segment::Kind::Marker ? kWideCharacterWidth : drawnWidth(segment.text, charset);
    }
    widest = std::max(widest, width);
  }
  return widest;
}

void Balloon::startLine(int percent) {
  lines.emplace_back();
  lineTops.push_back(std::min(lineTops.back() + std::clamp(percent, 0, kLowestLineTop), kLowestLineTop));
}

void Balloon::clear() {
  lines = {BalloonLine{}};
  lineTops = {0};
}

const std::set<int>* HostState::groupOf(int scope) const {
  for (const auto& group : groups) {
    if (group.count(scope) != 0) return &group;
  }
  return nullptr;
}

Rect HostState::balloonArea(int scope) const {
  auto window = windows.find(scope);
  auto balloon = balloons.find(scope);
  Size text{0, kBalloonLineHeight};
  if (balloon != balloons.end()) text = {balloon->second.textWidth(charset), balloon->second.textHeight()};
  return balloonRect(scope, window == windows.end() ? Rect{} : window->second.rect, text, sizes.balloon);
}

void HostState::addNote(HostNote note) {
  for (HostNote& kept : notes) {
    if (kept.kind != note.kind) continue;
    ++kept.more;
    return;
  }
  notes.push_back(std::move(note));
}

}  // namespace zef::host_model
