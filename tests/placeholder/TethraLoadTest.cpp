#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoadedLibrary.h"
#include "platform/DebuggerOutputListener.h"

namespace {

TEST(TethraLoading, LoadCallAndUnloadWriteNothingToTheDebugger) {
  std::vector<std::u16string> heard;
  platform::SetDebuggerOutputListener([&](std::u16string_view text) { heard.emplace_back(text); });

  testsupport::LoadedLibrary library(TETHRA_LIBRARY_FILE);
  auto dummy = reinterpret_cast<void (*)()>(library.Symbol("_Z11TethraDummyv"));
  ASSERT_NE(dummy, nullptr) << "TethraDummy is exported under its decorated name";
  dummy();
  EXPECT_TRUE(library.Unload());

  platform::SetDebuggerOutputListener({});
  EXPECT_TRUE(heard.empty());
}

TEST(TethraLoading, ExportsNothingButTheDummy) {
  testsupport::LoadedLibrary library(TETHRA_LIBRARY_FILE);
  // The entry hooks are internal: they stay out of the export table.
  EXPECT_EQ(library.Symbol("PlatformLibraryAttach"), nullptr);
  EXPECT_EQ(library.Symbol("DllMain"), nullptr);
  // So is the platform call the entry makes, compiled into the library.
  EXPECT_EQ(library.Symbol("_ZN8platform26DisableThreadNotificationsENS_12ModuleHandleE"), nullptr);
}

}  // namespace
