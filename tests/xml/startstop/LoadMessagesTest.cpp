#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoadedLibrary.h"
#include "platform/DebuggerOutputListener.h"

namespace {

TEST(ArborixLoading, LoadAndUnloadAreAnnouncedOnTheDebuggerOutput) {
  std::vector<std::u16string> heard;
  platform::SetDebuggerOutputListener([&](std::u16string_view text) { heard.emplace_back(text); });

  // The file library is loaded first, on its own: loaded as a dependency of
  // Arborix it would bind some of its symbols into Arborix, and if it cannot
  // be unloaded itself it would then hold Arborix in memory too.
  testsupport::LoadedLibrary fileLibrary(DOSSIK_LIBRARY_FILE);
  testsupport::LoadedLibrary library(ARBORIX_LIBRARY_FILE);
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"Arborix.DLL Initializing!\n"}));
  EXPECT_TRUE(library.Unload());
  EXPECT_FALSE(testsupport::LoadedLibrary::IsLoaded(ARBORIX_LIBRARY_FILE)) << "Arborix stays loaded";

  platform::SetDebuggerOutputListener({});
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"Arborix.DLL Initializing!\n", u"Arborix.DLL Terminating!\n"}));
}

TEST(ArborixLoading, ItsCopyOfTheDebuggerOutputIsNotExported) {
  testsupport::LoadedLibrary fileLibrary(DOSSIK_LIBRARY_FILE);
  testsupport::LoadedLibrary library(ARBORIX_LIBRARY_FILE);
  // Neither from Arborix nor from a library of its own that Arborix would load.
  EXPECT_EQ(library.Symbol("_ZN8platform19WriteDebuggerOutputEPKDs"), nullptr);
}

}  // namespace
