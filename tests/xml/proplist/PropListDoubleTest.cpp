#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>

#include "Arborix.h"

namespace {

UTF16String StoredText(double value) {
  PropList list;
  list.SetValue(u"d", value);
  UTF16String text;
  EXPECT_TRUE(list.GetValue(u"d", text));
  return text;
}

double ReadBack(const UTF16String& text, double initial = -7.0) {
  PropList list;
  list.SetValue(u"d", text);
  double value = initial;
  EXPECT_TRUE(list.GetValue(u"d", value));
  return value;
}

TEST(PropListDouble, IsStoredAsGeneralFormatTextWithSixDigits) {
  EXPECT_EQ(StoredText(2.5), u"2.5");
  EXPECT_EQ(StoredText(0.5), u"0.5");
  EXPECT_EQ(StoredText(3.14159265), u"3.14159");
  EXPECT_EQ(StoredText(1234567), u"1.23457e+06");
  EXPECT_EQ(StoredText(123456), u"123456");
  EXPECT_EQ(StoredText(0.0001), u"0.0001");
  EXPECT_EQ(StoredText(0.00001), u"1e-05");
  EXPECT_EQ(StoredText(-0.25), u"-0.25");
  EXPECT_EQ(StoredText(0), u"0");
  EXPECT_EQ(StoredText(100), u"100");
}

TEST(PropListDouble, ReadsBackRoundedToSixDigits) {
  PropList list;
  list.SetValue(u"d", 1234567.0);
  double value = 0;
  EXPECT_TRUE(list.GetValue(u"d", value));
  EXPECT_EQ(value, 1234570.0);
  list.SetValue(u"d", 3.14159265);
  EXPECT_TRUE(list.GetValue(u"d", value));
  EXPECT_EQ(value, 3.14159);
}

TEST(PropListDouble, ReadingSkipsWhiteSpaceAndTakesTheNumberPrefix) {
  EXPECT_EQ(ReadBack(u"7.25"), 7.25);
  EXPECT_EQ(ReadBack(u" \t\n7.25abc"), 7.25);
  EXPECT_EQ(ReadBack(u"+1.5e3 rest"), 1500.0);
  EXPECT_EQ(ReadBack(u"-.5"), -0.5);
  EXPECT_EQ(ReadBack(u"12\x00E9"), 12.0);
}

TEST(PropListDouble, TextWithoutANumberLeavesTheDoubleButStillSucceeds) {
  EXPECT_EQ(ReadBack(u"abc"), -7.0);
  EXPECT_EQ(ReadBack(u""), -7.0);
  EXPECT_EQ(ReadBack(u"   "), -7.0);
  EXPECT_EQ(ReadBack(u"\x00A0" u"5"), -7.0);
  EXPECT_EQ(ReadBack(u"1e999"), -7.0);
}

// A locale with a decimal comma must change neither direction.
class CommaLocale : public std::numpunct<char> {
 protected:
  char do_decimal_point() const override { return ','; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(PropListDouble, TextIsTheSameWhateverTheGlobalLocale) {
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaLocale));
  EXPECT_EQ(StoredText(1234.5), u"1234.5");
  EXPECT_EQ(ReadBack(u"1234.5"), 1234.5);
  std::locale::global(previous);
}

}  // namespace
