#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/DebuggerOutput.h"
#include "platform/DebuggerOutputListener.h"

namespace {

TEST(DebuggerOutput, ListenerReceivesEveryMessageWhileInstalled) {
  std::vector<std::u16string> heard;
  platform::SetDebuggerOutputListener([&](std::u16string_view text) { heard.emplace_back(text); });
  platform::WriteDebuggerOutput(u"first\n");
  platform::WriteDebuggerOutput(u"zweite \u00FC\n");
  platform::SetDebuggerOutputListener({});
  platform::WriteDebuggerOutput(u"not heard\n");

  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0], u"first\n");
  EXPECT_EQ(heard[1], u"zweite \u00FC\n");
}

TEST(DebuggerOutput, SilentWithoutDebuggerOrListener) {
  ASSERT_FALSE(platform::IsDebuggerAttached());
  testing::internal::CaptureStderr();
  platform::WriteDebuggerOutput(u"nobody listens\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(DebuggerOutput, NullMessageIsIgnored) {
  int calls = 0;
  platform::SetDebuggerOutputListener([&](std::u16string_view) { ++calls; });
  platform::WriteDebuggerOutput(nullptr);
  platform::SetDebuggerOutputListener({});
  EXPECT_EQ(calls, 0);
}

}  // namespace
