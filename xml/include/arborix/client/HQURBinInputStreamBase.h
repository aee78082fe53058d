/// @file
/// HQURBinInputStreamBase: the base of the byte streams the library hands to
/// the parser. A stream implements curPos and readBytes; the parser asks for
/// blocks of any size until readBytes returns 0. Anything thrown is handed
/// back to the parser as an error handle, which ends the parse with it. The
/// parser destroys the stream through selfDestruct when the parse ends.
#pragma once

#include <cstdint>

#include "ArborixExport.h"
#include "arborix/client/QURHandles.h"

/// The marker of input streams, as the parser's interface knows them.
class ARBORIX_EXPORT ZQURBinInputStreamPrototype {
 public:
  virtual ~ZQURBinInputStreamPrototype();
};

/// The base of the byte streams handed to the parser.
class ARBORIX_EXPORT HQURBinInputStreamBase : public ZQURBinInputStreamPrototype {
 public:
  ~HQURBinInputStreamBase() override;
  /// Destroys the stream when the parse ends; `delete this` by default.
  virtual void selfDestruct();

 private:
  virtual void rawCurPos(std::uint32_t* position);
 public:
  /// Bytes delivered so far.
  virtual std::uint32_t curPos() const = 0;
 private:
  virtual void rawIsSeekable(char* answer);
 public:
  /// Whether the stream can be repositioned; false by default.
  virtual bool isSeekable() const;
 private:
  virtual void rawReadBytes(unsigned char* buffer, std::uint32_t maximum, std::uint32_t* count);
 public:
  /// Copies at most `maximum` bytes into `buffer`; returns the count, 0 at the end.
  virtual unsigned int readBytes(unsigned char* const buffer, unsigned int maximum) = 0;
  /// An informational event from the parser; ignored by default.
  virtual void notify(std::int32_t event);

 private:
  friend class CQURAdapterEntries;
};
