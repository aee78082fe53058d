// Cross-checks every key against ICU's full case mappings, so a fault in the
// table's generator cannot hide behind a test written from the same reading.
#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <set>

#include "CaseTableKeys.h"
#include "Glyphwerk.h"

namespace {

using IcuStringMapping = int32_t (*)(UChar*, int32_t, const UChar*, int32_t, UErrorCode*);

UTF16String IcuMap(char16_t key, IcuStringMapping map) {
  const UChar source[1] = {key};
  UChar result[8] = {};
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = map(result, 8, source, 1, &status);
  EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  return UTF16String(reinterpret_cast<const char16_t*>(result), U_SUCCESS(status) ? length : 0);
}

int32_t IcuUpper(UChar* dest, int32_t capacity, const UChar* src, int32_t length, UErrorCode* status) {
  return u_strToUpper(dest, capacity, src, length, "", status);
}

int32_t IcuFold(UChar* dest, int32_t capacity, const UChar* src, int32_t length, UErrorCode* status) {
  return u_strFoldCase(dest, capacity, src, length, U_FOLD_CASE_DEFAULT, status);
}

TEST(CaseMappingAgainstIcu, UppercaseIsIcusFullUppercaseExceptLunateSigma) {
  // U+03F2 keeps U+03A3, the uppercase it had before it got a capital of its own.
  for (char16_t key : casemaptest::CaseTableKeys()) {
    if (key == 0x03F2) continue;
    EXPECT_EQ(UpperCase(UTF16String(1, key)), IcuMap(key, IcuUpper)) << std::hex << int{key};
  }
}

TEST(CaseMappingAgainstIcu, FoldingIsIcusFullFoldingOutsideTheDottedIAndSigmaExceptions) {
  const std::set<char16_t> exceptions{0x0130, 0x0131, 0x03A3, 0x03C2, 0x03C3, 0x03F2};
  for (char16_t key : casemaptest::CaseTableKeys()) {
    if (exceptions.count(key) != 0) continue;
    EXPECT_EQ(FoldCase(UTF16String(1, key)), IcuMap(key, IcuFold)) << std::hex << int{key};
  }
}

TEST(CaseMappingAgainstIcu, LowercaseIsIcusSimpleLowercase) {
  for (char16_t key : casemaptest::CaseTableKeys()) {
    EXPECT_EQ(LowerCase(UTF16String(1, key)), UTF16String(1, static_cast<char16_t>(u_tolower(key))))
        << std::hex << int{key};
  }
}

}  // namespace
