// The reference rewriting, step by step as the module's documentation gives
// it, on std::regex.
#include "convert/reference_convert.h"

#include <regex>

#include "base/decimal.h"
#include "base/int32_math.h"

namespace zef::reference {

namespace {

// Each pattern is compiled once, on first use.
const std::regex& scopeTagRegex() {
  static const std::regex compiled(scopeTagPattern);
  return compiled;
}
const std::regex& characterTagRegex() {
  static const std::regex compiled(characterTagPattern);
  return compiled;
}
const std::regex& markerRegex() {
  static const std::regex compiled(markerPattern);
  return compiled;
}
const std::regex& surfaceTagRegex() {
  static const std::regex compiled(surfaceTagPattern);
  return compiled;
}
const std::regex& balloonTagRegex() {
  static const std::regex compiled(balloonTagPattern);
  return compiled;
}

// Searches the leftmost match, rewrites it, and goes on with the rest of the
// text as a text of its own (the documented recursion, as a loop).
std::string remapNumbers(const std::regex& pattern, char letter, std::int32_t offset, bool writeUnsigned,
                         std::string_view text) {
  std::string out;
  std::string rest(text);
  std::smatch match;
  while (std::regex_search(rest, match, pattern)) {
    out += match.prefix().str();
    const std::int32_t sum = wrapAdd(readDecimal(match[1].str()), offset);
    out += '\\';
    out += letter;
    out += '[';
    if (writeUnsigned) {
      out += std::to_string(static_cast<std::uint32_t>(sum));
    } else {
      appendDecimal(out, sum);
    }
    out += ']';
    rest = match.suffix().str();
  }
  return out + rest;
}

std::string remapSurfaces(std::int32_t surfaceOffset, std::string_view text) {
  return remapNumbers(surfaceTagRegex(), 's', surfaceOffset, true, text);
}

std::string remapBalloons(std::int32_t balloonOffset, std::string_view text) {
  return remapNumbers(balloonTagRegex(), 'b', balloonOffset, false, text);
}

}  // namespace

std::string convertUtterance(const ModuleState& state, std::int32_t characterScope, std::int32_t textScope,
                             std::string_view text) {
  const std::string whole(text);
  std::string head = whole;
  std::string scopeTag;
  std::string tail;
  std::smatch match;
  if (std::regex_search(whole, match, scopeTagRegex())) {
    head = match.prefix().str();
    scopeTag = match.str();
    tail = match.suffix().str();
  }

  const std::string characterTagReplacement =
      "\\p[" + std::to_string(characterScope) + "]$1\\p[" + std::to_string(textScope) + "]";
  head = std::regex_replace(head, characterTagRegex(), characterTagReplacement);

  std::int32_t surfaceOffset = 0;
  if (characterScope >= 0 && static_cast<std::size_t>(characterScope) < state.surfaceOffsets.size()) {
    surfaceOffset = state.surfaceOffsets[static_cast<std::size_t>(characterScope)];
  }
  head = remapSurfaces(surfaceOffset, head);
  if (state.enabled) head = remapBalloons(state.balloonOffset, head);

  const std::string joined = head + scopeTag + tail;
  const std::string markerReplacement = "\\p[" + std::to_string(textScope) + "]";
  return std::regex_replace(joined, markerRegex(), markerReplacement);
}

}  // namespace zef::reference
