#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <thread>
#include <vector>

#include "ResidentMemory.h"
#include "platform/BlockPool.h"

namespace {

using platform::BlockPool;

TEST(BlockPool, BlocksAreDistinctAlignedAndKnownToTheirPoolOnly) {
  static constinit BlockPool pool{48};
  static constinit BlockPool other{48};
  std::vector<void*> blocks;
  std::set<std::uintptr_t> starts;
  // Enough blocks for several slabs.
  for (int i = 0; i < 5000; ++i) {
    void* block = pool.Take();
    ASSERT_NE(block, nullptr);
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    EXPECT_EQ(start % 16, 0u);
    EXPECT_TRUE(starts.insert(start).second) << "a block handed out twice";
    std::memset(block, 0xAB, 48);
    blocks.push_back(block);
  }
  for (void* block : blocks) {
    EXPECT_TRUE(pool.Contains(block));
    EXPECT_FALSE(other.Contains(block));
    EXPECT_FALSE(pool.Contains(static_cast<char*>(block) + 8)) << "inside a block is not a block";
  }
  int local = 0;
  EXPECT_FALSE(pool.Contains(&local));
  EXPECT_FALSE(pool.Contains(nullptr));
  for (void* block : blocks) pool.Give(block);
  pool.Give(nullptr);
}

TEST(BlockPool, AGivenBackBlockIsTakenAgainBeforeNewMemory) {
  static constinit BlockPool pool{32};
  void* kept = pool.Take();
  void* first = pool.Take();
  pool.Give(first);
  EXPECT_EQ(pool.Take(), first);
  pool.Give(first);
  pool.Give(kept);
}

TEST(BlockPool, TheLargestBlockSizeFillsItsSlabs) {
  static constinit BlockPool pool{BlockPool::kLargestBlock};
  std::vector<void*> blocks;
  for (int i = 0; i < 100; ++i) {
    blocks.push_back(pool.Take());
    ASSERT_NE(blocks.back(), nullptr);
    std::memset(blocks.back(), i, BlockPool::kLargestBlock);
  }
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(static_cast<unsigned char*>(blocks[static_cast<std::size_t>(i)])[BlockPool::kLargestBlock - 1], i)
        << "blocks overlap";
  }
  for (void* block : blocks) pool.Give(block);
}

TEST(BlockPool, BlocksTakenOnOneThreadMayBeGivenBackOnAnother) {
  static constinit BlockPool pool{64};
  std::vector<void*> blocks(20000);
  std::thread taker([&] {
    for (void*& block : blocks) block = pool.Take();
  });
  taker.join();
  std::thread giverA([&] {
    for (std::size_t i = 0; i < blocks.size(); i += 2) pool.Give(blocks[i]);
  });
  std::thread takerB([&] {
    for (int i = 0; i < 10000; ++i) pool.Give(pool.Take());
  });
  giverA.join();
  takerB.join();
  for (std::size_t i = 1; i < blocks.size(); i += 2) {
    EXPECT_TRUE(pool.Contains(blocks[i]));
    pool.Give(blocks[i]);
  }
}

// Blocks that stay live among many that are freed sit in partly emptied
// memory: giving the rest back, and later filling it again, must leave them
// as they were.
TEST(BlockPool, BlocksInUseKeepTheirContentWhileTheMemoryAroundThemGoesAndComes) {
  static constinit BlockPool lasting{512};
  static constinit BlockPool passing{8192};
  std::vector<unsigned char*> kept;
  std::vector<void*> freed;
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 4096; ++i) {  // 32 MB passing, one lasting block in every 64 KB
      freed.push_back(passing.Take());
      std::memset(freed.back(), 0xEE, 8192);
      if (round == 0 && i % 8 == 0) {
        kept.push_back(static_cast<unsigned char*>(lasting.Take()));
        std::memset(kept.back(), static_cast<int>(kept.size() % 251), 512);
      }
    }
    {
      const BlockPool::ReleaseBatch batch;
      for (void* block : freed) passing.Give(block);
    }
    freed.clear();
    for (std::size_t k = 0; k < kept.size(); ++k) {
      const auto expected = static_cast<unsigned char>((k + 1) % 251);
      ASSERT_EQ(kept[k][0], expected) << "block " << k << " after round " << round;
      ASSERT_EQ(kept[k][511], expected) << "block " << k << " after round " << round;
    }
  }
  for (unsigned char* block : kept) lasting.Give(block);
}

// AddressSanitizer keeps the shadow of every page it has watched resident.
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
TEST(BlockPool, FreeingEveryBlockGivesTheMemoryBackToTheSystem) {
  static constinit BlockPool pool{256};
  const double before = testsupport::ResidentMB();
  std::vector<void*> blocks;
  for (int i = 0; i < 256 * 1024; ++i) {  // 64 MB
    blocks.push_back(pool.Take());
    std::memset(blocks.back(), 1, 256);
  }
  const double full = testsupport::ResidentMB();
  EXPECT_GT(full - before, 60.0);
  for (void* block : blocks) pool.Give(block);
  // A few empty slabs wait for reuse; the rest is the system's again.
  EXPECT_LT(testsupport::ResidentMB() - before, 4.0 + static_cast<double>(blocks.capacity() * sizeof(void*)) / (1024 * 1024));
}
#endif

}  // namespace
