// The record of settings and runtime state that the commands work on, and the
// table of the settings a ghost gives.
//
// Everything the module remembers from one request to the next lives here: the
// ghost's settings (from a layout start or a setting change) and whether a
// layout has been started. Each setting is a field and one row of `settings`;
// every request stores a setting through storeSetting, which applies the row's
// value rule, so no command can store an out-of-range value:
//
//   {.name = "balloonCount", .changeKey = "Bl_Num", .field = &ModuleState::balloonCount,
//    .least = 1, .most = 99, ...}
//   firstZEF's Argument3 "120" and changeZEF's Bl_Num "120" both store 99.
//
// A new setting is a field and a row here, and what it does where it is used.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zef {

struct ModuleState {
  bool enabled = true;               // conversion switch
  std::int32_t characterCount = 2;   // real characters, scopes 0 .. characterCount - 1
  std::int32_t balloonCount = 6;     // balloon scopes per character
  std::int32_t moveStep = 100;       // pixels between stacked balloons
  std::int32_t moveTime = 100;       // --time of the conversion's moves
  std::int32_t dummyScopeBase = 10;  // first dummy scope number
  std::int32_t balloonOffset = 0;    // balloon number of the extra balloons
  std::string fontName = "default";  // an empty value keeps this default
  std::int32_t fontHeight = 12;
  bool layoutStarted = false;  // a layout start has been accepted
  // The menu's choices tell the ghost what they moved, so that it can keep
  // the user's balloon positions over a restart (settings/kept_positions.h).
  bool keepPositions = false;
  // One surface offset per character once a layout has started, else empty;
  // a layout start gives them after the settings' arguments.
  std::vector<std::int32_t> surfaceOffsets;
};

// Where a setting's value comes from: only the switch's words differ. A layout
// start's switch is on for "On", "ON" and "on" and off for anything else;
// changeZEF takes exactly "On" and "Off", and any other value leaves it.
enum class SettingSource { layoutStart, settingChange };
inline constexpr std::string_view switchOn = "On", switchOff = "Off";

struct Setting {
  std::string_view name = {};       // the field's name
  std::string_view changeKey = {};  // changeZEF's key; empty: only a layout start sets it
  bool byLayoutStart = true;  // a layout start takes it, in the rows' order; else only changeZEF sets it
  std::variant<bool ModuleState::*, std::int32_t ModuleState::*, std::string ModuleState::*> field;
  std::int32_t least = std::numeric_limits<std::int32_t>::min();  // a number's bounds
  std::int32_t most = std::numeric_limits<std::int32_t>::max();
  struct {
    std::string_view japanese, english;
  } label = {};  // for the people who set it
};

inline constexpr Setting settings[] = {
    {.name = "enabled", .changeKey = "ZEF_Switch", .field = &ModuleState::enabled, .label = {"変換スイッチ", "Switch"}},
    {.name = "characterCount", .field = &ModuleState::characterCount, .least = 1,
     .label = {"キャラクター数", "Characters"}},
    {.name = "balloonCount", .changeKey = "Bl_Num", .field = &ModuleState::balloonCount, .least = 1, .most = 99,
     .label = {"一人あたりのバルーンの数", "Balloons per character"}},
    {.name = "moveStep", .changeKey = "Bl_Move", .field = &ModuleState::moveStep,
     .label = {"バルーンの間隔（px）", "Step in pixels"}},
    {.name = "moveTime", .changeKey = "Bl_Time", .field = &ModuleState::moveTime, .least = 0,
     .label = {"移動時間", "Move time"}},
    {.name = "dummyScopeBase", .field = &ModuleState::dummyScopeBase, .least = 0,
     .label = {"最初のダミースコープ", "First dummy scope"}},
    {.name = "balloonOffset", .field = &ModuleState::balloonOffset, .least = 0, .label = {"バルーン番号", "Balloon number"}},
    {.name = "fontName", .field = &ModuleState::fontName, .label = {"フォント名", "Font"}},
    {.name = "fontHeight", .field = &ModuleState::fontHeight, .least = 0, .label = {"フォントの高さ", "Font height"}},
    {.name = "keepPositions", .changeKey = "Pos_Keep", .byLayoutStart = false, .field = &ModuleState::keepPositions,
     .label = {"バルーンの位置を保つ", "Keep balloon positions"}},
};

// Reached only for a name that no setting has: not constexpr, so a
// compile-time lookup that reaches it does not compile.
inline void noSettingOfThatName() {}

// The row of the setting `name`; a name that is none of them does not compile.
consteval const Setting& settingNamed(std::string_view name) {
  const auto found = std::find_if(std::begin(settings), std::end(settings),
                                  [name](const Setting& setting) { return setting.name == name; });
  if (found == std::end(settings)) noSettingOfThatName();
  return *found;
}

// A number held to a setting's bounds.
constexpr std::int32_t bounded(const Setting& row, std::int32_t value) { return std::clamp(value, row.least, row.most); }

// The value rule of characterCount; a layout start's arguments are counted by
// it before the state is touched.
constexpr std::int32_t boundCharacterCount(std::int32_t value) { return bounded(settingNamed("characterCount"), value); }

// The row whose changeZEF key is `key`, or null.
const Setting* settingOfChangeKey(std::string_view key);

// Stores `text` into the setting's field under its value rule: a number is
// read leniently, an empty text keeps a text's default, the switch reads as
// `source` spells it.
void storeSetting(const Setting& setting, std::string_view text, SettingSource source, ModuleState& state);

}  // namespace zef
