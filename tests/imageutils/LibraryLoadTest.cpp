#include <gtest/gtest.h>
#include <dlfcn.h>

#include <string>
#include <vector>

#include "platform/DebuggerOutput.h"

namespace {

TEST(PixmoraUtilsLoading, LoadAndUnloadAreAnnouncedOnTheDebuggerOutput) {
  std::vector<std::u16string> heard;
  platform::SetDebuggerOutputListener([&](std::u16string_view text) { heard.emplace_back(text); });

  void* handle = dlopen(PIXMORAUTILS_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << dlerror();
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"PixmoraUtils.DLL Initializing!\n"}));
  EXPECT_EQ(dlclose(handle), 0);

  platform::SetDebuggerOutputListener({});
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"PixmoraUtils.DLL Initializing!\n",
                                                u"PixmoraUtils.DLL Terminating!\n"}));
}

TEST(PixmoraUtilsLoading, ExportsTheFunctionsUnderTheirDecoratedNames) {
  void* handle = dlopen(PIXMORAUTILS_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << dlerror();
  EXPECT_NE(dlsym(handle, "_Z18ReduceToFourColorsRK7PmImageR7PmMatte12PmImagePixelS4_S4_S4_"), nullptr);
  EXPECT_NE(dlsym(handle, "_Z17ExpandToTrueColorRK7PmMatteR7PmImage12PmImagePixelS4_S4_S4_"), nullptr);
  // The loops behind them stay internal.
  EXPECT_EQ(dlsym(handle, "_ZN21pixmorautils_internal17ReduceRunPortableEPK12PmImagePixelPhmRA4_S0_"), nullptr);
  dlclose(handle);
}

}  // namespace
