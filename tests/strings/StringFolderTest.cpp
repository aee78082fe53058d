#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "Dossik.h"
#include "FreshStringTable.h"
#include "TempDir.h"
#include "glyphwerk/DecodingErrors.h"
#include "verbosa/StringEntryError.h"
#include "verbosa/StringFolder.h"
#include "verbosa/StringFolderCheck.h"
#include "verbosa/StringLookup.h"

namespace Verbosa {
namespace {

class StringFolder : public FreshStringTable {
 protected:
  testsupport::TempDir folder_;
  Dir Folder() const { return Dir{folder_.Path()}; }
};

TEST_F(StringFolder, LookupsBeforeInitFindNothingAndEmptyTheirString) {
  EXPECT_EQ(GetUnicodeString("/menu/file"), u"");
  UTF16String text = u"left over";
  GetUnicodeString("/menu/file", text);
  EXPECT_EQ(text, u"");
}

TEST_F(StringFolder, InitLoadsOnlyFilesEndingInExactlyDotStr) {
  folder_.Write("a.str", "/a \"A\"\n");
  folder_.Write("b.STR", "/b \"B\"\n");
  folder_.Write("c.txt", "/c \"C\"\n");
  folder_.Write("d.str.bak", "/d \"D\"\n");
  folder_.Write("sub/e.str", "/e \"E\"\n");
  Init(Folder());
  EXPECT_EQ(GetUnicodeString("/a"), u"A");
  for (const char* key : {"/b", "/c", "/d", "/e"}) EXPECT_EQ(GetUnicodeString(key), u"") << key;
}

TEST_F(StringFolder, LookupFillsTheCallersStringAndMatchesKeysExactly) {
  folder_.Write("a.str", "/menu/file \"File\"\n12 \"numbered\"\n/empty \"\"\n");
  Init(Folder());
  UTF16String text = u"left over";
  GetUnicodeString("/menu/file", text);
  EXPECT_EQ(text, u"File");
  for (const char* key : {"menu/file", "/Menu/File", " /menu/file", "12", "/empty"}) {
    GetUnicodeString(key, text);
    EXPECT_EQ(text, u"") << key;
  }
}

TEST_F(StringFolder, EarlierFilesAndEarlierInitsKeepTheirTexts) {
  folder_.Write("a.str", "/k \"from a\"\n");
  folder_.Write("b.str", "/k \"from b\"\n/only/b \"B\"\n");
  testsupport::TempDir other;
  other.Write("z.str", "/k \"from other\"\n/only/other \"O\"\n");
  Init(Folder());
  Init(Folder());
  Init(Dir{other.Path()});
  EXPECT_EQ(GetUnicodeString("/k"), u"from a");
  EXPECT_EQ(GetUnicodeString("/only/b"), u"B");
  EXPECT_EQ(GetUnicodeString("/only/other"), u"O");
}

TEST_F(StringFolder, InitOfAFolderWithoutStringFilesChangesNothing) {
  folder_.Write("notes.txt", "/k \"x\"\n");
  EXPECT_NO_THROW(Init(Folder()));
  EXPECT_EQ(GetUnicodeString("/k"), u"");
}

TEST_F(StringFolder, BadLineInTheSecondFileStopsInitThere) {
  folder_.Write("a.str", "/a \"A\"\n");
  folder_.Write("b.str", "/b \"B\"\r\n/bad x\r\n/after \"X\"\r\n");
  folder_.Write("c.str", "/c \"C\"\n");
  try {
    Init(Folder());
    FAIL() << "Init accepted a bad line";
  } catch (const StringEntryError& error) {
    EXPECT_STREQ(error.what(), "bad string entry - value not quoted");
    EXPECT_EQ(error.FilePath(), folder_.Path() / "b.str");
    EXPECT_EQ(error.Line(), 2u);
  }
  EXPECT_EQ(GetUnicodeString("/a"), u"A");
  EXPECT_EQ(GetUnicodeString("/b"), u"B");
  EXPECT_EQ(GetUnicodeString("/after"), u"");
  EXPECT_EQ(GetUnicodeString("/c"), u"");
}

TEST_F(StringFolder, DecodingFaultEndsInitWithTheDecodersException) {
  folder_.Write("a.str", "/a \"A\"\n");
  folder_.Write("b.str", "/b \"\xC0\x80\"\n");
  folder_.Write("c.str", "/c \"C\"\n");
  EXPECT_THROW(Init(Folder()), invalid_utf8_sequence);
  EXPECT_EQ(GetUnicodeString("/a"), u"A");
  EXPECT_EQ(GetUnicodeString("/c"), u"");
}

TEST(BlessedFolder, IsTheFolderOfTheFirstMarkerFileTheWalkReaches) {
  testsupport::TempDir root;
  root.Write("apps/b/strings.marker", "");
  root.Write("apps/a/deep/strings.marker", "");
  root.Write("apps/a/Strings.marker", "");
  EXPECT_EQ(LocatedBlessedFolder(Dir{root.Path()}, u"strings.marker").GetPath(), root.Path() / "apps/a/deep");
  EXPECT_EQ(LocatedBlessedFolder(Dir{root.Path()}, u"Strings.marker").GetPath(), root.Path() / "apps/a");
}

TEST(BlessedFolder, AbsentMarkerRaisesCantFindStringFiles) {
  testsupport::TempDir root;
  // A near miss; Windows drops a trailing space from a file name, so it gets another.
#if defined(_WIN32)
  root.Write("a/strings.markers", "");
#else
  root.Write("a/strings.marker ", "");
#endif
  try {
    LocatedBlessedFolder(Dir{root.Path()}, u"strings.marker");
    FAIL() << "found a marker that is not there";
  } catch (const std::invalid_argument& error) {
    EXPECT_STREQ(error.what(), "can't find string files");
  }
}

TEST(KeyFromUnicode, KeepsTheLowByteOfEachUnit) {
  EXPECT_EQ(BuildKeyFromUnicode(u""), "");
  EXPECT_EQ(BuildKeyFromUnicode(u"/menu/file"), "/menu/file");
  EXPECT_EQ(BuildKeyFromUnicode(u"\u00e9"), "\xE9");
  EXPECT_EQ(BuildKeyFromUnicode(u"/\u0141\u00ff"), "/\x41\xFF");
  EXPECT_EQ(BuildKeyFromUnicode(std::u16string(u"a\0b", 3)), std::string("a\0b", 3));
}

TEST_F(StringFolder, CheckCountsFilesEntriesAndKeysWithoutTouchingTheTable) {
  folder_.Write("a.str", "/a \"A\"\n/k \"first\"\n7 \"seven\"\n");
  folder_.Write("b.str", "/k \"again\"\n# note\n");
  folder_.Write("c.txt", "nonsense");
  const StringFolderCheck check = CheckStringFolder(Folder());
  EXPECT_EQ(check.files, 2u);
  EXPECT_EQ(check.entries, 4u);
  EXPECT_EQ(check.keys, 2u);
  EXPECT_FALSE(check.failure);
  EXPECT_TRUE(check.failedFile.empty());
  EXPECT_EQ(GetUnicodeString("/a"), u"");
}

TEST_F(StringFolder, CheckNamesTheFileThatFailed) {
  folder_.Write("a.str", "/a \"A\"\n");
  folder_.Write("b.str", "/b \"\xFF");
  folder_.Write("c.str", "/c x\n");
  const StringFolderCheck check = CheckStringFolder(Folder());
  EXPECT_EQ(check.files, 1u);
  EXPECT_EQ(check.failedFile, folder_.Path() / "b.str");
  ASSERT_TRUE(check.failure);
  EXPECT_THROW(std::rethrow_exception(check.failure), unexpected_eof_utf8);
}

}  // namespace
}  // namespace Verbosa
