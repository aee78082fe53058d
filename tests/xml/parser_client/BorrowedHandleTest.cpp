// A borrowed handle stands for a reference its lender keeps: it counts
// nothing itself, and whatever is taken from it counts a reference of its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "KOR.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/client/CQURString.h"

namespace {

const std::int32_t* References(KORContainerObject* handle) {
  const KORMethodName& name = kKORContainerMethods[kKORContainerDebugGetRefCountAddr];
  const auto address = reinterpret_cast<KORGetRefCountAddrProc>(
      KORGetLookupFunction()(kKORContainerInterface, name.method, name.procedure));
  return address(handle);
}

class BorrowedHandles : public ::testing::Test {
 protected:
  XMLEntryExit connection_;
};

TEST_F(BorrowedHandles, ABorrowedHolderCountsNothingWhileCopiesAndMovesOutOfItCountTheirOwn) {
  CQURString lender = CQURString::FromUTF16(u"lent");
  const std::int32_t* references = References(lender.Handle());
  ASSERT_NE(references, nullptr);
  ASSERT_EQ(*references, 1);
  {
    CQURString borrowed(CQURHandle::Borrow(lender.Handle()));
    EXPECT_EQ(*references, 1);
    EXPECT_EQ(borrowed.GetText(), u"lent");
    CQURString copy = borrowed;
    EXPECT_EQ(*references, 2);
    CQURString moved = std::move(borrowed);
    EXPECT_EQ(*references, 3);
    EXPECT_EQ(borrowed.Handle(), nullptr);
  }
  EXPECT_EQ(*references, 1) << "only what was counted is dropped";
}

TEST_F(BorrowedHandles, ReplacingWhatABorrowedHolderHoldsLeavesTheLendersReferenceAlone) {
  CQURString lender = CQURString::FromUTF16(u"lent");
  const std::int32_t* references = References(lender.Handle());
  {
    CQURString borrowed(CQURHandle::Borrow(lender.Handle()));
    borrowed = CQURString::FromUTF8("other");
    EXPECT_EQ(*references, 1);
    EXPECT_EQ(borrowed.GetText(), u"other");
  }
  EXPECT_EQ(*references, 1);
  EXPECT_EQ(lender.GetText(), u"lent");
}

}  // namespace
