// The load/unload sequence of the process-wide state.
#include <gtest/gtest.h>

#include "module/entries.h"
#include "platform/global_memory.h"

namespace zef {
namespace {

platform::Bool loadWithPath() { return loadModule(platform::allocateBlock("C:\\ghost\\master\\")); }

TEST(Lifecycle, RepeatedLoadLeavesNoStateAndTheNextLoadStartsAfresh) {
  unloadModule();
  EXPECT_EQ(currentModuleState(), nullptr);
  EXPECT_EQ(loadWithPath(), 1);
  ASSERT_NE(currentModuleState(), nullptr);
  currentModuleState()->balloonCount = 9;

  EXPECT_EQ(loadWithPath(), 0);
  EXPECT_EQ(currentModuleState(), nullptr);

  EXPECT_EQ(loadWithPath(), 1);
  ASSERT_NE(currentModuleState(), nullptr);
  EXPECT_EQ(currentModuleState()->balloonCount, 6);
  EXPECT_EQ(unloadModule(), 1);
}

TEST(Lifecycle, UnloadAlwaysSucceeds) {
  unloadModule();
  EXPECT_EQ(unloadModule(), 1);
  EXPECT_EQ(unloadModule(), 1);
  EXPECT_EQ(loadModule(nullptr), 1);  // a null path block is simply not freed
  EXPECT_EQ(unloadModule(), 1);
  EXPECT_EQ(currentModuleState(), nullptr);
}

}  // namespace
}  // namespace zef
