// The table's content as seen through the public functions: which units are
// mapped at all, how many map to themselves, and the rows that tell one
// derivation rule or exception from another.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "CaseTableKeys.h"
#include "Glyphwerk.h"

namespace {

UTF16String Unit(char16_t u) { return UTF16String(1, u); }

bool MapsToItselfEverywhere(char16_t u) {
  const UTF16String s = Unit(u);
  return LowerCase(s) == s && UpperCase(s) == s && FoldCase(s) == s;
}

TEST(CaseTableContent, MappedUnitsAreExactlyThePromisedKeys) {
  const std::vector<char16_t> promised = casemaptest::CaseTableKeys();
  ASSERT_EQ(promised.size(), 1446u);
  ASSERT_EQ(casemaptest::CaseTableKeyRuns().size(), 78u);

  std::vector<char16_t> mapped;
  for (std::uint32_t u = 0; u <= 0xFFFF; ++u) {
    if (!MapsToItselfEverywhere(static_cast<char16_t>(u))) mapped.push_back(static_cast<char16_t>(u));
  }
  EXPECT_EQ(mapped, promised);
}

TEST(CaseTableContent, CountsOfKeysThatMapToThemselves) {
  int ownLower = 0, ownUpper = 0, ownFold = 0;
  for (char16_t key : casemaptest::CaseTableKeys()) {
    const UTF16String s = Unit(key);
    ownLower += LowerCase(s) == s;
    ownUpper += UpperCase(s) == s;
    ownFold += FoldCase(s) == s;
  }
  EXPECT_EQ(ownLower, 750);
  EXPECT_EQ(ownUpper, 665);
  EXPECT_EQ(ownFold, 661);
}

TEST(CaseTableContent, LowercaseIsAlwaysOneUnit) {
  for (char16_t key : casemaptest::CaseTableKeys()) {
    EXPECT_EQ(LowerCase(Unit(key)).size(), 1u) << std::hex << int{key};
  }
}

TEST(CaseTableContent, TheSame102KeysExpandInUppercaseAndFolding) {
  const std::set<char16_t> expected = [] {
    std::set<char16_t> keys{0x00DF, 0x0149, 0x01F0, 0x0390, 0x03B0, 0x0587, 0x1E96, 0x1E97, 0x1E98,
                            0x1E99, 0x1E9A, 0x1F50, 0x1F52, 0x1F54, 0x1F56, 0x1FB2, 0x1FB3, 0x1FB4,
                            0x1FB6, 0x1FB7, 0x1FBC, 0x1FC2, 0x1FC3, 0x1FC4, 0x1FC6, 0x1FC7, 0x1FCC,
                            0x1FD2, 0x1FD3, 0x1FD6, 0x1FD7, 0x1FE2, 0x1FE3, 0x1FE4, 0x1FE6, 0x1FE7,
                            0x1FF2, 0x1FF3, 0x1FF4, 0x1FF6, 0x1FF7, 0x1FFC};
    for (char16_t k = 0x1F80; k <= 0x1FAF; ++k) keys.insert(k);
    for (char16_t k = 0xFB00; k <= 0xFB06; ++k) keys.insert(k);
    for (char16_t k = 0xFB13; k <= 0xFB17; ++k) keys.insert(k);
    return keys;
  }();
  ASSERT_EQ(expected.size(), 102u);

  std::set<char16_t> longerUpper, longerFold;
  for (char16_t key : casemaptest::CaseTableKeys()) {
    const std::size_t upper = UpperCase(Unit(key)).size();
    const std::size_t fold = FoldCase(Unit(key)).size();
    EXPECT_LE(upper, 3u);
    EXPECT_LE(fold, 3u);
    if (upper > 1) longerUpper.insert(key);
    if (fold > 1) longerFold.insert(key);
  }
  EXPECT_EQ(longerUpper, expected);
  EXPECT_EQ(longerFold, expected);
}

struct TellingRow {
  char16_t key;
  UTF16String lower, upper, fold;
};

TEST(CaseTableContent, TellingRowsHoldTheirValues) {
  const TellingRow rows[] = {
      {0x0041, u"\u0061", u"\u0041", u"\u0061"},
      {0x0061, u"\u0061", u"\u0041", u"\u0061"},
      {0x00B5, u"\u00B5", u"\u039C", u"\u03BC"},
      {0x00DF, u"\u00DF", u"\u0053\u0053", u"\u0073\u0073"},
      {0x00FF, u"\u00FF", u"\u0178", u"\u00FF"},
      {0x0130, u"\u0069", u"\u0130", u"\u0069"},
      {0x0131, u"\u0131", u"\u0049", u"\u0069"},
      {0x017F, u"\u017F", u"\u0053", u"\u0073"},
      {0x01C5, u"\u01C6", u"\u01C4", u"\u01C6"},
      {0x0345, u"\u0345", u"\u0399", u"\u03B9"},
      {0x0390, u"\u0390", u"\u0399\u0308\u0301", u"\u03B9\u0308\u0301"},
      {0x03A3, u"\u03C3", u"\u03A3", u"\u03C2"},
      {0x03C3, u"\u03C3", u"\u03A3", u"\u03C2"},
      {0x03F2, u"\u03F2", u"\u03A3", u"\u03C2"},
      {0x1E9A, u"\u1E9A", u"\u0041\u02BE", u"\u0061\u02BE"},
      {0x1F88, u"\u1F80", u"\u1F08\u0399", u"\u1F00\u03B9"},
      {0x1FBC, u"\u1FB3", u"\u0391\u0399", u"\u03B1\u03B9"},
      {0x2126, u"\u03C9", u"\u2126", u"\u03C9"},
      {0x212A, u"\u006B", u"\u212A", u"\u006B"},
      {0x2160, u"\u2170", u"\u2160", u"\u2170"},
      {0x24B6, u"\u24D0", u"\u24B6", u"\u24D0"},
      {0xFB03, u"\uFB03", u"\u0046\u0046\u0049", u"\u0066\u0066\u0069"},
      {0xFF21, u"\uFF41", u"\uFF21", u"\uFF41"},
  };
  for (const TellingRow& row : rows) {
    SCOPED_TRACE(testing::Message() << "key " << std::hex << int{row.key});
    EXPECT_EQ(LowerCase(Unit(row.key)), row.lower);
    EXPECT_EQ(UpperCase(Unit(row.key)), row.upper);
    EXPECT_EQ(FoldCase(Unit(row.key)), row.fold);
  }
}

}  // namespace
