#include <gtest/gtest.h>

#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "Arborix.h"

namespace {

// AppendXML is internal to the library: this target is built without
// devirtualisation, and the call is kept out of line, so that it goes
// through the virtual table only.
[[gnu::noinline]] void AppendXMLOf(const PropList& list, std::string& out) { list.AppendXML(out); }

std::string XMLTextOf(const PropList& list) {
  std::string out;
  AppendXMLOf(list, out);
  return out;
}

TEST(PropListXML, WorkedExampleIsWrittenByteForByte) {
  PropList list;
  list.SetValue(u"Flags", std::list<std::uint16_t>{1, 65535});
  list.SetValue(u"Name", UTF16String(u"A<B"));
  list.SetValue(u"Open", true);
  list.SetValue(u"Scale", 0.5);
  list.NewSubList(u"sub")->SetValue(u"Id", std::uint32_t{7});

  // The first two lines and the last one belong to the file around the list.
  const std::string file = "<?xml version='1.0' encoding='UTF-8'?>\n<prop.map>\n" + XMLTextOf(list) + "</prop.map>\n";
  EXPECT_EQ(file,
            "<?xml version='1.0' encoding='UTF-8'?>\n"
            "<prop.map>\n"
            "<prop.list>\n"
            "<prop.pair>\n"
            "<key>Flags</key>\n"
            "<array><int type='unsigned' size='16'>1</int>\n"
            "<int type='unsigned' size='16'>65535</int>\n"
            "</array>\n"
            "</prop.pair>\n"
            "<prop.pair>\n"
            "<key>Name</key>\n"
            "<ustring>A&lt;B</ustring>\n"
            "</prop.pair>\n"
            "<prop.pair>\n"
            "<key>Open</key>\n"
            "<true/>\n"
            "</prop.pair>\n"
            "<prop.pair>\n"
            "<key>Scale</key>\n"
            "<ustring>0.5</ustring>\n"
            "</prop.pair>\n"
            "<prop.pair>\n"
            "<key>sub</key>\n"
            "<prop.list>\n"
            "<prop.pair>\n"
            "<key>Id</key>\n"
            "<int type='unsigned' size='32'>7</int>\n"
            "</prop.pair>\n"
            "</prop.list>\n"
            "</prop.pair>\n"
            "</prop.list>\n"
            "</prop.map>\n");
}

TEST(PropListXML, EmptyListIsTwoLines) { EXPECT_EQ(XMLTextOf(PropList()), "<prop.list>\n</prop.list>\n"); }

TEST(PropListXML, KeysAreWrittenInCodeUnitOrder) {
  PropList list;
  list.SetValue(u"a", false);
  list.SetValue(u"B", false);
  list.SetValue(u"A", false);
  list.SetValue(u"", false);
  list.SetValue(u"\xE9", false);
  const std::string pair = "</key>\n<false/>\n</prop.pair>\n<prop.pair>\n<key>";
  EXPECT_EQ(XMLTextOf(list), "<prop.list>\n<prop.pair>\n<key>" + pair + "A" + pair + "B" + pair + "a" + pair +
                                 "\xC3\xA9</key>\n<false/>\n</prop.pair>\n</prop.list>\n");
}

TEST(PropListXML, EveryTextIsEscapedAndNothingElse) {
  PropList list;
  list.SetValue(u"<&>\"'", UTF16String(u"<&>\"'\n\x20AC"));
  list.SetValue(u"b", std::string("<&>\"'\r\xC3\xA9"));
  EXPECT_EQ(XMLTextOf(list),
            "<prop.list>\n"
            "<prop.pair>\n<key>&lt;&amp;&gt;&quot;&apos;</key>\n"
            "<ustring>&lt;&amp;&gt;&quot;&apos;\n\xE2\x82\xAC</ustring>\n</prop.pair>\n"
            "<prop.pair>\n<key>b</key>\n<string>&lt;&amp;&gt;&quot;&apos;\r\xC3\xA9</string>\n</prop.pair>\n"
            "</prop.list>\n");
}

TEST(PropListXML, IntegersAreWrittenInPlainDecimalWithTheirTags) {
  PropList list;
  list.SetValue(u"a", std::int32_t{-2147483647 - 1});
  list.SetValue(u"b", std::uint32_t{4294967295u});
  list.SetValue(u"c", std::uint16_t{0});
  list.SetValue(u"d", std::list<std::int32_t>{});
  list.SetValue(u"e", std::list<bool>{true, false});
  list.SetValue(u"f", std::list<std::string>{"x"});
  list.SetValue(u"g", std::list<UTF16String>{u"y"});
  list.SetValue(u"h", std::list<std::uint32_t>{12});
  list.SetValue(u"i", std::list<std::int32_t>{-3});
  const std::string text = XMLTextOf(list);
  for (const char* expected : {
           "<key>a</key>\n<int type='signed' size='32'>-2147483648</int>\n",
           "<key>b</key>\n<int type='unsigned' size='32'>4294967295</int>\n",
           "<key>c</key>\n<int type='unsigned' size='16'>0</int>\n",
           "<key>d</key>\n<array></array>\n",
           "<key>e</key>\n<array><true/>\n<false/>\n</array>\n",
           "<key>f</key>\n<array><string>x</string>\n</array>\n",
           "<key>g</key>\n<array><ustring>y</ustring>\n</array>\n",
           "<key>h</key>\n<array><int type='unsigned' size='32'>12</int>\n</array>\n",
           "<key>i</key>\n<array><int type='signed' size='32'>-3</int>\n</array>\n",
       }) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
}

TEST(PropListXML, DeeplyNestedSubListsAreWrittenWithoutExhaustingTheStack) {
  constexpr int kDepth = 1'000'000;
  auto list = std::make_unique<PropList>();
  PropList* innermost = list.get();
  for (int i = 0; i < kDepth; ++i) {
    innermost = innermost->NewSubList(u"n");
  }
  std::string expected;
  for (int i = 0; i < kDepth; ++i) {
    expected += "<prop.list>\n<prop.pair>\n<key>n</key>\n";
  }
  expected += "<prop.list>\n</prop.list>\n";
  for (int i = 0; i < kDepth; ++i) {
    expected += "</prop.pair>\n</prop.list>\n";
  }
  EXPECT_TRUE(XMLTextOf(*list) == expected);
}

}  // namespace
