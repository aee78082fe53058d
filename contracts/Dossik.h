// Dossik: the application's file library. Files and folders of the local file
// system, deterministic iteration over them, and byte streams.
//
// Every failure is an exception derived from std::exception whose message
// names the path and the reason ("cannot open '/x/y': No such file or
// directory") or says what went wrong ("read past end of data").
//
// Saving never loses data: an output stream over a file writes to a temporary
// file beside the target and replaces the target only when the stream is
// closed after every byte was written without error. A failed or interrupted
// write leaves the previous file exactly as it was.
//
// Integers are stored little-endian (least significant byte first), for
// reading and for writing alike.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "DossikExport.h"
#include "UTF16String.h"

// ---------------------------------------------------------------------------
// Errors

// The two error classes define their destructors in the library, so that
// their type information lives there alone on every platform and a catch in
// any module matches them.

// A file or folder could not be opened, read, written, listed or replaced.
class DOSSIK_EXPORT FileError : public std::runtime_error {
 public:
  FileError(const std::string& message, std::filesystem::path path);
  ~FileError() override;
  const std::filesystem::path& Path() const noexcept { return path_; }

 private:
  std::filesystem::path path_;
};

// A read asked for a byte beyond the end of the data ("read past end of data").
class DOSSIK_EXPORT EndOfDataError : public std::runtime_error {
 public:
  EndOfDataError();
  ~EndOfDataError() override;
};

// ---------------------------------------------------------------------------
// Files and folders

class DOSSIK_EXPORT File {
 public:
  File() = default;
  explicit File(std::filesystem::path path);

  const std::filesystem::path& GetPath() const noexcept { return path_; }
  // The file's name with its extension, without the folder ("a.str").
  UTF16String GetName() const;
  // The extension with its leading dot (".str"); empty when the name has none.
  UTF16String GetExtension() const;

 private:
  std::filesystem::path path_;
};

class DOSSIK_EXPORT Dir {
 public:
  // Iterates over a snapshot of a folder's entries, sorted by name code unit
  // by code unit (UTF-16), taken when BeginFiles is called.
  class DOSSIK_EXPORT FileIterator {
   public:
    FileIterator() = default;
    const File& operator*() const;
    const File* operator->() const { return &**this; }
    FileIterator& operator++();
    bool operator!=(const FileIterator& other) const;
    bool operator==(const FileIterator& other) const { return !(*this != other); }

   private:
    friend class Dir;
    std::shared_ptr<const std::vector<File>> entries_;
    std::size_t index_ = 0;
  };

  Dir() = default;
  explicit Dir(std::filesystem::path path);

  const std::filesystem::path& GetPath() const noexcept { return path_; }

  // The folder's entries in name order. With `filesOnly` true only regular
  // files (and links to them) are listed; with false sub-folders are listed too.
  // Throws FileError when the folder cannot be listed.
  FileIterator BeginFiles(bool filesOnly) const;
  // The end of any iteration of this folder.
  FileIterator EndFiles() const;

 private:
  std::filesystem::path path_;
};

// Walks a folder and all folders below it, depth first. Within a folder the
// entries come in name order (code unit by code unit); a sub-folder is entered
// where its name falls in that order. Only files are yielded. With
// `includeTopLevel` true the files of the given folder itself are yielded too;
// with false only files of its sub-folders are.
// A default-constructed iterator is the end value of every walk.
class DOSSIK_EXPORT RecursiveFileIterator {
 public:
  RecursiveFileIterator() = default;
  RecursiveFileIterator(const Dir& root, bool includeTopLevel);

  const File& operator*() const;
  const File* operator->() const { return &**this; }
  RecursiveFileIterator& operator++();
  bool operator!=(const RecursiveFileIterator& other) const;
  bool operator==(const RecursiveFileIterator& other) const { return !(*this != other); }

  // The folder that holds the current file.
  Dir CurrentDir() const;

 private:
  struct Walk;
  std::shared_ptr<Walk> walk_;  // null at the end
};

// ---------------------------------------------------------------------------
// Input streams

class IByteWindow;

// An input stream of bytes. Positions are byte offsets from the start of the
// data; they are 32-bit, so a stream holds at most 4 GiB - 1 bytes.
class DOSSIK_EXPORT IByteStream {
 public:
  virtual ~IByteStream();
  // Returns the next byte and advances; throws EndOfDataError at the end.
  virtual unsigned char ReadByte() = 0;
  // Reads up to `count` bytes into `buffer` and advances by the bytes read,
  // which it returns (fewer than `count` only at the end of the data).
  virtual std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) = 0;
  // Moves to an absolute offset, normally one that GetPosition returned.
  virtual void SetPosition(std::uint32_t position) = 0;
  virtual std::uint32_t GetPosition() const = 0;
  // Total length of the data in bytes; 0 where the stream cannot tell.
  virtual std::uint32_t GetLength() const = 0;
  // The stream's bytes in memory, for a reader to scan in place, or null (the
  // default) when the stream offers none. A reader reaches the window through
  // this call alone, so it needs none of the library's type information.
  virtual IByteWindow* InPlaceWindow() noexcept;
};

// Implemented by the library's own input streams that hold their bytes in
// memory, so that a reader can scan those bytes in place instead of calling
// ReadByte for each one. Reading through the window moves the stream exactly
// as reading the same bytes one at a time would.
class DOSSIK_EXPORT IByteWindow {
 public:
  // The bytes from the current position on that are already in memory; empty
  // when none are (a buffered stream then refills on its next read). Never
  // reads the underlying source. Valid until the stream is next used.
  virtual std::span<const unsigned char> Window() const noexcept = 0;
  // Moves the position forward over the first `count` bytes of Window()
  // (`count` must not exceed its size).
  virtual void Skip(std::uint32_t count) noexcept = 0;

 protected:
  ~IByteWindow() = default;
};

// Reads a file. Throws FileError when the file cannot be opened or read.
// GetLength is the file's length when it was opened: a block read stops
// there, and a read from there on asks the file again (and finds what was
// appended since, if anything).
class DOSSIK_EXPORT IPlatformByteStream : public IByteStream {
 public:
  explicit IPlatformByteStream(const File& file);
  ~IPlatformByteStream() override;
  IPlatformByteStream(const IPlatformByteStream&) = delete;
  IPlatformByteStream& operator=(const IPlatformByteStream&) = delete;

  unsigned char ReadByte() override;
  std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) override;
  void SetPosition(std::uint32_t position) override;
  std::uint32_t GetPosition() const override;
  std::uint32_t GetLength() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Reads its source through a buffer of `bufferSize` bytes, each refill one
// block read of a whole buffer; block reads that find the buffer empty go
// straight to the source instead when they ask for at least `minimumRead`
// bytes or for all the bytes the source's length leaves (a stream read only
// that way never allocates its buffer). It starts at
// the source's position and reports the source's length. Setting a position
// within the buffered bytes does not touch the source. The source must be
// read only through the wrapper while it lives.
class DOSSIK_EXPORT IBufferedByteStream : public IByteStream, public IByteWindow {
 public:
  IBufferedByteStream(IByteStream& source, std::uint32_t bufferSize, std::uint32_t minimumRead);
  ~IBufferedByteStream() override;
  IBufferedByteStream(const IBufferedByteStream&) = delete;
  IBufferedByteStream& operator=(const IBufferedByteStream&) = delete;

  unsigned char ReadByte() override;
  std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) override;
  void SetPosition(std::uint32_t position) override;
  std::uint32_t GetPosition() const override;
  std::uint32_t GetLength() const override;
  // This stream itself, unless it is an object of a derived class, which may
  // be watching its reads.
  IByteWindow* InPlaceWindow() noexcept override;
  std::span<const unsigned char> Window() const noexcept override;
  void Skip(std::uint32_t count) noexcept override;

 private:
  // Refills the empty buffer from the source; false at the end of the data.
  bool Refill();
  // True when `wanted` bytes are all that the source's length leaves after
  // the buffered ones (never for a source that cannot tell its length).
  bool TakesTheRest(std::uint32_t wanted) const;

  IByteStream& source_;
  std::vector<unsigned char> buffer_;  // made at the first refill
  std::uint32_t bufferSize_;
  std::uint32_t minimumRead_;
  std::uint32_t bufferStart_ = 0;  // source position of buffer_[0]
  std::uint32_t next_ = 0;         // index of the next unread byte in buffer_
  std::uint32_t filled_ = 0;       // bytes of buffer_ that hold data
};

// Reads bytes held in memory (a copy is kept).
class DOSSIK_EXPORT IMemoryByteStream : public IByteStream, public IByteWindow {
 public:
  explicit IMemoryByteStream(std::vector<unsigned char> bytes);
  IMemoryByteStream(const void* data, std::size_t size);

  unsigned char ReadByte() override;
  std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) override;
  void SetPosition(std::uint32_t position) override;
  std::uint32_t GetPosition() const override;
  std::uint32_t GetLength() const override;
  // As for IBufferedByteStream.
  IByteWindow* InPlaceWindow() noexcept override;
  std::span<const unsigned char> Window() const noexcept override;
  void Skip(std::uint32_t count) noexcept override;

 private:
  std::vector<unsigned char> bytes_;
  std::uint32_t position_ = 0;
};

// ---------------------------------------------------------------------------
// Output streams

// An output stream of bytes. A write that fails throws; the stream then
// counts as failed, and a failed file stream never replaces its target.
class DOSSIK_EXPORT OByteStream {
 public:
  virtual ~OByteStream();
  virtual void WriteByte(unsigned char byte) = 0;
  virtual void WriteBlock(const unsigned char* data, std::uint32_t count) = 0;
  // Marks the stream as failed: what it holds is discarded, never committed.
  virtual void MarkFailed() = 0;
};

// Writes a file through a temporary file beside it ("name.tmp-XXXXXX"). The
// target is replaced when the stream is closed or destroyed, and only if every
// write succeeded, the stream was not marked failed and no exception began
// passing since the stream was made; otherwise the temporary file is removed
// and the target stays as it was. A replaced file keeps the permissions of the
// one it replaces.
// A symbolic link is followed: the file it names (through any chain of links,
// created if absent) is the target, replaced in its own folder, and the link
// stays. A device, FIFO or socket is never replaced nor written: the
// constructor refuses it with FileError.
// Throws FileError when the temporary file cannot be created or written.
class DOSSIK_EXPORT OPlatformByteStream : public OByteStream {
 public:
  explicit OPlatformByteStream(const File& file);
  ~OPlatformByteStream() override;
  OPlatformByteStream(const OPlatformByteStream&) = delete;
  OPlatformByteStream& operator=(const OPlatformByteStream&) = delete;

  void WriteByte(unsigned char byte) override;
  void WriteBlock(const unsigned char* data, std::uint32_t count) override;
  void MarkFailed() override;
  // Replaces the target now and reports a failure to do so as a FileError,
  // which destruction cannot; the target then stays as it was. A failed
  // stream is discarded instead: silently when it was only marked failed,
  // with the FileError of its failed write when a write failed (also one that
  // a buffered stream made while it was destroyed). Later writes throw FileError.
  void Close();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Collects writes in a buffer of `bufferSize` bytes and hands them to its sink
// in blocks; blocks of at least `minimumWrite` bytes go to the sink directly.
// Destroying it writes out what it still holds; if that fails, or an exception
// began passing since it was made, the sink is marked failed instead (a
// destructor cannot throw), so a file is not replaced.
class DOSSIK_EXPORT OBufferedByteStream : public OByteStream {
 public:
  OBufferedByteStream(OByteStream& sink, std::uint32_t bufferSize, std::uint32_t minimumWrite);
  ~OBufferedByteStream() override;
  OBufferedByteStream(const OBufferedByteStream&) = delete;
  OBufferedByteStream& operator=(const OBufferedByteStream&) = delete;

  void WriteByte(unsigned char byte) override;
  void WriteBlock(const unsigned char* data, std::uint32_t count) override;
  void MarkFailed() override;

 private:
  void Drain();

  OByteStream& sink_;
  std::vector<unsigned char> buffer_;
  std::uint32_t minimumWrite_;
  bool failed_ = false;
  std::uint32_t used_ = 0;        // bytes of buffer_ waiting to be written
  int exceptionsAtStart_ = 0;     // std::uncaught_exceptions() when made
};

// Collects the bytes written in memory.
class DOSSIK_EXPORT OMemoryByteStream : public OByteStream {
 public:
  void WriteByte(unsigned char byte) override;
  void WriteBlock(const unsigned char* data, std::uint32_t count) override;
  void MarkFailed() override;

  const std::vector<unsigned char>& Bytes() const noexcept { return bytes_; }
  bool Failed() const noexcept { return failed_; }

 private:
  std::vector<unsigned char> bytes_;
  bool failed_ = false;
};

// ---------------------------------------------------------------------------
// One byte and one signed 32-bit integer (little-endian).

DOSSIK_EXPORT IByteStream& operator>>(IByteStream& in, unsigned char& value);
DOSSIK_EXPORT IByteStream& operator>>(IByteStream& in, std::int32_t& value);
DOSSIK_EXPORT OByteStream& operator<<(OByteStream& out, const unsigned char& value);
DOSSIK_EXPORT OByteStream& operator<<(OByteStream& out, const std::int32_t& value);
