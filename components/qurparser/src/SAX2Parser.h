// One SAX2 parser ("QURSAX2Parser"): its registered handlers and the parse it
// runs over Expat. A parse pulls blocks from the library's stream (a parse
// run to its end gathers them into windows for Expat), turns Expat's events
// into the content handler's callbacks (character data joined between two
// pieces of markup) and reports a document fault once, to the error handler's
// fatalError, before ending with it.
#pragma once

#include <expat.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>

#include "AttributesObject.h"
#include "ErrorCatalogue.h"
#include "InputTranscoder.h"
#include "KOR.h"
#include "LocatorObject.h"
#include "ParseResources.h"
#include "QURParser.h"
#include "StringObject.h"

namespace qur {

class SAX2Parser final {
 public:
  enum class Slot { ContentHandler, DTDHandler, EntityResolver, ErrorHandler, Transcoder };

  SAX2Parser();  // throws std::bad_alloc
  SAX2Parser(const SAX2Parser&) = delete;
  SAX2Parser& operator=(const SAX2Parser&) = delete;
  ~SAX2Parser();

  // A parser is made in the memory of the last one destroyed (WaitingMemory);
  // null when out of memory.
  static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
  static void operator delete(void* memory) noexcept;
  static void operator delete(void* memory, const std::nothrow_t&) noexcept;

  // Keeps a reference to `object` (null clears the slot); refused during a parse.
  KORErrorHandle Register(Slot slot, KORContainer object, const void* callbacks);
  // The registered object with one more reference, or null.
  KORContainer Registered(Slot slot) const;

  // How a parse reads its stream: a block per step, for a parse fed step by
  // step; or as many blocks as a window holds, parsed in one call, for a
  // parse run to its end at once.
  enum class Reading { BlockByBlock, Gathered };

  bool Parsing() const { return stream_ != nullptr; }
  // Takes over one reference to `stream`, whatever the outcome. Refused while
  // a parse is running.
  KORErrorHandle Begin(KORContainer stream, const QURBinInputStreamCallbacks* callbacks, Reading reading,
                       bool& more);
  // The next step of a running parse. Refused from inside a step (from a
  // callback of this parser): Expat cannot be fed again while it is parsing.
  KORErrorHandle Next(bool& more);

 private:
  struct Registration {
    KORContainer object = nullptr;
    const void* callbacks = nullptr;
  };

  const QURContentHandlerCallbacks* Content() const;
  const QURErrorHandlerCallbacks* Errors() const;
  KORContainer Object(Slot slot) const { return slots_[static_cast<std::size_t>(slot)].object; }

  KORErrorHandle Start();
  KORErrorHandle Step(bool& more);
  KORErrorHandle ReadBlockInto(unsigned char* room, std::uint32_t& count);
  KORErrorHandle FeedGathered(std::string_view first, bool& more);
  KORErrorHandle Feed(const char* data, std::size_t size, bool final);
  KORErrorHandle Parsed(XML_Status status, bool final);
  KORErrorHandle AfterFeeding(KORErrorHandle error, bool final, bool undecodable, bool& more);
  KORErrorHandle DocumentFault(const CatalogueEntry& entry);
  KORErrorHandle Finish(KORErrorHandle result);
  void Stop(KORErrorHandle error);
  void FlushText();

  static void OnStartElement(void* self, const XML_Char* name, const XML_Char** attributes);
  static void OnEndElement(void* self, const XML_Char* name);
  static void OnCharacterData(void* self, const XML_Char* text, int length);
  static void OnProcessingInstruction(void* self, const XML_Char* target, const XML_Char* data);
  static void OnMarkup(void* self);
  static void OnComment(void* self, const XML_Char* text);
  static void OnSkippedEntity(void* self, const XML_Char* name, int isParameterEntity);

  std::array<Registration, 5> slots_{};
  KORContainer locatorContainer_ = nullptr;
  LocatorObject* locator_ = nullptr;
  // The URI of every element (namespace processing is off): one empty string
  // that every callback shares.
  KORContainer emptyURI_ = nullptr;
  // What the content handler is lent, reused from one callback to the next.
  LentString text_;
  LentString names_;
  LentAttributes attributes_;

  // State of the running parse.
  KORContainer stream_ = nullptr;
  const QURBinInputStreamCallbacks* streamCallbacks_ = nullptr;
  XML_Parser expat_ = nullptr;
  Reading reading_ = Reading::BlockByBlock;
  bool stepping_ = false;  // Begin or Next is on the stack
  KORErrorHandle readFailure_ = nullptr;  // a failed read, reported after the bytes gathered before it
  std::string head_;     // first bytes, kept until the encoding is known
  InputTranscoder transcoder_;
  std::string pending_;  // character data not yet delivered
  KORErrorHandle stopError_ = nullptr;
  std::int32_t depth_ = 0;
  ReadBlock block_;
};

}  // namespace qur
