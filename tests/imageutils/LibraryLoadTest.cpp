#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "LoadedLibrary.h"
#include "platform/DebuggerOutputListener.h"

namespace {

TEST(PixmoraUtilsLoading, LoadAndUnloadAreAnnouncedOnTheDebuggerOutput) {
  std::vector<std::u16string> heard;
  platform::SetDebuggerOutputListener([&](std::u16string_view text) { heard.emplace_back(text); });

  testsupport::LoadedLibrary library(PIXMORAUTILS_LIBRARY_FILE);
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"PixmoraUtils.DLL Initializing!\n"}));
  EXPECT_TRUE(library.Unload());

  platform::SetDebuggerOutputListener({});
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"PixmoraUtils.DLL Initializing!\n",
                                                u"PixmoraUtils.DLL Terminating!\n"}));
}

TEST(PixmoraUtilsLoading, ExportsTheFunctionsUnderTheirDecoratedNames) {
  testsupport::LoadedLibrary library(PIXMORAUTILS_LIBRARY_FILE);
  EXPECT_NE(library.Symbol("_Z18ReduceToFourColorsRK7PmImageR7PmMatte12PmImagePixelS4_S4_S4_"), nullptr);
  EXPECT_NE(library.Symbol("_Z17ExpandToTrueColorRK7PmMatteR7PmImage12PmImagePixelS4_S4_S4_"), nullptr);
  // The loops behind them stay internal (std::size_t is "m" on 64-bit targets, "j" on 32-bit).
  const char* portableLoop = sizeof(std::size_t) == 8
                                 ? "_ZN21pixmorautils_internal17ReduceRunPortableEPK12PmImagePixelPhmRA4_S0_"
                                 : "_ZN21pixmorautils_internal17ReduceRunPortableEPK12PmImagePixelPhjRA4_S0_";
  EXPECT_EQ(library.Symbol(portableLoop), nullptr);
}

}  // namespace
