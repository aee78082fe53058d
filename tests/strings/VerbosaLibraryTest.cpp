#include <gtest/gtest.h>

#include <stdexcept>

#include "LoadedLibrary.h"
#include "TempDir.h"
#include "Verbosa.h"

namespace {

TEST(VerbosaLibrary, BadLineErrorCrossesTheLibraryBoundaryWithItsPlace) {
  testsupport::TempDir folder;
  folder.Write("a.str", "/ok \"fine\"\n\n/k-1 \"x\"\n");
  try {
    Verbosa::Init(Dir{folder.Path()});
    FAIL() << "Init accepted a bad line";
  } catch (const Verbosa::StringEntryError& error) {
    EXPECT_STREQ(error.what(), "bad string entry - invalid key");
    EXPECT_EQ(error.FilePath(), folder.Path() / "a.str");
    EXPECT_EQ(error.Line(), 3u);
  }
  EXPECT_EQ(Verbosa::GetUnicodeString(Verbosa::BuildKeyFromUnicode(u"/ok")), u"fine");
}

TEST(VerbosaLibrary, ExportsTheInterfaceAndHidesTheRest) {
  testsupport::LoadedLibrary library(VERBOSA_LIBRARY_FILE);
  for (const char* exported : {
           "_ZN7Verbosa4InitERK3Dir",
           "_ZN7Verbosa20LocatedBlessedFolderERK3DirRKNSt7__cxx1112basic_stringIDsSt11char_traitsIDsESaIDsEEE",
           "_ZN7Verbosa16GetUnicodeStringERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE",
           "_ZN7Verbosa19BuildKeyFromUnicodeERKNSt7__cxx1112basic_stringIDsSt11char_traitsIDsESaIDsEEE",
           "_ZN7Verbosa9HasStringERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE",
           "_ZTIN7Verbosa16StringEntryErrorE",
       }) {
    EXPECT_NE(library.Symbol(exported), nullptr) << exported;
  }
  for (const char* internal : {
           "_ZN7Verbosa18ProcessStringTableEv",
           "_ZN7Verbosa11KeyChecksumESt17basic_string_viewIcSt11char_traitsIcEE",
           "_ZN7Verbosa17ForEachStringFileERK3DirRKSt8functionIFvRK4FileEESA_",
       }) {
    EXPECT_EQ(library.Symbol(internal), nullptr) << internal;
  }
}

}  // namespace
