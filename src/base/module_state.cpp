// Value rules of the module state.
#include "base/module_state.h"

#include <algorithm>
#include <utility>

namespace zef {

namespace {
constexpr std::int32_t minBalloonCount = 1;
constexpr std::int32_t maxBalloonCount = 99;
constexpr const char* defaultFontName = "default";
}  // namespace

std::int32_t boundCharacterCount(std::int32_t value) { return std::max(value, std::int32_t{1}); }

void ModuleState::setCharacterCount(std::int32_t value) { characterCount = boundCharacterCount(value); }

void ModuleState::setBalloonCount(std::int32_t value) {
  balloonCount = std::clamp(value, minBalloonCount, maxBalloonCount);
}

void ModuleState::setMoveTime(std::int32_t value) { moveTime = std::max(value, std::int32_t{0}); }

void ModuleState::setDummyScopeBase(std::int32_t value) { dummyScopeBase = std::max(value, std::int32_t{0}); }

void ModuleState::setBalloonOffset(std::int32_t value) { balloonOffset = std::max(value, std::int32_t{0}); }

void ModuleState::setFontName(std::string value) {
  fontName = value.empty() ? std::string(defaultFontName) : std::move(value);
}

void ModuleState::setFontHeight(std::int32_t value) { fontHeight = std::max(value, std::int32_t{0}); }

}  // namespace zef
