#include <gtest/gtest.h>
#include <dlfcn.h>

#include <string>
#include <vector>

#include "platform/DebuggerOutput.h"

namespace {

TEST(ArborixLoading, LoadAndUnloadAreAnnouncedOnTheDebuggerOutput) {
  std::vector<std::u16string> heard;
  platform::SetDebuggerOutputListener([&](std::u16string_view text) { heard.emplace_back(text); });

  // The file library is loaded first, on its own: loaded as a dependency of
  // Arborix it would bind some of its symbols into Arborix, and if it cannot
  // be unloaded itself it would then hold Arborix in memory too.
  void* fileLibrary = dlopen(DOSSIK_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(fileLibrary, nullptr) << dlerror();
  void* handle = dlopen(ARBORIX_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << dlerror();
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"Arborix.DLL Initializing!\n"}));
  EXPECT_EQ(dlclose(handle), 0);
  EXPECT_EQ(dlopen(ARBORIX_LIBRARY_FILE, RTLD_NOW | RTLD_NOLOAD), nullptr) << "Arborix stays loaded";

  platform::SetDebuggerOutputListener({});
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"Arborix.DLL Initializing!\n", u"Arborix.DLL Terminating!\n"}));
  dlclose(fileLibrary);
}

}  // namespace
