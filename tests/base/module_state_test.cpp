// The module state: its defaults, and the settings table's value rules and keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>

#include "base/module_state.h"

namespace zef {
namespace {

TEST(ModuleState, StartsWithTheDefaults) {
  const ModuleState state;
  EXPECT_TRUE(state.enabled);
  EXPECT_EQ(state.characterCount, 2);
  EXPECT_EQ(state.balloonCount, 6);
  EXPECT_EQ(state.moveStep, 100);
  EXPECT_EQ(state.moveTime, 100);
  EXPECT_EQ(state.dummyScopeBase, 10);
  EXPECT_EQ(state.balloonOffset, 0);
  EXPECT_EQ(state.fontName, "default");
  EXPECT_EQ(state.fontHeight, 12);
  EXPECT_FALSE(state.layoutStarted);
  EXPECT_TRUE(state.surfaceOffsets.empty());
}

// Each row's value rule, whichever request the value comes from.
TEST(ModuleState, EveryStoreAppliesTheRowsRule) {
  for (const SettingSource source : {SettingSource::layoutStart, SettingSource::settingChange}) {
    ModuleState state;
    const auto store = [&](std::string_view name, std::string_view text) {
      const auto row = std::find_if(std::begin(settings), std::end(settings),
                                    [name](const Setting& setting) { return setting.name == name; });
      ASSERT_NE(row, std::end(settings)) << name;
      storeSetting(*row, text, source, state);
    };
    const std::pair<const char*, std::int32_t> balloonCounts[] = {{"0", 1}, {"1", 1}, {"2", 2}, {"99", 99},
                                                                   {"100", 99}, {"-5", 1}, {" 7x", 7}};
    for (const auto& [given, stored] : balloonCounts) {
      store("balloonCount", given);
      EXPECT_EQ(state.balloonCount, stored) << given;
    }
    store("moveTime", "-1");
    store("characterCount", "-3");
    store("dummyScopeBase", "-1");
    store("balloonOffset", "-1");
    store("fontHeight", "-1");
    store("moveStep", "-2147483648");
    EXPECT_EQ(state.moveTime, 0);
    EXPECT_EQ(state.characterCount, 1);
    EXPECT_EQ(state.dummyScopeBase, 0);
    EXPECT_EQ(state.balloonOffset, 0);
    EXPECT_EQ(state.fontHeight, 0);
    EXPECT_EQ(state.moveStep, -2147483647 - 1);
    store("fontName", "");
    EXPECT_EQ(state.fontName, "default");
    store("fontName", " ");
    EXPECT_EQ(state.fontName, " ");
  }
}

// The switch: a layout start turns it on only for three spellings of "On";
// changeZEF takes exactly "On" and "Off" and leaves it for any other word.
TEST(ModuleState, TheSwitchReadsTheWordsOfItsSource) {
  const Setting& row = settingNamed("enabled");
  ModuleState state;
  for (const char* off : {"off", "oN", "", "On ", "Off"}) {
    state.enabled = true;
    storeSetting(row, off, SettingSource::layoutStart, state);
    EXPECT_FALSE(state.enabled) << off;
  }
  for (const char* on : {"On", "ON", "on"}) {
    storeSetting(row, on, SettingSource::layoutStart, state);
    EXPECT_TRUE(state.enabled) << on;
  }
  for (const char* left : {"off", "ON", "", "1"}) {
    storeSetting(row, left, SettingSource::settingChange, state);
    EXPECT_TRUE(state.enabled) << left;
  }
  storeSetting(row, "Off", SettingSource::settingChange, state);
  EXPECT_FALSE(state.enabled);
}

// Every changeZEF key names one row, and only the rows that changeZEF takes.
TEST(ModuleState, ChangeKeysFindTheirRows) {
  for (const char* key : {"Bl_Num", "Bl_Move", "Bl_Time", "ZEF_Switch"}) {
    ASSERT_NE(settingOfChangeKey(key), nullptr) << key;
    EXPECT_EQ(settingOfChangeKey(key)->changeKey, key);
  }
  for (const char* key : {"", "bl_num", "Bl_Num ", "fontName", "balloonCount"}) {
    EXPECT_EQ(settingOfChangeKey(key), nullptr) << key;
  }
}

}  // namespace
}  // namespace zef
