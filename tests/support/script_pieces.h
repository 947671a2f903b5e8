// Expected script written with the module's own host script writer: a test
// says which scope moves where, and only the writer's test
// (tests/base/host_script_test.cpp) and each command's one golden answer
// spell the host's commands byte for byte.
#pragma once

#include <cstdint>
#include <string>

#include "base/host_script.h"

namespace zef::test {

// A switch to `scope`, then `move`.
inline std::string movedScope(std::int32_t scope, const Move& move) {
  std::string script = scopeSwitch(scope);
  appendMove(script, move);
  return script;
}

// The corners on which a placement puts a scope that belongs to `number`.
inline Corners sideOf(std::int32_t number) { return number % 2 == 0 ? Corners::leftOfBase : Corners::rightOfBase; }

inline const std::string dummyHead = std::string(spelling::dummySurface) + std::string(spelling::freeAlignment);

// A dummy scope placed on `base` at once, as a layout start writes it.
inline std::string placed(std::int32_t scope, std::int32_t base, Corners corners) {
  std::string script = scopeSwitch(scope) + std::string(dummyHead);
  appendMove(script, Move{.base = base, .corners = corners});
  return script;
}

// A talk's balloon scope moved `y` pixels off `base` over `time`, alone.
inline std::string talkMove(std::int32_t scope, std::int32_t y, std::int32_t base, std::int32_t time = 100) {
  return movedScope(scope, Move{.async = true, .x = fix, .y = y, .time = time, .base = base,
                                .corners = sideOf(scope), .ignoreSticky = true});
}

// The settings menu's label of a balloon scope: set free and moved onto its
// anchor, `y` pixels off, alone.
inline std::string menuLabel(std::int32_t scope, std::int32_t y, std::int32_t anchor) {
  std::string script = scopeSwitch(scope) + std::string(spelling::freeAlignment);
  appendMove(script, Move{.y = y, .base = anchor, .ignoreSticky = true});
  return script;
}

// Where a layout start, and a changeZEF that placed scopes, leave the
// ghost's next words: its main character.
inline std::string backToMainCharacter() { return scopeSwitch(0); }

// The balloon scope of a level that changeZEF Bl_Num adds: a dummy scope on
// its anchor, joined to its character.
inline std::string newLevelScope(std::int32_t scope, std::int32_t anchor, std::int32_t character) {
  std::string script = scopeSwitch(scope) + std::string(dummyHead);
  appendMove(script, Move{.base = anchor, .ignoreSticky = true});
  appendStickyWindow(script, 2, [&](std::int32_t i) { return i == 0 ? character : scope; });
  return script;
}

}  // namespace zef::test
