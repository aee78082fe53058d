#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "StringKey.h"
#include "StringTable.h"

namespace Verbosa {
namespace {

TEST(StringKey, ChecksumSumsTheBytesAsSignedValues) {
  EXPECT_EQ(KeyChecksum(""), 0);
  EXPECT_EQ(KeyChecksum("/a"), 144);
  EXPECT_EQ(KeyChecksum("/menu/file"), 947);
  EXPECT_EQ(KeyChecksum("/\xE9"), 24);  // 0xE9 counts as -23
  EXPECT_EQ(KeyChecksum("\x80"), 65408);  // -128 modulo 65536
}

TEST(StringKey, ChecksumWrapsModulo65536) {
  const std::string longKey(600, 'z');  // 600 * 122 = 73200
  EXPECT_EQ(KeyChecksum(longKey), 73200 - 65536);
}

TEST(StringKey, OrdersByChecksumBeforeBytes) {
  // "b" sums to 98 and "aa" to 194: the shorter checksum comes first even
  // though "aa" is smaller byte-wise.
  EXPECT_LT(StringKeyView{"b"}, StringKeyView{"aa"});
  EXPECT_GT(StringKeyView{"/zz"}, StringKeyView{"/a"});
}

TEST(StringKey, EqualChecksumsOrderByUnsignedBytesWithPrefixFirst) {
  // "ac" and "bb" both sum to 196.
  EXPECT_LT(StringKeyView{"ac"}, StringKeyView{"bb"});
  // "\xE9\x17" sums to -23 + 23 = 0, like the empty key: the prefix comes first.
  EXPECT_LT(StringKeyView{""}, StringKeyView{"\xE9\x17"});
  // "\x7F\x81" and "\x81\x7F" both sum to 0; bytes compare unsigned, so 0x7F < 0x81.
  EXPECT_LT(StringKeyView{"\x7F\x81"}, StringKeyView{"\x81\x7F"});
  EXPECT_EQ(StringKeyView{"/k"}, StringKey{"/k"}.View());
  EXPECT_FALSE(StringKeyView{"ac"} == StringKeyView{"bb"});
}

TEST(StringTable, KeysWithEqualChecksumsStayApart) {
  StringTable table;
  table.AddNamedString("ac", u"ac");
  table.AddNamedString("bb", u"bb");
  table.AddNamedString("ca", u"ca");
  table.AddNamedString("", u"empty");
  table.AddNamedString("\xE9\x17", u"high");
  EXPECT_EQ(table.Size(), 5u);
  EXPECT_EQ(*table.Find("ac"), u"ac");
  EXPECT_EQ(*table.Find("bb"), u"bb");
  EXPECT_EQ(*table.Find("ca"), u"ca");
  EXPECT_EQ(*table.Find(""), u"empty");
  EXPECT_EQ(*table.Find("\xE9\x17"), u"high");
  EXPECT_EQ(table.Find("ab"), nullptr);
  EXPECT_EQ(table.Find("bc"), nullptr);  // sums to 197: no neighbour matches
}

TEST(StringTable, FindsEveryEntryAcrossGrowthAndAfterAMove) {
  StringTable table;
  for (int index = 0; index < 5000; ++index) {
    ASSERT_TRUE(table.AddNamedString("/k" + std::to_string(index), std::u16string(1, static_cast<char16_t>(index))));
  }
  EXPECT_FALSE(table.AddNamedString("/k17", u"second"));
  StringTable moved = std::move(table);
  EXPECT_EQ(moved.Size(), 5000u);
  for (int index = 0; index < 5000; ++index) {
    const std::u16string* text = moved.Find("/k" + std::to_string(index));
    ASSERT_NE(text, nullptr) << index;
    EXPECT_EQ(*text, std::u16string(1, static_cast<char16_t>(index)));
  }
  EXPECT_EQ(moved.Find("/k5000"), nullptr);
  EXPECT_EQ(moved.Find("k17"), nullptr);
}

}  // namespace
}  // namespace Verbosa
