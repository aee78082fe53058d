#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <sys/stat.h>
#if !defined(_WIN32)
#include <csignal>
#include <sys/resource.h>
#endif

#include "Dossik.h"
#include "TempDir.h"

namespace {

const unsigned char kNew[] = {'n', 'e', 'w'};

std::size_t EntryCount(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

// A sink whose writes fail once `failAfter` bytes have been taken.
class FailingSink : public OByteStream {
 public:
  explicit FailingSink(std::size_t failAfter) : failAfter_(failAfter) {}
  void WriteByte(unsigned char byte) override { WriteBlock(&byte, 1); }
  void WriteBlock(const unsigned char*, std::uint32_t count) override {
    if (taken + count > failAfter_) throw std::runtime_error("disk full");
    taken += count;
  }
  void MarkFailed() override { failed = true; }
  std::size_t taken = 0;
  bool failed = false;

 private:
  std::size_t failAfter_;
};

TEST(OPlatformByteStream, CreatesANewFile) {
  testsupport::TempDir temp;
  const auto path = temp.Path() / "new.bin";
  { OPlatformByteStream(File(path)).WriteBlock(kNew, 3); }
  EXPECT_EQ(testsupport::TempDir::Read(path), "new");
}

TEST(OPlatformByteStream, ReplacesTheTargetOnlyWhenDestroyed) {
  testsupport::TempDir temp;
  const auto path = temp.Write("doc.bin", "old");
  {
    OPlatformByteStream out{File(path)};
    out.WriteBlock(kNew, 3);
    EXPECT_EQ(testsupport::TempDir::Read(path), "old");
  }
  EXPECT_EQ(testsupport::TempDir::Read(path), "new");
  EXPECT_EQ(EntryCount(temp.Path()), 1u);  // no temporary file is left behind
}

TEST(OPlatformByteStream, ExceptionPassingAtDestructionLeavesTheOldFile) {
  testsupport::TempDir temp;
  const auto path = temp.Write("doc.bin", "old");
  try {
    OPlatformByteStream out{File(path)};
    out.WriteBlock(kNew, 3);
    throw std::runtime_error("interrupted");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(testsupport::TempDir::Read(path), "old");
  EXPECT_EQ(EntryCount(temp.Path()), 1u);
}

TEST(OPlatformByteStream, StreamMadeDuringUnwindingStillSaves) {
  testsupport::TempDir temp;
  const auto path = temp.Path() / "doc.bin";
  struct SavesOnUnwind {
    std::filesystem::path path;
    ~SavesOnUnwind() { OPlatformByteStream(File(path)).WriteBlock(kNew, 3); }
  };
  try {
    SavesOnUnwind saver{path};
    throw std::runtime_error("unwinding");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(testsupport::TempDir::Read(path), "new");
}

// Whether closed or destroyed, and without complaint: the user asked for it.
TEST(OPlatformByteStream, MarkedFailedLeavesTheOldFile) {
  for (const bool close : {false, true}) {
    testsupport::TempDir temp;
    const auto path = temp.Write("doc.bin", "old");
    {
      OPlatformByteStream out{File(path)};
      out.WriteBlock(kNew, 3);
      out.MarkFailed();
      if (close) {
        EXPECT_NO_THROW(out.Close());
      }
    }
    EXPECT_EQ(testsupport::TempDir::Read(path), "old");
    EXPECT_EQ(EntryCount(temp.Path()), 1u);
  }
}

#if !defined(_WIN32)
TEST(OPlatformByteStream, KeepsThePermissionsOfTheFileItReplaces) {
  testsupport::TempDir temp;
  const auto path = temp.Write("doc.bin", "old");
  ::chmod(path.c_str(), 0640);
  { OPlatformByteStream(File(path)).WriteBlock(kNew, 3); }
  struct stat status {};
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
}
TEST(OPlatformByteStream, SavingThroughASymbolicLinkReplacesTheFileItNames) {
  testsupport::TempDir temp;
  const auto target = temp.Write("real/doc.bin", "old");
  ::chmod(target.c_str(), 0640);
  const auto link = temp.Path() / "link.bin";
  std::filesystem::create_symlink("real/doc.bin", link);
  { OPlatformByteStream(File(link)).WriteBlock(kNew, 3); }
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(testsupport::TempDir::Read(target), "new");
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(EntryCount(temp.Path() / "real"), 1u);  // the temporary file was made beside the target
}

TEST(OPlatformByteStream, SavingThroughAChainOfLinksReplacesTheLastTarget) {
  testsupport::TempDir temp;
  const auto target = temp.Write("doc.bin", "old");
  std::filesystem::create_symlink(target, temp.Path() / "first.bin");
  std::filesystem::create_symlink("first.bin", temp.Path() / "second.bin");
  { OPlatformByteStream(File(temp.Path() / "second.bin")).WriteBlock(kNew, 3); }
  EXPECT_TRUE(std::filesystem::is_symlink(temp.Path() / "first.bin"));
  EXPECT_TRUE(std::filesystem::is_symlink(temp.Path() / "second.bin"));
  EXPECT_EQ(testsupport::TempDir::Read(target), "new");
}

TEST(OPlatformByteStream, SavingThroughADanglingLinkCreatesTheFileItNames) {
  testsupport::TempDir temp;
  std::filesystem::create_directory(temp.Path() / "real");
  std::filesystem::create_symlink("real/doc.bin", temp.Path() / "link.bin");
  { OPlatformByteStream(File(temp.Path() / "link.bin")).WriteBlock(kNew, 3); }
  EXPECT_TRUE(std::filesystem::is_symlink(temp.Path() / "link.bin"));
  EXPECT_EQ(testsupport::TempDir::Read(temp.Path() / "real" / "doc.bin"), "new");
}

TEST(OPlatformByteStream, ALinkThatLeadsBackToItselfIsRefused) {
  testsupport::TempDir temp;
  std::filesystem::create_symlink("b.bin", temp.Path() / "a.bin");
  std::filesystem::create_symlink("a.bin", temp.Path() / "b.bin");
  EXPECT_THROW(OPlatformByteStream{File(temp.Path() / "a.bin")}, FileError);
  EXPECT_TRUE(std::filesystem::is_symlink(temp.Path() / "a.bin"));
}

TEST(OPlatformByteStream, AFifoIsRefusedAndLeftInPlace) {
  testsupport::TempDir temp;
  const auto fifo = temp.Path() / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::filesystem::create_symlink("pipe", temp.Path() / "link");
  for (const auto& path : {fifo, temp.Path() / "link"}) {
    EXPECT_THAT([&] { OPlatformByteStream{File(path)}; },
                testing::ThrowsMessage<FileError>(testing::HasSubstr("not a regular file")));
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_EQ(EntryCount(temp.Path()), 2u);
}
#endif

TEST(OPlatformByteStream, CloseReportsATargetThatCannotBeReplaced) {
  testsupport::TempDir temp;
  temp.Write("doc.bin/inside", "kept");  // a non-empty folder stands where the file should go
  OPlatformByteStream out{File(temp.Path() / "doc.bin")};
  out.WriteBlock(kNew, 3);
  EXPECT_THROW(out.Close(), FileError);
  EXPECT_EQ(testsupport::TempDir::Read(temp.Path() / "doc.bin" / "inside"), "kept");
  EXPECT_EQ(EntryCount(temp.Path()), 1u);
  EXPECT_THROW(out.WriteByte('x'), FileError);
}

#if !defined(_WIN32)
// Lets this process write files of at most `bytes` bytes while it lives; a
// write beyond fails with EFBIG instead of raising SIGXFSZ. A full disk
// without a disk to fill.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int);
};

TEST(OPlatformByteStream, CloseReportsAFinalWriteThatFailedWhileTheBufferWasDestroyed) {
  testsupport::TempDir temp;
  const auto path = temp.Write("doc.bin", "old");
  const std::string text(10000, 'x');
  FileSizeLimit limit(4096);
  OPlatformByteStream file{File(path)};
  {
    OBufferedByteStream out(file, 32768, 16384);
    out.WriteBlock(reinterpret_cast<const unsigned char*>(text.data()), static_cast<std::uint32_t>(text.size()));
  }  // the block reaches the file only now, and does not fit
  EXPECT_THROW(file.Close(), FileError);
  EXPECT_EQ(testsupport::TempDir::Read(path), "old");
  EXPECT_EQ(EntryCount(temp.Path()), 1u);
}
#endif

TEST(OPlatformByteStream, MissingFolderFailsAtConstruction) {
  testsupport::TempDir temp;
  EXPECT_THROW(OPlatformByteStream{File(temp.Path() / "none" / "doc.bin")}, FileError);
}

TEST(OBufferedByteStream, WritesOutWhatItHoldsWhenDestroyedBeforeItsFile) {
  testsupport::TempDir temp;
  const auto path = temp.Write("doc.bin", "old");
  {
    OPlatformByteStream file{File(path)};
    OBufferedByteStream out(file, 32768, 4096);
    for (int i = 0; i < 40000; ++i) out.WriteByte(static_cast<unsigned char>('a' + i % 26));
    out.WriteBlock(kNew, 3);
  }
  const std::string saved = testsupport::TempDir::Read(path);
  ASSERT_EQ(saved.size(), 40003u);
  EXPECT_EQ(saved.substr(0, 3), "abc");
  EXPECT_EQ(saved.substr(40000), "new");
}

TEST(OBufferedByteStream, InterruptedSaveLeavesTheOldFile) {
  testsupport::TempDir temp;
  const auto path = temp.Write("doc.bin", "old");
  try {
    OPlatformByteStream file{File(path)};
    OBufferedByteStream out(file, 32768, 4096);
    out.WriteBlock(kNew, 3);
    throw std::runtime_error("interrupted");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(testsupport::TempDir::Read(path), "old");
  EXPECT_EQ(EntryCount(temp.Path()), 1u);
}

TEST(OBufferedByteStream, FailedWriteMarksTheSinkFailed) {
  FailingSink sink(10);
  OBufferedByteStream out(sink, 8, 4);
  const unsigned char block[16] = {};
  out.WriteBlock(block, 6);
  EXPECT_THROW(out.WriteBlock(block, 16), std::runtime_error);
  EXPECT_TRUE(sink.failed);
}

TEST(OBufferedByteStream, FailedFinalWriteMarksTheSinkFailed) {
  FailingSink sink(2);
  {
    OBufferedByteStream out(sink, 8, 4);
    out.WriteBlock(kNew, 3);
  }
  EXPECT_TRUE(sink.failed);
}

TEST(OBufferedByteStream, SmallWritesReachTheSinkInBufferSizedBlocks) {
  FailingSink sink(1000);
  {
    OBufferedByteStream out(sink, 8, 4);
    for (int i = 0; i < 20; ++i) out.WriteByte('x');
    EXPECT_EQ(sink.taken, 16u);
  }
  EXPECT_EQ(sink.taken, 20u);
  EXPECT_FALSE(sink.failed);
}

}  // namespace
