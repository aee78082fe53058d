#include <gtest/gtest.h>

#include <list>
#include <stdexcept>
#include <string>

#include "TempDir.h"
#include "arborix/PropListUtils.h"
#include "arborix/XMLEntryExit.h"

namespace {

class PropListSaveTest : public ::testing::Test {
 protected:
  std::string Saved(const PropList& list) {
    const auto path = folder_.Path() / "saved.xml";
    PropListUtils::SavePropList(File(path), list);
    return testsupport::TempDir::Read(path);
  }

  testsupport::TempDir folder_;
};

TEST_F(PropListSaveTest, AnEmptyListIsFiveLines) {
  PropList list;
  EXPECT_EQ(Saved(list),
            "<?xml version='1.0' encoding='UTF-8'?>\n<prop.map>\n<prop.list>\n</prop.list>\n</prop.map>\n");
}

TEST_F(PropListSaveTest, WritesTheWorkedExampleByteForByte) {
  PropList list;
  list.SetValue(u"Flags", std::list<std::uint16_t>{1, 65535});
  list.SetValue(u"Name", UTF16String(u"A<B"));
  list.SetValue(u"Open", true);
  list.SetValue(u"Scale", 0.5);
  list.NewSubList(u"sub")->SetValue(u"Id", std::uint32_t{7});
  EXPECT_EQ(Saved(list),
            "<?xml version='1.0' encoding='UTF-8'?>\n<prop.map>\n<prop.list>\n"
            "<prop.pair>\n<key>Flags</key>\n<array><int type='unsigned' size='16'>1</int>\n"
            "<int type='unsigned' size='16'>65535</int>\n</array>\n</prop.pair>\n"
            "<prop.pair>\n<key>Name</key>\n<ustring>A&lt;B</ustring>\n</prop.pair>\n"
            "<prop.pair>\n<key>Open</key>\n<true/>\n</prop.pair>\n"
            "<prop.pair>\n<key>Scale</key>\n<ustring>0.5</ustring>\n</prop.pair>\n"
            "<prop.pair>\n<key>sub</key>\n<prop.list>\n<prop.pair>\n<key>Id</key>\n"
            "<int type='unsigned' size='32'>7</int>\n</prop.pair>\n</prop.list>\n</prop.pair>\n"
            "</prop.list>\n</prop.map>\n");
}

TEST_F(PropListSaveTest, WritesCarriageReturnsAsCharacterReferences) {
  PropList list;
  list.SetValue(u"k\r", std::string("a\r\nb"));
  const std::string text = Saved(list);
  EXPECT_NE(text.find("<key>k&#13;</key>"), std::string::npos);
  EXPECT_NE(text.find("<string>a&#13;\nb</string>"), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
}

// Text that XML cannot carry would make a file whose next load empties the list.
TEST_F(PropListSaveTest, RefusesTextXMLCannotCarryAndKeepsThePreviousFile) {
  const auto path = folder_.Write("settings.xml", "previous contents");
  const auto refusal = [&](const PropList& list) -> std::string {
    try {
      PropListUtils::SavePropList(File(path), list);
    } catch (const std::invalid_argument& error) {
      return error.what();
    }
    return "saved";
  };
  PropList latin1;
  latin1.SetValue(u"ok", std::string("fine"));
  latin1.NewSubList(u"outer")->NewSubList(u"in&ner")->SetValue(u"name", std::string("caf\xE9"));
  EXPECT_NE(refusal(latin1).find("\"outer/in&ner/name\""), std::string::npos) << refusal(latin1);

  PropList control;
  control.SetValue(u"bell", UTF16String(u"ding\u0007"));
  EXPECT_NE(refusal(control).find("\"bell\""), std::string::npos);

  PropList surrogate;
  surrogate.SetValue(u"half", std::list<UTF16String>{u"ok", UTF16String(1, u'\xD800')});
  EXPECT_NE(refusal(surrogate).find("\"half\""), std::string::npos);

  PropList badKey;
  badKey.SetValue(UTF16String(u"\uFFFF"), true);
  EXPECT_NE(refusal(badKey).find("\\xEF\\xBF\\xBF"), std::string::npos) << refusal(badKey);

  EXPECT_EQ(testsupport::TempDir::Read(path), "previous contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 1);
}

TEST_F(PropListSaveTest, KeepsEveryCharacterUpToU10FFFFButRefusesTheFormsPastItsBounds) {
  PropList edges;
  edges.SetValue(u"edges", UTF16String(u"\u007E\u0080\uD7FF\uE000\uFFFD\U00010000\U0010FFFF"));
  EXPECT_NE(Saved(edges).find("<ustring>~\xC2\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBD\xF0\x90\x80\x80"
                              "\xF4\x8F\xBF\xBF</ustring>"),
            std::string::npos);
  // U+FFFE, past U+10FFFF, an encoded surrogate, an overlong form, a sequence cut off by the end.
  for (const std::string bad : {"\xEF\xBF\xBE", "\xF4\x90\x80\x80", "\xED\xA0\x80", "\xC0\xAF", "a\xE2\x82"}) {
    PropList refused;
    refused.SetValue(u"bad", bad);
    EXPECT_THROW(Saved(refused), std::invalid_argument) << ::testing::PrintToString(bad);
  }
}

TEST_F(PropListSaveTest, AFailedReplaceThrowsAndLeavesTheTargetAlone) {
  std::filesystem::create_directory(folder_.Path() / "taken");
  PropList list;
  list.SetValue(u"k", true);
  EXPECT_THROW(PropListUtils::SavePropList(File(folder_.Path() / "taken"), list), FileError);
  EXPECT_TRUE(std::filesystem::is_directory(folder_.Path() / "taken"));
}

}  // namespace
