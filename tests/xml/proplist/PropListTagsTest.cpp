// The spellings that PropListTags publishes are those of stored files: a
// change to one would make old files unreadable.
#include <gtest/gtest.h>

#include <cstdint>
#include <list>
#include <string>
#include <string_view>

#include "TempDir.h"
#include "arborix/PropListTags.h"
#include "arborix/PropListUtils.h"
#include "arborix/XMLEntryExit.h"

namespace {

std::string Element(std::string_view name, std::string_view content) {
  return "<" + std::string(name) + ">" + std::string(content) + "</" + std::string(name) + ">";
}

std::string Int(std::string_view type, std::string_view size, std::string_view digits) {
  return "<" + std::string(PropListTags::kInt) + " " + std::string(PropListTags::kIntType) + "='" + std::string(type) +
         "' " + std::string(PropListTags::kIntSize) + "='" + std::string(size) + "'>" + std::string(digits) + "</" +
         std::string(PropListTags::kInt) + ">";
}

std::string Pair(std::string_view key, const std::string& value) {
  return Element(PropListTags::kPair, Element(PropListTags::kKey, key) + value);
}

TEST(PropListTags, SpellTheNamesOfStoredFiles) {
  EXPECT_EQ(PropListTags::kMap, "prop.map");
  EXPECT_EQ(PropListTags::kList, "prop.list");
  EXPECT_EQ(PropListTags::kPair, "prop.pair");
  EXPECT_EQ(PropListTags::kKey, "key");
  EXPECT_EQ(PropListTags::kString, "string");
  EXPECT_EQ(PropListTags::kUnicodeString, "ustring");
  EXPECT_EQ(PropListTags::kTrue, "true");
  EXPECT_EQ(PropListTags::kFalse, "false");
  EXPECT_EQ(PropListTags::kInt, "int");
  EXPECT_EQ(PropListTags::kArray, "array");
  EXPECT_EQ(PropListTags::kIntType, "type");
  EXPECT_EQ(PropListTags::kIntSize, "size");
  EXPECT_EQ(PropListTags::kSigned, "signed");
  EXPECT_EQ(PropListTags::kUnsigned, "unsigned");
  EXPECT_EQ(PropListTags::kBits16, "16");
  EXPECT_EQ(PropListTags::kBits32, "32");
}

TEST(PropListTags, AFileSpelledWithThemLoadsEveryKind) {
  using namespace PropListTags;
  const std::string subList = Element(kList, Pair("inner", Element(kString, "deep")));
  const std::string list =
      Element(kList, Pair("a", Element(kString, "bytes")) + Pair("b", Element(kUnicodeString, "text")) +
                         Pair("c", "<" + std::string(kTrue) + "/>") + Pair("d", "<" + std::string(kFalse) + "/>") +
                         Pair("e", Int(kUnsigned, kBits16, "65535")) +
                         Pair("f", Int(kUnsigned, kBits32, "4294967295")) +
                         Pair("g", Int(kSigned, kBits32, "-2147483648")) +
                         Pair("h", Element(kArray, Int(kSigned, kBits32, "1") + Int(kSigned, kBits32, "2"))) +
                         Pair("s", subList));
  testsupport::TempDir folder;
  const auto path = folder.Write("spelled.xml", Element(kMap, list));
  XMLEntryExit connection;
  PropList loaded;
  File file(path);
  PropListUtils::LoadPropList(file, loaded);

  std::string bytes;
  UTF16String text;
  bool yes = false;
  bool no = true;
  std::uint16_t u16 = 0;
  std::uint32_t u32 = 0;
  std::int32_t i32 = 0;
  std::list<std::int32_t> numbers;
  std::string deep;
  EXPECT_TRUE(loaded.GetValue(u"a", bytes) && bytes == "bytes");
  EXPECT_TRUE(loaded.GetValue(u"b", text) && text == u"text");
  EXPECT_TRUE(loaded.GetValue(u"c", yes) && yes);
  EXPECT_TRUE(loaded.GetValue(u"d", no) && !no);
  EXPECT_TRUE(loaded.GetValue(u"e", u16) && u16 == 65535);
  EXPECT_TRUE(loaded.GetValue(u"f", u32) && u32 == 4294967295u);
  EXPECT_TRUE(loaded.GetValue(u"g", i32) && i32 == INT32_MIN);
  EXPECT_TRUE(loaded.GetValue(u"h", numbers) && numbers == (std::list<std::int32_t>{1, 2}));
  const PropList* sub = loaded.GetSubList(u"s");
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(sub->GetValue(u"inner", deep) && deep == "deep");
}

}  // namespace
