#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ParserTestSupport.h"
#include "arborix/XMLEntryExit.h"

namespace {

using parser_test::Events;
using parser_test::UTF16Bytes;
using Lines = std::vector<std::u16string>;

class ParserDelivery : public ::testing::Test {
 protected:
  XMLEntryExit connection_;
};

TEST_F(ParserDelivery, ElementsAttributesAndTextArriveInDocumentOrder) {
  EXPECT_EQ(Events("<a x='1' y=\"two\">hi<b/>there<?go now?></a>"),
            (Lines{u"startDocument", u"start a x=1 y=two", u"chars hi", u"start b", u"end b", u"chars there",
                   u"pi go now", u"end a", u"endDocument"}));
}

TEST_F(ParserDelivery, NonASCIINamesValuesAndTextArriveIntact) {
  EXPECT_EQ(Events("<caf\xC3\xA9 n='\xE2\x82\xAC\xF0\x9F\x98\x80'>x\xF0\x9F\x98\x80 \xC3\xA9</caf\xC3\xA9>"),
            (Lines{u"startDocument", u"start caf\u00e9 n=\u20ac\U0001F600", u"chars x\U0001F600 \u00e9",
                   u"end caf\u00e9", u"endDocument"}));
}

TEST_F(ParserDelivery, TextBetweenTwoPiecesOfMarkupArrivesInOneCall) {
  // Expat splits at line ends and entity references; the parser joins the pieces.
  EXPECT_EQ(Events("<a>one\ntwo &amp; three&#x41;\r\nfour</a>"),
            (Lines{u"startDocument", u"start a", u"chars one\ntwo & threeA\nfour", u"end a", u"endDocument"}));
}

TEST_F(ParserDelivery, CommentsAndCDATABoundariesEndARunOfText) {
  EXPECT_EQ(Events("<a>x<!--c-->y<![CDATA[<z>]]>w</a>"),
            (Lines{u"startDocument", u"start a", u"chars x", u"chars y", u"chars <z>", u"chars w", u"end a",
                   u"endDocument"}));
}

TEST_F(ParserDelivery, ReadsOfOneByteGiveTheSameEventsAsOneRead) {
  const std::string document = "<?xml version='1.0'?>\n<root a='1'>text\nmore<k>v</k></root>\n";
  EXPECT_EQ(Events(document, 1), Events(document));
}

// A parse run to its end gathers its reads and parses them in windows of a few megabytes.
TEST_F(ParserDelivery, TextAcrossTheWindowsOfALargeDocumentArrivesWhole) {
  const std::string run(1 << 20, 'x');
  std::string document = "<r>";
  for (int element = 0; element < 9; ++element) document += "<e>" + run + "</e>";
  document += "</r>";
  const auto events = Events(document);
  ASSERT_EQ(events.size(), 2u + 2u + 9u * 3u);
  for (int element = 0; element < 9; ++element) {
    EXPECT_EQ(events[3 + 3 * element].size(), 6u + run.size()) << "the text of element " << element;
  }
  EXPECT_EQ(Events(UTF16Bytes(std::u16string(document.begin(), document.end()))), events) << "in UTF-16";
}

TEST_F(ParserDelivery, UTF16LEWithoutMarkIsRecognisedWhateverTheDeclarationSays) {
  const std::u16string text = u"<?xml version='1.0' encoding='UTF-8'?><a n='\u00e9'>\u20ac</a>";
  EXPECT_EQ(Events(UTF16Bytes(text), 3),
            (Lines{u"startDocument", u"start a n=\u00e9", u"chars \u20ac", u"end a", u"endDocument"}));
}

TEST_F(ParserDelivery, UTF16AndUTF8WithByteOrderMarksAreRecognised) {
  const Lines expected{u"startDocument", u"start \u00e4", u"chars \U0001F600", u"end \u00e4", u"endDocument"};
  const std::u16string text = u"<\u00e4>\U0001F600</\u00e4>";
  EXPECT_EQ(Events("\xFF\xFE" + UTF16Bytes(text)), expected);
  EXPECT_EQ(Events("\xFE\xFF" + UTF16Bytes(text, true)), expected);
  EXPECT_EQ(Events(UTF16Bytes(text, true)), expected);
  EXPECT_EQ(Events("\xEF\xBB\xBF<\xC3\xA4>\xF0\x9F\x98\x80</\xC3\xA4>"), expected);
}

TEST_F(ParserDelivery, AttributesAreFoundByNameAndMissesLeaveTheOutputAlone) {
  std::vector<std::u16string> events;
  std::u16string found;
  std::u16string untouched = u"keep";
  bool foundSize = false;
  bool foundMissing = true;
  auto* handler = new parser_test::RecordingContentHandler(&events);
  handler->onStartElement = [&](CQURString&, CQURAttributes& attributes) {
    foundSize = attributes.getValue(u"size", found);
    foundMissing = attributes.getValue(u"type", untouched);
  };
  CQURSAX2Parser parser = parser_test::NewPlainParser();
  parser.A_setContentHandler(handler);
  parser.A_parse(new parser_test::MemoryStream("<int size='16'/>"));
  EXPECT_TRUE(foundSize);
  EXPECT_EQ(found, u"16");
  EXPECT_FALSE(foundMissing);
  EXPECT_EQ(untouched, u"keep");
}

TEST_F(ParserDelivery, ANameMadeOnceIsLookedUpInEveryAttributeList) {
  std::vector<std::u16string> events;
  std::vector<std::u16string> sizes;
  const CQURString size = CQURString::FromUTF16(u"size");
  auto* handler = new parser_test::RecordingContentHandler(&events);
  handler->onStartElement = [&](CQURString&, CQURAttributes& attributes) {
    std::u16string value = u"none";
    attributes.getValue(size, value);
    sizes.push_back(value);
  };
  CQURSAX2Parser parser = parser_test::NewPlainParser();
  parser.A_setContentHandler(handler);
  parser.A_parse(new parser_test::MemoryStream("<a size='8'><b type='x'/><c type='y' size='32'/></a>"));
  EXPECT_EQ(sizes, (std::vector<std::u16string>{u"8", u"none", u"32"}));
}

// The parser lends its own bytes for the length of a callback; what a
// handler keeps must still read the same after the parser has moved on.
TEST_F(ParserDelivery, StringsAndAttributeListsKeptPastTheirCallbackKeepTheirTexts) {
  std::vector<std::u16string> events;
  std::vector<CQURString> names;
  std::vector<CQURAttributes> lists;
  std::vector<CQURString> values;
  std::vector<CQURString> texts;
  auto* handler = new parser_test::RecordingContentHandler(&events);
  handler->onStartElement = [&](CQURString& name, CQURAttributes& attributes) {
    names.push_back(name);
    lists.push_back(attributes);
    CQURString value;
    if (attributes.getValueByIx(attributes.getLength() - 1, value)) values.push_back(value);
  };
  handler->onCharacters = [&](CQURString& text) { texts.push_back(text); };
  CQURSAX2Parser parser = parser_test::NewPlainParser();
  parser.A_setContentHandler(handler);
  parser.A_parse(new parser_test::MemoryStream(
      "<first a='one' b='two'>text one<second a='three'>text two</second><third c='four'/>x</first>"));
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[0].GetText(), u"first");
  EXPECT_EQ(names[1].GetText(), u"second");
  EXPECT_EQ(names[2].GetText(), u"third");
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values[0].GetText(), u"two");
  EXPECT_EQ(values[1].GetText(), u"three");
  EXPECT_EQ(values[2].GetText(), u"four");
  ASSERT_EQ(lists.size(), 3u);
  std::u16string value;
  EXPECT_TRUE(lists[0].getValue(u"a", value));
  EXPECT_EQ(value, u"one");
  EXPECT_TRUE(lists[0].getLocalName(1, value));
  EXPECT_EQ(value, u"b");
  EXPECT_TRUE(lists[1].getValueByIx(0, value));
  EXPECT_EQ(value, u"three");
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].GetText(), u"text one");
  EXPECT_EQ(texts[1].GetText(), u"text two");
  EXPECT_EQ(texts[2].GetText(), u"x");
}

TEST_F(ParserDelivery, TheLocatorTellsWhereTheCurrentElementStands) {
  std::vector<std::u16string> events;
  std::vector<std::int32_t> lines;
  auto* handler = new parser_test::RecordingContentHandler(&events);
  handler->onStartElement = [&](CQURString&, CQURAttributes&) { lines.push_back(handler->locator_.getLineNumber()); };
  CQURSAX2Parser parser = parser_test::NewPlainParser();
  parser.A_setContentHandler(handler);
  parser.A_parse(new parser_test::MemoryStream("<a>\n\n  <b/>\n</a>"));
  EXPECT_EQ(lines, (std::vector<std::int32_t>{1, 3}));
}

TEST_F(ParserDelivery, ExternalEntitiesAreNeverRead) {
  const std::string document =
      "<!DOCTYPE a [<!ENTITY secret SYSTEM 'file:///etc/hostname'>]><a>[&secret;]</a>";
  EXPECT_EQ(Events(document), (Lines{u"startDocument", u"start a", u"chars []", u"end a", u"endDocument"}));
}

TEST_F(ParserDelivery, AParseWithoutContentHandlerStillReadsTheWholeStream) {
  CQURSAX2Parser parser = parser_test::NewPlainParser();
  parser_test::Lifetimes lifetimes;
  parser.A_parse(new parser_test::MemoryStream("<a>text</a>", &lifetimes));
  EXPECT_EQ(lifetimes.streamsDestroyed, 1);
}

}  // namespace
