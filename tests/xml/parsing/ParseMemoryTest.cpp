// What a parse leaves allocated once it is over: nothing that grows with the
// document. Measured with glibc's count of bytes in use and with the
// resident memory of the process, so built for glibc only (the sanitizers'
// allocators keep what is freed: the tests then prove nothing, and pass).
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "ResidentMemory.h"
#include "TempDir.h"
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

// AddressSanitizer holds freed memory back in quarantine, and keeps the
// shadow of every page it has watched: resident memory says nothing there.
#if !defined(__SANITIZE_ADDRESS__)

TEST(ParseMemory, ADeletedDocumentGivesItsMemoryBackToTheSystem) {
  XMLEntryExit connection;
  testsupport::TempDir folder;
  // Written piece by piece: a large string freed just before the parse would
  // leave the C library's heap holding memory of its own choosing.
  const std::filesystem::path path = folder.Write("large.xml", "");
  {
    std::ofstream out(path, std::ios::binary);
    out << "<doc>";
    for (int i = 0; i < 300000; ++i) {
      out << "<item id='" << i << "' label='an attribute value of some length'>text of item " << i << "<b/></item>\n";
    }
    out << "</doc>";
  }
  File file(path);
  const double before = testsupport::ResidentMB();
  XMLDocument* document = nullptr;
  ASSERT_EQ(ParseXMLFile(file, false, &document), XMLParseOK);
  const double held = testsupport::ResidentMB();
  delete document;
  const double after = testsupport::ResidentMB();
  EXPECT_GT(held - before, 50.0) << "the tree took less memory than a tree of this size can";
  EXPECT_LT(after - before, 5.0) << "MB still resident after the tree was deleted, of " << held - before;
}

#endif

#endif

}  // namespace
