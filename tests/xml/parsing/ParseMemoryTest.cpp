// What a parse leaves allocated once it is over: nothing that grows with the
// document. Measured with glibc's count of bytes in use, so built for glibc
// only (the sanitizers' allocators leave the count unchanged: the test then
// proves nothing, and passes).
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstddef>
#include <string>

#include "arborix/ParseXML.h"
#include "arborix/XMLEntryExit.h"

namespace {

#if defined(__GLIBC__)

std::size_t BytesInUse() { return mallinfo2().uordblks; }

// A document declaring `count` distinct entities that it never uses.
std::u16string ManyEntities(int count) {
  std::u16string text = u"<!DOCTYPE r [";
  for (int i = 0; i < count; ++i) {
    const std::string name = std::to_string(i);
    text += u"<!ENTITY e" + std::u16string(name.begin(), name.end()) + u" 'v'>";
  }
  return text + u"]><r/>";
}

TEST(ParseMemory, NothingOfAHostileDocumentStaysAllocatedAfterItsParse) {
  XMLEntryExit connection;
  // Whatever the first parse of the process sets up once is set up here.
  ASSERT_EQ(ParseXMLBuffer(ManyEntities(10), false, nullptr), XMLParseOK);
  const std::u16string hostile = ManyEntities(100000);
  const std::size_t before = BytesInUse();
  ASSERT_EQ(ParseXMLBuffer(hostile, false, nullptr), XMLParseOK);
  const std::size_t after = BytesInUse();
  EXPECT_LT(after > before ? after - before : 0, std::size_t{1} << 20) << "bytes still in use after the parse";
}

#endif

}  // namespace
