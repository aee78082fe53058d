// When the process-wide table is filled: by the first lookup, never by an
// empty string, and again from the start after a fill that an allocation
// failure interrupted. The table's state is process-wide, so the whole story
// is told in order in one test, in a program of its own that links the case
// mapping code directly to reach its fill flag.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <new>

#include "FilledCaseMappingTable.h"
#include "glyphwerk/CaseMapping.h"

namespace {

// Allocations left before operator new fails; negative when failures are off.
long allocationsBeforeFailure = -1;

void* Allocate(std::size_t size) {
  if (allocationsBeforeFailure == 0) throw std::bad_alloc();
  if (allocationsBeforeFailure > 0) --allocationsBeforeFailure;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace {

using glyphwerk_internal::CaseMappingTableIsFilled;

TEST(CaseTableFill, HappensAtTheFirstLookupAndIsRedoneWholeAfterAnInterruption) {
  ASSERT_FALSE(CaseMappingTableIsFilled()) << "nothing may map case before this test";

  UTF16String empty;
  EXPECT_EQ(UpperCase(empty), u"");
  EXPECT_EQ(LowerCase(empty), u"");
  EXPECT_EQ(FoldCase(empty), u"");
  ToUpperCase(empty);
  ToLowerCase(empty);
  ToFoldCase(empty);
  EXPECT_FALSE(CaseMappingTableIsFilled()) << "an empty string must not fill the table";

  // Fail each allocation of the fill in turn: every failure reaches the
  // caller and leaves the table unfilled, until a fill runs through.
  int interruptions = 0;
  for (;; ++interruptions) {
    ASSERT_LT(interruptions, 100000) << "the fill never completed";
    allocationsBeforeFailure = interruptions;
    try {
      const UTF16String upper = UpperCase(u"\u00DFa");
      allocationsBeforeFailure = -1;
      EXPECT_EQ(upper, u"SSA");
      break;
    } catch (const std::bad_alloc&) {
      allocationsBeforeFailure = -1;
      ASSERT_FALSE(CaseMappingTableIsFilled()) << "after " << interruptions << " allocations";
    }
  }
  EXPECT_GT(interruptions, 0) << "the fill allocates, so failing its first allocation must interrupt it";
  EXPECT_TRUE(CaseMappingTableIsFilled());

  // The table refilled after all those interruptions is whole.
  EXPECT_EQ(UpperCase(u"Stra\u00DFe \uFB03 \u1F88"), u"STRASSE FFI \u1F08\u0399");
  EXPECT_EQ(FoldCase(u"\u03A3\u212A\uFF21"), u"\u03C2k\uFF41");
  EXPECT_EQ(LowerCase(u"\u0130\u01C5\u24B6"), u"i\u01C6\u24D0");
}

}  // namespace
