// The checked-in table data is what the generator makes from the Unicode
// Character Database, and the generator refuses a database that would change
// the table's agreed shape. Skipped where the database files are not installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>

#include "TempDir.h"

namespace {

namespace fs = std::filesystem;

const fs::path kUcd = CASE_TABLE_UCD_DIR;

bool UcdPresent() {
  return fs::exists(kUcd / "UnicodeData.txt") && fs::exists(kUcd / "SpecialCasing.txt");
}

// Runs the generator and returns its exit status; its messages go to `errors`.
int Generate(const fs::path& ucd, const fs::path& output, const fs::path& errors) {
  const std::string command = std::string("\"") + CASE_TABLE_PYTHON + "\" \"" + CASE_TABLE_GENERATOR + "\" --ucd \"" +
                              ucd.string() + "\" --output \"" + output.string() + "\" 2>\"" + errors.string() + "\"";
  const int status = std::system(command.c_str());
  return status == -1 ? -1 : WEXITSTATUS(status);
}

// A copy of the database in `dir` with the first line that starts with
// `linePrefix` in `file` replaced by `replacement`.
void WriteDoctoredUcd(const testsupport::TempDir& dir, const std::string& file, const std::string& linePrefix,
                      const std::string& replacement) {
  for (const char* name : {"UnicodeData.txt", "SpecialCasing.txt"}) {
    std::string text = testsupport::TempDir::Read(kUcd / name);
    if (name == file) {
      const std::size_t at = text.find("\n" + linePrefix);
      ASSERT_NE(at, std::string::npos) << linePrefix;
      const std::size_t end = text.find('\n', at + 1);
      text.replace(at + 1, end - at - 1, replacement);
    }
    dir.Write(fs::path("ucd") / name, text);
  }
}

TEST(CaseTableGeneration, RegeneratingFromTheDatabaseGivesTheCheckedInSource) {
  if (!UcdPresent()) GTEST_SKIP() << "no Unicode Character Database in " << kUcd;
  testsupport::TempDir dir;
  const fs::path output = dir.Path() / "CaseTableData.cpp";
  ASSERT_EQ(Generate(kUcd, output, dir.Path() / "errors.txt"), 0) << testsupport::TempDir::Read(dir.Path() / "errors.txt");
  EXPECT_TRUE(testsupport::TempDir::Read(output) == testsupport::TempDir::Read(CASE_TABLE_DATA))
      << "unicode/casemap/CaseTableData.cpp differs from the generator's output " << output;
}

TEST(CaseTableGeneration, RefusesADatabaseThatChangesHowManyKeysMapToThemselves) {
  if (!UcdPresent()) GTEST_SKIP() << "no Unicode Character Database in " << kUcd;
  testsupport::TempDir dir;
  // Capital A without its lowercase: one more key becomes its own lower.
  WriteDoctoredUcd(dir, "UnicodeData.txt", "0041;", "0041;LATIN CAPITAL LETTER A;Lu;0;L;;;;;N;;;;;");
  const fs::path output = dir.Path() / "CaseTableData.cpp";
  EXPECT_EQ(Generate(dir.Path() / "ucd", output, dir.Path() / "errors.txt"), 1);
  EXPECT_FALSE(fs::exists(output));
  EXPECT_NE(testsupport::TempDir::Read(dir.Path() / "errors.txt").find("751 keys are their own lower"),
            std::string::npos);
}

TEST(CaseTableGeneration, RefusesADatabaseThatChangesTheExpandingKeys) {
  if (!UcdPresent()) GTEST_SKIP() << "no Unicode Character Database in " << kUcd;
  testsupport::TempDir dir;
  // The ffi ligature made conditional: its uppercase falls back to itself.
  WriteDoctoredUcd(dir, "SpecialCasing.txt", "FB03;", "FB03; FB03; 0046 0066 0069; 0046 0046 0049; tr; # FFI");
  const fs::path output = dir.Path() / "CaseTableData.cpp";
  EXPECT_EQ(Generate(dir.Path() / "ucd", output, dir.Path() / "errors.txt"), 1);
  EXPECT_FALSE(fs::exists(output));
  EXPECT_NE(testsupport::TempDir::Read(dir.Path() / "errors.txt").find("101 keys have a multi-unit upper"),
            std::string::npos);
}

}  // namespace
