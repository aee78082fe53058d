#include <gtest/gtest.h>
#include <dlfcn.h>

#include <string>
#include <vector>

#include "platform/DebuggerOutput.h"

namespace {

TEST(TethraLoading, LoadCallAndUnloadWriteNothingToTheDebugger) {
  std::vector<std::u16string> heard;
  platform::SetDebuggerOutputListener([&](std::u16string_view text) { heard.emplace_back(text); });

  void* handle = dlopen(TETHRA_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << dlerror();
  auto dummy = reinterpret_cast<void (*)()>(dlsym(handle, "_Z11TethraDummyv"));
  ASSERT_NE(dummy, nullptr) << "TethraDummy is exported under its decorated name";
  dummy();
  EXPECT_EQ(dlclose(handle), 0);

  platform::SetDebuggerOutputListener({});
  EXPECT_TRUE(heard.empty());
}

TEST(TethraLoading, ExportsNothingButTheDummy) {
  void* handle = dlopen(TETHRA_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << dlerror();
  // The entry hooks are internal: hidden visibility keeps them out of the dynamic symbol table.
  EXPECT_EQ(dlsym(handle, "PlatformLibraryAttach"), nullptr);
  dlclose(handle);
}

}  // namespace
