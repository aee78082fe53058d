#include <gtest/gtest.h>

#include "Glyphwerk.h"

namespace {

TEST(UnicodeSurrogate, ClassifiesByTheHalfOfTheSurrogateRange) {
  EXPECT_EQ(UnicodeSurrogate(0x0000), NotSurrogate);
  EXPECT_EQ(UnicodeSurrogate(0xD7FF), NotSurrogate);
  EXPECT_EQ(UnicodeSurrogate(0xD800), HighSurrogate);
  EXPECT_EQ(UnicodeSurrogate(0xDBFF), HighSurrogate);
  EXPECT_EQ(UnicodeSurrogate(0xDC00), LowSurrogate);
  EXPECT_EQ(UnicodeSurrogate(0xDFFF), LowSurrogate);
  EXPECT_EQ(UnicodeSurrogate(0xE000), NotSurrogate);
  EXPECT_EQ(UnicodeSurrogate(0xFFFF), NotSurrogate);
}

}  // namespace
