#include <gtest/gtest.h>
#include <dlfcn.h>

#include <string>
#include <vector>

#include "platform/DebuggerOutput.h"

namespace {

TEST(ArborixLoading, LoadAndUnloadAreAnnouncedOnTheDebuggerOutput) {
  std::vector<std::u16string> heard;
  platform::SetDebuggerOutputListener([&](std::u16string_view text) { heard.emplace_back(text); });

  void* handle = dlopen(ARBORIX_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << dlerror();
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"Arborix.DLL Initializing!\n"}));
  EXPECT_EQ(dlclose(handle), 0);

  platform::SetDebuggerOutputListener({});
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"Arborix.DLL Initializing!\n", u"Arborix.DLL Terminating!\n"}));
}

}  // namespace
