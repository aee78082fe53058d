#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "Glyphwerk.h"

namespace {

TEST(CaseMapping, EmptyStringStaysEmptyInEveryFunction) {
  const UTF16String empty;
  EXPECT_EQ(LowerCase(empty), u"");
  EXPECT_EQ(UpperCase(empty), u"");
  EXPECT_EQ(FoldCase(empty), u"");
  UTF16String s;
  ToLowerCase(s);
  ToUpperCase(s);
  ToFoldCase(s);
  EXPECT_EQ(s, u"");
}

TEST(CaseMapping, SharpSExpandsInUppercaseAndFolding) {
  const UTF16String strasse = u"Stra\u00DFe";
  ASSERT_EQ(strasse.size(), 6u);
  EXPECT_EQ(UpperCase(strasse), u"STRASSE");
  EXPECT_EQ(FoldCase(strasse), u"strasse");
  EXPECT_EQ(LowerCase(strasse), u"stra\u00DFe");
}

TEST(CaseMapping, FfiLigatureUppercasesToThreeLetters) {
  EXPECT_EQ(UpperCase(u"\uFB03"), u"FFI");
  EXPECT_EQ(FoldCase(u"\uFB03"), u"ffi");
  EXPECT_EQ(LowerCase(u"\uFB03"), u"\uFB03");
}

TEST(CaseMapping, DottedAndDotlessIMapWithoutLocale) {
  EXPECT_EQ(LowerCase(u"\u0130"), u"i");
  EXPECT_EQ(FoldCase(u"\u0130"), u"i");
  EXPECT_EQ(UpperCase(u"\u0131"), u"I");
  EXPECT_EQ(FoldCase(u"\u0131"), u"i");
  EXPECT_EQ(LowerCase(u"I"), u"i");
}

TEST(CaseMapping, EverySigmaFoldsToFinalSigmaAndCapitalSigmaLowercasesToMedialEverywhere) {
  EXPECT_EQ(FoldCase(u"\u03A3\u03C3\u03C2\u03F2"), u"\u03C2\u03C2\u03C2\u03C2");
  EXPECT_EQ(LowerCase(u"\u039F\u0394\u039F\u03A3"), u"\u03BF\u03B4\u03BF\u03C3");
  EXPECT_EQ(UpperCase(u"\u03C3\u03C2\u03F2"), u"\u03A3\u03A3\u03A3");
}

TEST(CaseMapping, TitlecaseDigraphNeverProducesTitlecase) {
  EXPECT_EQ(LowerCase(u"\u01C5"), u"\u01C6");
  EXPECT_EQ(UpperCase(u"\u01C5"), u"\u01C4");
  EXPECT_EQ(FoldCase(u"\u01C5"), u"\u01C6");
}

TEST(CaseMapping, KelvinAndOhmSignsLowerToLettersAndUpperToThemselves) {
  EXPECT_EQ(LowerCase(u"\u212A\u2126"), u"k\u03C9");
  EXPECT_EQ(FoldCase(u"\u212A\u2126"), u"k\u03C9");
  EXPECT_EQ(UpperCase(u"\u212A\u2126"), u"\u212A\u2126");
}

TEST(CaseMapping, SurrogatesPassUnchangedPairedOrAlone) {
  const UTF16String deseret = u"\U00010400";  // D801 DC00: cased, but beyond the BMP
  const UTF16String lone{char16_t{0xDBFF}, u'a', char16_t{0xDC00}, u'B'};
  for (auto map : {&LowerCase, &UpperCase, &FoldCase}) EXPECT_EQ(map(deseret), deseret);
  EXPECT_EQ(UpperCase(lone), (UTF16String{char16_t{0xDBFF}, u'A', char16_t{0xDC00}, u'B'}));
  EXPECT_EQ(FoldCase(lone), (UTF16String{char16_t{0xDBFF}, u'a', char16_t{0xDC00}, u'b'}));
}

TEST(CaseMapping, CasedUnitsOutsideTheKeyListPassUnchanged) {
  const UTF16String outside = u"\u0220\u03F4\u0500\u10A0\u1E9E\u2C00\uA640";
  EXPECT_EQ(LowerCase(outside), outside);
  EXPECT_EQ(UpperCase(outside), outside);
  EXPECT_EQ(FoldCase(outside), outside);
}

TEST(CaseMapping, UncasedTextPassesUnchanged) {
  const UTF16String uncased = u"0123 ,.;!? \u4E2D\u6587 \u0301\n";
  EXPECT_EQ(LowerCase(uncased), uncased);
  EXPECT_EQ(UpperCase(uncased), uncased);
  EXPECT_EQ(FoldCase(uncased), uncased);
}

TEST(CaseMapping, InPlaceFunctionsMatchCopyingOnes) {
  const UTF16String text = u"Gro\u00DFe \u0130stanbul \u1F88\uFB03 \u03A3\u03C3\u03C2 z\u0345";
  UTF16String lower = text, upper = text, fold = text;
  ToLowerCase(lower);
  ToUpperCase(upper);
  ToFoldCase(fold);
  EXPECT_EQ(lower, LowerCase(text));
  EXPECT_EQ(upper, UpperCase(text));
  EXPECT_EQ(fold, FoldCase(text));
}

TEST(CaseMapping, CopyingFunctionsLeaveTheirArgumentAlone) {
  const UTF16String original = u"Stra\u00DFe";
  UTF16String s = original;
  (void)UpperCase(s);
  (void)LowerCase(s);
  (void)FoldCase(s);
  EXPECT_EQ(s, original);
}

TEST(CaseMapping, ManyExpansionsInALongStringKeepEveryUnitInOrder) {
  // Long enough that the result must grow several times, with expansions at
  // the start, middle and end and plain units in between.
  UTF16String source, expectedUpper, expectedFold;
  for (int i = 0; i < 5000; ++i) {
    source += u"\u00DFa\u0390\uFB03";
    expectedUpper += u"SSA\u0399\u0308\u0301FFI";
    expectedFold += u"ssa\u03B9\u0308\u0301ffi";
  }
  EXPECT_EQ(UpperCase(source), expectedUpper);
  EXPECT_EQ(FoldCase(source), expectedFold);
  EXPECT_EQ(LowerCase(source), source);
}

TEST(CaseMapping, ExpansionAtTheVeryEndIsComplete) {
  EXPECT_EQ(UpperCase(u"abc\u1F88"), u"ABC\u1F08\u0399");
  EXPECT_EQ(UpperCase(u"\u00DF"), u"SS");
  EXPECT_EQ(UpperCase(u"\u00DF\u00DF\u00DF"), u"SSSSSS");
}

// Long texts are mapped eight Latin-1 units at a time where possible; strings
// shorter than eight units always go unit by unit. Both must agree for every
// unit at every position within a block.
TEST(CaseMapping, LongTextMapsLikeItsUnitsOneByOne) {
  for (auto map : {&LowerCase, &UpperCase, &FoldCase}) {
    UTF16String everyUnit;
    for (std::uint32_t u = 0; u <= 0xFFFF; ++u) everyUnit += static_cast<char16_t>(u);
    for (std::size_t shift = 0; shift < 8; ++shift) {
      const UTF16String text = UTF16String(shift, u'x') + (shift == 0 ? everyUnit : everyUnit.substr(0, 0x200));
      UTF16String unitByUnit;
      for (char16_t unit : text) unitByUnit += map(UTF16String(1, unit));
      EXPECT_EQ(map(text), unitByUnit) << "shift " << shift;
    }
  }
}

TEST(CaseMapping, EmbeddedNulIsAnOrdinaryUnit) {
  const UTF16String withNul{u'a', u'\0', u'B'};
  EXPECT_EQ(UpperCase(withNul), (UTF16String{u'A', u'\0', u'B'}));
  EXPECT_EQ(LowerCase(withNul), (UTF16String{u'a', u'\0', u'b'}));
}

}  // namespace
