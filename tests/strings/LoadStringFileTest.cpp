#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "Dossik.h"
#include "LoadStringFile.h"
#include "glyphwerk/DecodingErrors.h"
#include "verbosa/StringEntryError.h"

namespace Verbosa {
namespace {

// The texts of `keys` in `table`, each followed by ";", "(absent)" for a missing key.
std::u16string Texts(const StringTable& table, std::initializer_list<const char*> keys) {
  std::u16string out;
  for (const char* key : keys) {
    const UTF16String* text = table.Find(key);
    out += text ? *text : u"(absent)";
    out += u';';
  }
  return out;
}

std::size_t LoadBytes(const std::string& bytes, StringTable& table) {
  IMemoryByteStream memory{bytes.data(), bytes.size()};
  IBufferedByteStream buffered{memory, 32768, 4096};
  return LoadStringStream(buffered, "memory.str", table);
}

std::string UTF16Bytes(const UTF16String& text, bool bigEndian) {
  std::string bytes;
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

StringEntryError BadLineOf(const UTF16String& text) {
  StringTable table;
  try {
    LoadStringText(text, "bad.str", table);
  } catch (const StringEntryError& error) {
    return error;
  }
  ADD_FAILURE() << "the text loaded without error";
  return StringEntryError("", "", 0);
}

TEST(StringFile, EveryKindOfLineBreakYieldsTheSameEntries) {
  for (const UTF16String breakUnits : {u"\r\n", u"\n", u"\r", u"\u2028", u"\u2029"}) {
    const UTF16String text = u"# header" + breakUnits + u"/a \"A\"" + breakUnits + breakUnits + u"/b \"B\"";
    for (const UTF16String& variant : {text, text + breakUnits}) {
      StringTable table;
      EXPECT_EQ(LoadStringText(variant, "f.str", table), 2u);
      EXPECT_EQ(Texts(table, {"/a", "/b"}), u"A;B;");
      EXPECT_EQ(table.Size(), 2u);
    }
  }
}

TEST(StringFile, WorkedExampleLoadsThreeNamedTexts) {
  const std::string file =
      "# Main window\n"
      "/menu/file   \"File\"\n"
      "/menu/open \"Open\\tCtrl+O\"   # shortcut\n"
      "/msg/confirm \"Say \\\"yes\\\".\\nThen press OK.\"\n"
      "12 \"numbered\"\n"
      "/menu/file \"Other\"\n"
      "/msg/open \"unfinished\n";
  StringTable table;
  EXPECT_EQ(LoadBytes(file, table), 5u);  // three named, one numeric, one duplicate
  EXPECT_EQ(table.Size(), 3u);
  EXPECT_EQ(Texts(table, {"/menu/file", "/menu/open", "/msg/confirm", "/msg/open", "12"}),
            u"File;Open\tCtrl+O;Say \"yes\".\r\nThen press OK.;(absent);(absent);");
}

TEST(StringFile, BadLineKeepsTheLinesAboveAndReadsNoneBelow) {
  StringTable table;
  const UTF16String text = u"/a \"A\"\n/menu/save\"Save\"\n/c \"C\"";
  EXPECT_THROW(LoadStringText(text, "f.str", table), std::invalid_argument);
  EXPECT_EQ(Texts(table, {"/a", "/c"}), u"A;(absent);");
}

TEST(StringFile, BadLineErrorKeepsTheParserMessageAndNamesFileAndLine) {
  const StringEntryError error = BadLineOf(u"/a \"A\"\n\n# note\n/k x\n/b \"B\"");
  EXPECT_STREQ(error.what(), "bad string entry - value not quoted");
  EXPECT_EQ(error.FilePath(), "bad.str");
  EXPECT_EQ(error.Line(), 4u);
}

TEST(StringFile, BadLineNumberCountsCarriageReturnLineFeedAsOneLineEnd) {
  EXPECT_EQ(BadLineOf(u"/a \"A\"\r\n\r\n/k x").Line(), 3u);
  EXPECT_EQ(BadLineOf(u"/a \"A\"\r\r/k x").Line(), 3u);
  EXPECT_EQ(BadLineOf(u"/a \"A\"\n\r/k x").Line(), 3u);  // LF CR is two line ends
  EXPECT_EQ(BadLineOf(u"/a \"A\"\u2028/b \"B\"\u2029/k x").Line(), 3u);
  EXPECT_EQ(BadLineOf(u"/k x").Line(), 1u);
}

TEST(StringFile, ByteOrderMarksSelectTheEncoding) {
  const std::string utf8 = "/k \"\xC3\xA9t\xC3\xA9\"\n";
  const UTF16String text = u"/k \"\u00e9t\u00e9\"\n";
  for (const std::string& bytes :
       {utf8, "\xEF\xBB\xBF" + utf8, "\xFF\xFE" + UTF16Bytes(text, false), "\xFE\xFF" + UTF16Bytes(text, true)}) {
    StringTable table;
    EXPECT_EQ(LoadBytes(bytes, table), 1u);
    EXPECT_EQ(Texts(table, {"/k"}), u"\u00e9t\u00e9;");
  }
}

TEST(StringFile, DecoderFaultsPassThroughUnchanged) {
  StringTable table;
  EXPECT_THROW(LoadBytes("/a \"A\"\n/b \"\xC3\x41\"\n", table), invalid_utf8_sequence);
  EXPECT_EQ(table.Size(), 0u);  // the whole file is decoded before any line is read
  EXPECT_THROW(LoadBytes("/a \"\xED\xA0\x80\"", table), invalid_utf8_value);
  EXPECT_THROW(LoadBytes("/a \"\xC3", table), unexpected_eof_utf8);
}

TEST(StringFile, FilesTooShortForAByteOrderMarkAreReadAsUTF8) {
  StringTable table;
  for (const std::string bytes : {"", "#", "\n\n", "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"}) {
    EXPECT_EQ(LoadBytes(bytes, table), 0u);
  }
  EXPECT_THROW(LoadBytes("/", table), std::invalid_argument);
}

}  // namespace
}  // namespace Verbosa
