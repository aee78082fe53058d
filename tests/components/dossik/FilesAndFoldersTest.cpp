#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Dossik.h"
#include "TempDir.h"

namespace {

using ::testing::ElementsAre;

std::vector<std::string> Names(Dir::FileIterator it, const Dir::FileIterator& end) {
  std::vector<std::string> names;
  for (; it != end; ++it) names.push_back(it->GetPath().filename().string());
  return names;
}

std::vector<std::string> Walk(const Dir& root, bool includeTopLevel, const std::filesystem::path& base) {
  std::vector<std::string> files;
  for (RecursiveFileIterator it(root, includeTopLevel); it != RecursiveFileIterator(); ++it) {
    files.push_back(std::filesystem::relative(it->GetPath(), base).generic_string());
    EXPECT_EQ(it.CurrentDir().GetPath(), it->GetPath().parent_path());
  }
  return files;
}

TEST(File, NameAndExtensionComeAsUtf16WithTheLeadingDot) {
  const File file(std::filesystem::path(u8"/strings/Menü.str"));
  EXPECT_EQ(file.GetName(), u"Menü.str");
  EXPECT_EQ(file.GetExtension(), u".str");
  EXPECT_EQ(File(std::filesystem::path("/strings/README")).GetExtension(), u"");
}

#if !defined(_WIN32)  // Windows names are UTF-16 and never fail to read
TEST(File, NameThatIsNotUtf8ShowsReplacementCharacters) {
  const File file(std::filesystem::path(std::string("/x/a\xff.str")));
  EXPECT_EQ(file.GetName(), u"a\uFFFD.str");
}
#endif

TEST(Dir, ListsFilesSortedByNameCodeUnitByCodeUnit) {
  testsupport::TempDir temp;
  // Names that differ only in case would be one file on Windows.
  for (const char8_t* name : {u8"b.str", u8"C.str", u8"a.str", u8"\u00e9.str", u8"_.str"}) temp.Write(name, "x");
  std::filesystem::create_directory(temp.Path() / "folder");
  const Dir dir(temp.Path());
  // Upper case sorts before "_" and lower case; U+00E9 after all of ASCII.
  EXPECT_THAT(Names(dir.BeginFiles(true), dir.EndFiles()),
              ElementsAre("C.str", "_.str", "a.str", "b.str", "\xc3\xa9.str"));
}

TEST(Dir, ListsSubFoldersOnlyWhenAskedTo) {
  testsupport::TempDir temp;
  temp.Write("b.txt", "x");
  std::filesystem::create_directory(temp.Path() / "a");
  const Dir dir(temp.Path());
  EXPECT_THAT(Names(dir.BeginFiles(true), dir.EndFiles()), ElementsAre("b.txt"));
  EXPECT_THAT(Names(dir.BeginFiles(false), dir.EndFiles()), ElementsAre("a", "b.txt"));
}

TEST(Dir, EmptyFolderBeginsAtItsEnd) {
  testsupport::TempDir temp;
  const Dir dir(temp.Path());
  EXPECT_FALSE(dir.BeginFiles(true) != dir.EndFiles());
}

TEST(Dir, MissingFolderThrowsFileErrorNamingIt) {
  testsupport::TempDir temp;
  const Dir dir(temp.Path() / "missing");
  try {
    dir.BeginFiles(true);
    FAIL() << "listing a missing folder succeeded";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "cannot list '" + (temp.Path() / "missing").string() + "': No such file or directory");
    EXPECT_EQ(error.Path(), temp.Path() / "missing");
  }
}

TEST(RecursiveFileIterator, WalksDepthFirstEnteringFoldersWhereTheirNamesFall) {
  testsupport::TempDir temp;
  for (const char* name : {"a.txt", "m/z.txt", "m/b/c.txt", "n.txt", "z/y/x.txt"}) temp.Write(name, "x");
  std::filesystem::create_directory(temp.Path() / "empty");
  EXPECT_THAT(Walk(Dir(temp.Path()), true, temp.Path()),
              ElementsAre("a.txt", "m/b/c.txt", "m/z.txt", "n.txt", "z/y/x.txt"));
}

TEST(RecursiveFileIterator, LeavesOutTopLevelFilesWhenAsked) {
  testsupport::TempDir temp;
  for (const char* name : {"a.txt", "m/z.txt"}) temp.Write(name, "x");
  EXPECT_THAT(Walk(Dir(temp.Path()), false, temp.Path()), ElementsAre("m/z.txt"));
}

#if !defined(_WIN32)  // the Windows runtime of the tests makes no folder links
TEST(RecursiveFileIterator, DoesNotFollowLinksIntoFolders) {
  testsupport::TempDir temp;
  temp.Write("d/f.txt", "x");
  std::filesystem::create_directory_symlink(temp.Path(), temp.Path() / "d" / "loop");
  EXPECT_THAT(Walk(Dir(temp.Path()), true, temp.Path()), ElementsAre("d/f.txt"));
}
#endif

TEST(RecursiveFileIterator, FolderWithoutFilesEqualsTheEndValue) {
  testsupport::TempDir temp;
  std::filesystem::create_directories(temp.Path() / "a" / "b");
  EXPECT_FALSE(RecursiveFileIterator(Dir(temp.Path()), true) != RecursiveFileIterator());
}

}  // namespace
