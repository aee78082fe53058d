// Documents in legacy encodings, converted by the platform, read as the same
// trees as their UTF-8 sources; bytes that are not valid in the declared
// encoding fail with XMLParseBadEncoding.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TempDir.h"
#include "TreeText.h"
#include "arborix/ParseXML.h"
#include "arborix/PropList.h"
#include "arborix/PropListUtils.h"
#include "arborix/XMLEntryExit.h"

using parsing_test::Outline;

namespace {

struct Reading {
  XMLParseStatus status;
  std::u16string tree;
};

Reading ParseFile(const std::filesystem::path& path) {
  File file(path);
  XMLDocument* document = nullptr;
  const XMLParseStatus status = ParseXMLFile(file, false, &document);
  std::unique_ptr<XMLDocument> owned(document);
  return {status, owned ? Outline(owned.get()) : u""};
}

// The corpus: SOURCE.ENCODING.xml is SOURCE.xml in ENCODING (see make-corpus.sh).
class EncodingCorpus : public ::testing::TestWithParam<const char*> {
 protected:
  XMLEntryExit connection_;
};

TEST_P(EncodingCorpus, ReadsTheSameTreeAsItsUTF8Source) {
  const std::string name = GetParam();
  const std::filesystem::path folder(ENCODING_CORPUS_DIR);
  const Reading source = ParseFile(folder / (name.substr(0, name.find('.')) + ".xml"));
  ASSERT_EQ(source.status, XMLParseOK);
  const Reading converted = ParseFile(folder / (name + ".xml"));
  EXPECT_EQ(converted.status, XMLParseOK);
  EXPECT_EQ(converted.tree, source.tree);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, EncodingCorpus,
    ::testing::Values("latin.windows-1250", "latin.windows-1252", "latin.cp1252", "latin.ISO-8859-2",
                      "latin.latin2", "latin.ISO-8859-9", "cyrillic.windows-1251", "cyrillic.ISO-8859-5",
                      "cyrillic.KOI8-R", "cyrillic.IBM866", "cyrillic.IBM855", "cyrillic.MacCyrillic",
                      "cyrillic.x-mac-cyrillic", "greek.ISO-8859-7", "hebrew.windows-1255", "hebrew-points.windows-1255",
                      "vietnamese.windows-1258", "thai.TIS-620",
                      "cjk.Shift_JIS", "cjk.SJIS", "cjk.windows-31j", "cjk.EUC-JP", "cjk.EUC-KR", "cjk.Big5",
                      "cjk.GB2312"),
    [](const ::testing::TestParamInfo<const char*>& info) {
      std::string name = info.param;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

class LegacyEncodingTest : public ::testing::Test {
 protected:
  Reading Parse(const std::string& bytes) { return ParseFile(folder_.Write("doc.xml", bytes)); }

  XMLEntryExit connection_;
  testsupport::TempDir folder_;
};

TEST_F(LegacyEncodingTest, AShiftJISLeadByteWithoutItsTrailByteIsABadEncoding) {
  const std::string declaration = "<?xml version='1.0' encoding='Shift_JIS'?>";
  EXPECT_EQ(Parse(declaration + "<a>x</a>\x82").status, XMLParseBadEncoding);
  EXPECT_EQ(Parse(declaration + "<a>\x82</a>").status, XMLParseBadEncoding);
  EXPECT_EQ(Parse(declaration + "<a>\x95\x5C</a>").tree, u"a['\u8868']");
}

TEST_F(LegacyEncodingTest, AnEUCKRBytePairOutsideTheTableIsABadEncoding) {
  const std::string declaration = "<?xml version='1.0' encoding='EUC-KR'?>";
  EXPECT_EQ(Parse(declaration + "<a>\xB0\xA1\xAD\xA1</a>").status, XMLParseBadEncoding);
  EXPECT_EQ(Parse(declaration + "<a>\xB0\xA1</a>").tree, u"a['\uAC00']");
}

TEST_F(LegacyEncodingTest, CharactersSplitBetweenTwoReadsAreWhole) {
  // Reads are 64 KiB: one ASCII byte first puts a two-byte character across
  // every read boundary.
  std::string text = "<?xml version='1.0' encoding='Shift_JIS'?><a>x";
  std::u16string expected = u"x";
  while (text.size() < 200000) {
    text += "\x95\x5C";
    expected += u'\u8868';
  }
  const Reading reading = Parse(text + "</a>");
  EXPECT_EQ(reading.status, XMLParseOK);
  EXPECT_EQ(reading.tree, u"a['" + expected + u"']");
}

TEST_F(LegacyEncodingTest, AnEncodingThatCannotBeConvertedIsABadEncoding) {
  EXPECT_EQ(Parse("<?xml version='1.0' encoding='x-unheard-of'?><a/>").status, XMLParseBadEncoding);
}

TEST_F(LegacyEncodingTest, AnEncodingInWhichTheDeclarationReadsDifferentlyIsABadEncoding) {
  EXPECT_EQ(Parse("<?xml version='1.0' encoding='UCS-2'?><a/>").status, XMLParseBadEncoding);
  EXPECT_EQ(Parse("<?xml version='1.0' encoding='UTF-32'?><a/>").status, XMLParseBadEncoding);
}

TEST_F(LegacyEncodingTest, ADeclarationInAUTF16BufferDoesNotChangeHowItIsRead) {
  XMLDocument* document = nullptr;
  ASSERT_EQ(ParseXMLBuffer(u"<?xml version='1.0' encoding='Shift_JIS'?><a>\u8868</a>", false, &document),
            XMLParseOK);
  std::unique_ptr<XMLDocument> owned(document);
  EXPECT_EQ(Outline(document), u"a['\u8868']");
}

TEST_F(LegacyEncodingTest, PropertyListsInALegacyEncodingLoadAndAreSavedAsUTF8) {
  // "Привет" in windows-1251.
  File file(folder_.Write("settings.xml",
                          "<?xml version='1.0' encoding='windows-1251'?>\n<prop.map><prop.list><prop.pair>"
                          "<key>\xCF\xF0\xE8\xE2\xE5\xF2</key><ustring>\xCF\xF0\xE8\xE2\xE5\xF2</ustring>"
                          "</prop.pair></prop.list></prop.map>\n"));
  PropList list;
  PropListUtils::LoadPropList(file, list);
  UTF16String value;
  ASSERT_TRUE(list.GetValue(u"\u041F\u0440\u0438\u0432\u0435\u0442", value));
  EXPECT_EQ(value, u"\u041F\u0440\u0438\u0432\u0435\u0442");

  PropListUtils::SavePropList(file, list);
  const std::string saved = testsupport::TempDir::Read(folder_.Path() / "settings.xml");
  EXPECT_EQ(saved.rfind("<?xml version='1.0' encoding='UTF-8'?>\n", 0), 0u);
  EXPECT_NE(saved.find("<ustring>\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82</ustring>"), std::string::npos);
}

}  // namespace
