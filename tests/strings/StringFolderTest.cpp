#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

TEST_F(StringFolder, HasStringTellsAnAbsentKeyFromAnEmptyText) {
  folder_.Write("a.str", "/empty \"\"\n/full \"F\"\n");
  EXPECT_FALSE(HasString("/full"));
  Init(Folder());
  EXPECT_TRUE(HasString("/empty"));
  EXPECT_TRUE(HasString("/full"));
  EXPECT_FALSE(HasString("/missing"));
  EXPECT_FALSE(HasString("full"));
  EXPECT_EQ(GetUnicodeString("/empty"), GetUnicodeString("/missing"));
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

TEST_F(StringFolder, CheckReportsEveryBadLineOfEveryFileInReadingOrder) {
  folder_.Write("a.str", "/a \"A\"\n/b x\n/c \"C\"\r\n/d\n");
  folder_.Write("b.str", "/e \"\xFF");
  folder_.Write("c.str", "k \"K\"\n");
  folder_.Write("d.str", "/f \"F\"\n");
  const StringFolderCheck check = CheckStringFolder(Folder());
  ASSERT_EQ(check.problems.size(), 4u);
  std::vector<std::pair<std::string, std::uint64_t>> places;
  for (const StringFileProblem& problem : check.problems) {
    try {
      std::rethrow_exception(problem.failure);
    } catch (const StringEntryError& badLine) {
      EXPECT_EQ(badLine.FilePath(), problem.file);
      places.emplace_back(problem.file.filename().string() + " " + badLine.what(), badLine.Line());
    } catch (const invalid_utf8&) {
      places.emplace_back(problem.file.filename().string() + " decoding", 0);
    }
  }
  const std::vector<std::pair<std::string, std::uint64_t>> expected{
      {"a.str bad string entry - value not quoted", 2},
      {"a.str bad string entry - invalid key", 4},
      {"b.str decoding", 0},
      {"c.str bad string entry - invalid key", 1}};
  EXPECT_EQ(places, expected);
  EXPECT_EQ(check.failedFile, folder_.Path() / "a.str");
  EXPECT_EQ(check.failure, check.problems.front().failure);
  EXPECT_EQ(check.files, 1u);
  EXPECT_EQ(check.keys, 3u);  // /a and /c of the bad file, /f of the good one
}

TEST_F(StringFolder, CheckNamesBothPlacesOfEveryShadowedKey) {
  folder_.Write("a.str", "/k \"first\"\n/j \"J\"\n/k \"same file\"\n");
  folder_.Write("b.str", "# b\n/k \"other file\"\n");
  const StringFolderCheck check = CheckStringFolder(Folder());
  ASSERT_EQ(check.shadowed.size(), 2u);
  const ShadowedStringEntry& inFile = check.shadowed[0];
  EXPECT_EQ(inFile.key, "/k");
  EXPECT_EQ(inFile.file, folder_.Path() / "a.str");
  EXPECT_EQ(inFile.line, 3u);
  EXPECT_EQ(inFile.keptFile, folder_.Path() / "a.str");
  EXPECT_EQ(inFile.keptLine, 1u);
  const ShadowedStringEntry& acrossFiles = check.shadowed[1];
  EXPECT_EQ(acrossFiles.file, folder_.Path() / "b.str");
  EXPECT_EQ(acrossFiles.line, 2u);
  EXPECT_EQ(acrossFiles.keptFile, folder_.Path() / "a.str");
  EXPECT_EQ(acrossFiles.keptLine, 1u);
  EXPECT_TRUE(check.problems.empty());
}

TEST_F(StringFolder, CheckListsFilesSkippedForTheCaseOfTheirExtension) {
  folder_.Write("a.str", "/a \"A\"\n");
  folder_.Write("b.STR", "/b \"B\"\n");
  folder_.Write("c.Str", "/c \"C\"\n");
  folder_.Write("d.txt", "notes");
  folder_.Write("e.strings", "/e \"E\"\n");
  StringFolderCheck check = CheckStringFolder(Folder());
  std::sort(check.skipped.begin(), check.skipped.end());
  EXPECT_EQ(check.skipped, (std::vector<std::filesystem::path>{folder_.Path() / "b.STR", folder_.Path() / "c.Str"}));
  EXPECT_EQ(check.files, 1u);
}

}  // namespace
}  // namespace Verbosa
