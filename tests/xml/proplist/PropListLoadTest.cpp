#include <gtest/gtest.h>

#include <list>
#include <string>

#include "TempDir.h"
#include "arborix/PropListUtils.h"
#include "arborix/XMLEntryExit.h"

namespace {

constexpr const char* kHeader = "<?xml version='1.0' encoding='UTF-8'?>\n";

class PropListLoadTest : public ::testing::Test {
 protected:
  // Loads `pairs` (the inside of the top-level prop.list) into `list`.
  void LoadPairs(const std::string& pairs, PropList& list) {
    Load(std::string(kHeader) + "<prop.map>\n<prop.list>\n" + pairs + "</prop.list>\n</prop.map>\n", list);
  }
  void Load(const std::string& text, PropList& list) {
    File file(folder_.Write("load.xml", text));
    PropListUtils::LoadPropList(file, list);
  }
  void RoundTrip(const PropList& saved, PropList& loaded) {
    File file(folder_.Path() / "roundtrip.xml");
    PropListUtils::SavePropList(file, saved);
    PropListUtils::LoadPropList(file, loaded);
  }

  XMLEntryExit connection_;
  testsupport::TempDir folder_;
};

template <typename Value>
Value Get(const PropList& list, const UTF16String& key) {
  Value value{};
  EXPECT_TRUE(list.GetValue(key, value)) << std::string(key.begin(), key.end());
  return value;
}

TEST_F(PropListLoadTest, RoundTripKeepsEveryKindKeyAndValue) {
  PropList saved;
  saved.SetValue(u"s", std::string("\xE2\x82\xAC \"&<>' \t\n end"));
  saved.SetValue(u"u", UTF16String(u"\U0001F600 \"&<>'"));
  saved.SetValue(u"t", true);
  saved.SetValue(u"f", false);
  saved.SetValue(u"u16", std::uint16_t{65535});
  saved.SetValue(u"u32", std::uint32_t{4294967295u});
  saved.SetValue(u"i32", std::int32_t{-2147483647 - 1});
  saved.SetValue(u"d", 1234567.0);
  saved.SetValue(u"crlf", std::string("a\r\nb\rc"));
  saved.SetValue(u"&key<>", std::list<std::string>{"a", "b"});
  saved.SetValue(u"lu", std::list<UTF16String>{u"x", u""});
  saved.SetValue(u"lb", std::list<bool>{true, false, true});
  saved.SetValue(u"l16", std::list<std::uint16_t>{0, 7});
  saved.SetValue(u"l32", std::list<std::uint32_t>{4294967295u});
  saved.SetValue(u"li", std::list<std::int32_t>{-1, 2});
  PropList* sub = saved.NewSubList(u"sub");
  sub->SetValue(u"", std::int32_t{-5});
  sub->NewSubList(u"deeper")->SetValue(u"x", std::string("y"));

  PropList loaded;
  RoundTrip(saved, loaded);
  EXPECT_EQ(Get<std::string>(loaded, u"s"), "\xE2\x82\xAC \"&<>' \t\n end");
  EXPECT_EQ(Get<UTF16String>(loaded, u"u"), u"\U0001F600 \"&<>'");
  EXPECT_TRUE(Get<bool>(loaded, u"t"));
  EXPECT_FALSE(Get<bool>(loaded, u"f"));
  EXPECT_EQ(Get<std::uint16_t>(loaded, u"u16"), 65535);
  EXPECT_EQ(Get<std::uint32_t>(loaded, u"u32"), 4294967295u);
  EXPECT_EQ(Get<std::int32_t>(loaded, u"i32"), -2147483647 - 1);
  EXPECT_EQ(Get<UTF16String>(loaded, u"d"), u"1.23457e+06");
  EXPECT_EQ(Get<std::string>(loaded, u"crlf"), "a\r\nb\rc");
  EXPECT_EQ(Get<std::list<std::string>>(loaded, u"&key<>"), (std::list<std::string>{"a", "b"}));
  EXPECT_EQ(Get<std::list<UTF16String>>(loaded, u"lu"), (std::list<UTF16String>{u"x", u""}));
  EXPECT_EQ(Get<std::list<bool>>(loaded, u"lb"), (std::list<bool>{true, false, true}));
  EXPECT_EQ(Get<std::list<std::uint16_t>>(loaded, u"l16"), (std::list<std::uint16_t>{0, 7}));
  EXPECT_EQ(Get<std::list<std::uint32_t>>(loaded, u"l32"), (std::list<std::uint32_t>{4294967295u}));
  EXPECT_EQ(Get<std::list<std::int32_t>>(loaded, u"li"), (std::list<std::int32_t>{-1, 2}));
  ASSERT_NE(loaded.GetSubList(u"sub"), nullptr);
  EXPECT_EQ(Get<std::int32_t>(*loaded.GetSubList(u"sub"), u""), -5);
  ASSERT_NE(loaded.GetSubList(u"sub")->GetSubList(u"deeper"), nullptr);
  EXPECT_EQ(Get<std::string>(*loaded.GetSubList(u"sub")->GetSubList(u"deeper"), u"x"), "y");
}

TEST_F(PropListLoadTest, ARawCarriageReturnFromAnOlderFileStillReadsAsALineFeed) {
  PropList list;
  LoadPairs("<prop.pair><key>k</key><string>a\r\nb\rc</string></prop.pair>", list);
  EXPECT_EQ(Get<std::string>(list, u"k"), "a\nb\nc");
}

TEST_F(PropListLoadTest, KeyTextAccumulatesUntilAValueConsumesIt) {
  PropList list;
  LoadPairs("<prop.pair><key>ab</key><key>cd</key><true/><false/></prop.pair>", list);
  EXPECT_TRUE(Get<bool>(list, u"abcd"));
  EXPECT_FALSE(Get<bool>(list, u""));
}

TEST_F(PropListLoadTest, IntAttributesChooseTheKind) {
  PropList list;
  LoadPairs(
      "<prop.pair><key>a</key><int type='signed' size='16'>7</int></prop.pair>"
      "<prop.pair><key>b</key><int type='unsigned' size='64'>8</int></prop.pair>"
      "<prop.pair><key>c</key><int type='other' size='32'>9</int></prop.pair>"
      "<prop.pair><key>d</key><int size='32' type='signed'>-9</int></prop.pair>"
      "<prop.pair><key>e</key><int type='signed'>1</int></prop.pair>"
      "<prop.pair><key>f</key><int size='32'>1</int></prop.pair>",
      list);
  EXPECT_EQ(Get<std::uint16_t>(list, u"a"), 7);
  EXPECT_EQ(Get<std::uint32_t>(list, u"b"), 8u);
  EXPECT_EQ(Get<std::uint32_t>(list, u"c"), 9u);
  EXPECT_EQ(Get<std::int32_t>(list, u"d"), -9);
  std::int32_t untouched = 42;
  EXPECT_FALSE(list.GetValue(u"e", untouched));
  EXPECT_FALSE(list.GetValue(u"f", untouched));
  EXPECT_FALSE(list.GetValue(u"ef", untouched));
}

TEST_F(PropListLoadTest, NumbersAreReadLikeStreamExtraction) {
  PropList list;
  const auto pair = [](const char* key, const char* type, const char* size, const char* text) {
    return std::string("<prop.pair><key>") + key + "</key><int type='" + type + "' size='" + size + "'>" + text +
           "</int></prop.pair>";
  };
  LoadPairs(pair("wrap16", "unsigned", "16", "70000") + pair("x", "unsigned", "16", "x") +
                pair("space", "signed", "32", " \n+42abc") + pair("minus", "unsigned", "32", "-1") +
                pair("huge", "unsigned", "32", "99999999999") + pair("low", "signed", "32", "-2147483649") +
                pair("high", "signed", "32", "2147483648") + pair("hex", "unsigned", "32", "0x10"),
            list);
  EXPECT_EQ(Get<std::uint16_t>(list, u"wrap16"), 4464);
  EXPECT_EQ(Get<std::uint16_t>(list, u"x"), 0);
  EXPECT_EQ(Get<std::int32_t>(list, u"space"), 42);
  EXPECT_EQ(Get<std::uint32_t>(list, u"minus"), 4294967295u);
  EXPECT_EQ(Get<std::uint32_t>(list, u"huge"), 4294967295u);
  EXPECT_EQ(Get<std::int32_t>(list, u"low"), -2147483647 - 1);
  EXPECT_EQ(Get<std::int32_t>(list, u"high"), 2147483647);
  EXPECT_EQ(Get<std::uint32_t>(list, u"hex"), 0u);
}

TEST_F(PropListLoadTest, AnArrayTakesTheKindOfItsLastValueElement) {
  PropList list;
  LoadPairs(
      "<prop.pair><key>mixed</key><array><string>1</string><true/>"
      "<int type='unsigned' size='16'>70001</int></array></prop.pair>"
      "<prop.pair><key>bools</key><array><true/><false/><true/></array></prop.pair>",
      list);
  EXPECT_EQ(Get<std::list<std::uint16_t>>(list, u"mixed"), (std::list<std::uint16_t>{1, 0, 4465}));
  EXPECT_EQ(Get<std::list<bool>>(list, u"bools"), (std::list<bool>{true, false, true}));
}

TEST_F(PropListLoadTest, EachArrayHoldsOnlyItsOwnElements) {
  PropList list;
  LoadPairs(
      "<prop.pair><key>long</key><array><ustring>a longer first text</ustring><ustring>b</ustring>"
      "<ustring>c</ustring></array></prop.pair>"
      "<prop.pair><key>short</key><array><ustring>d</ustring><ustring></ustring></array></prop.pair>"
      "<prop.pair><key>scalar</key><ustring>e</ustring></prop.pair>",
      list);
  EXPECT_EQ(Get<std::list<UTF16String>>(list, u"long"), (std::list<UTF16String>{u"a longer first text", u"b", u"c"}));
  EXPECT_EQ(Get<std::list<UTF16String>>(list, u"short"), (std::list<UTF16String>{u"d", u""}));
  EXPECT_EQ(Get<UTF16String>(list, u"scalar"), u"e");
}

TEST_F(PropListLoadTest, AnEmptyArrayKeepsTheTypeTheKeyHeldOrTakesTheKindInForce) {
  PropList list;
  list.SetValue(u"held", std::list<std::int32_t>{1, 2});
  LoadPairs(
      "<prop.pair><key>first</key><array></array></prop.pair>"
      "<prop.pair><key>n</key><int type='unsigned' size='32'>3</int></prop.pair>"
      "<prop.pair><key>held</key><array></array></prop.pair>"
      "<prop.pair><key>later</key><array></array></prop.pair>",
      list);
  std::list<std::string> strings;
  EXPECT_FALSE(list.GetValue(u"first", strings));
  EXPECT_TRUE(Get<std::list<std::int32_t>>(list, u"held").empty());
  EXPECT_TRUE(Get<std::list<std::uint32_t>>(list, u"later").empty());
}

TEST_F(PropListLoadTest, LoadingMergesIntoWhatTheListHolds) {
  PropList list;
  list.SetValue(u"kept", std::string("old"));
  list.SetValue(u"replaced", std::list<std::int32_t>{1, 2, 3});
  list.NewSubList(u"sub")->SetValue(u"inner", true);
  LoadPairs(
      "<prop.pair><key>replaced</key><array><int type='signed' size='32'>9</int></array></prop.pair>"
      "<prop.pair><key>sub</key><prop.list><prop.pair><key>added</key><false/></prop.pair></prop.list>"
      "</prop.pair>",
      list);
  EXPECT_EQ(Get<std::string>(list, u"kept"), "old");
  EXPECT_EQ(Get<std::list<std::int32_t>>(list, u"replaced"), (std::list<std::int32_t>{9}));
  EXPECT_TRUE(Get<bool>(*list.GetSubList(u"sub"), u"inner"));
  EXPECT_FALSE(Get<bool>(*list.GetSubList(u"sub"), u"added"));
}

TEST_F(PropListLoadTest, OnlyTheListStructureMatters) {
  PropList list;
  Load("<settings>stray<prop.list>text<key>a</key>more<string>x</string></prop.list>"
       "<string>outside</string><prop.list><key>b</key><true/></prop.list></settings>",
       list);
  EXPECT_EQ(Get<std::string>(list, u"a"), "x");
  EXPECT_TRUE(Get<bool>(list, u"b"));
  std::string outside;
  EXPECT_FALSE(list.GetValue(u"", outside));
}

TEST_F(PropListLoadTest, AFileThatBreaksOffEmptiesTheList) {
  PropList list;
  list.SetValue(u"before", true);
  Load(std::string(kHeader) + "<prop.map><prop.list><prop.pair><key>a</key><true/></prop.pair>", list);
  bool value = false;
  EXPECT_FALSE(list.GetValue(u"before", value));
  EXPECT_FALSE(list.GetValue(u"a", value));
}

TEST_F(PropListLoadTest, AMissingFileThrowsAndLeavesTheListAlone) {
  PropList list;
  list.SetValue(u"kept", true);
  File missing(folder_.Path() / "absent.xml");
  EXPECT_THROW(PropListUtils::LoadPropList(missing, list), FileError);
  EXPECT_TRUE(Get<bool>(list, u"kept"));
}

TEST(PropListLoadWithoutConnection, ThrowsAndLeavesTheListAlone) {
  testsupport::TempDir folder;
  File file(folder.Write("a.xml", "<prop.list/>"));
  PropList list;
  list.SetValue(u"kept", true);
  EXPECT_THROW(PropListUtils::LoadPropList(file, list), std::exception);
  EXPECT_TRUE(Get<bool>(list, u"kept"));
}

}  // namespace
