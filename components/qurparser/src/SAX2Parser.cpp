#include "SAX2Parser.h"

#include <algorithm>
#include <string>
#include <utility>

#include "AttributesObject.h"
#include "Broker.h"
#include "ErrorCatalogue.h"
#include "ExpatMemory.h"
#include "HashSalt.h"
#include "InputTranscoder.h"
#include "ParseResources.h"
#include "StringObject.h"

namespace qur {
namespace {

SAX2Parser& Self(void* userData) { return *static_cast<SAX2Parser*>(userData); }

constinit WaitingMemory parserMemory{sizeof(SAX2Parser)};

}  // namespace

void* SAX2Parser::operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return size == parserMemory.size() ? parserMemory.Take() : nullptr;
}

void SAX2Parser::operator delete(void* memory) noexcept { parserMemory.GiveBack(memory); }

void SAX2Parser::operator delete(void* memory, const std::nothrow_t&) noexcept { parserMemory.GiveBack(memory); }

SAX2Parser::SAX2Parser() = default;

SAX2Parser::~SAX2Parser() {
  if (Parsing()) Broker().releaseError(Finish(nullptr));
  if (locator_ != nullptr) locator_->expat = nullptr;
  if (locatorContainer_ != nullptr) Broker().releaseContainer(locatorContainer_);
  if (emptyURI_ != nullptr) Broker().releaseContainer(emptyURI_);
  for (Registration& slot : slots_) {
    if (slot.object != nullptr) Broker().releaseContainer(slot.object);
  }
}

KORErrorHandle SAX2Parser::Register(Slot slot, KORContainer object, const void* callbacks) {
  if (Parsing()) return InterfaceError("QUR: handlers cannot change during a parse", kWrongStateID);
  if (object != nullptr && (callbacks == nullptr || Broker().addRefContainer(object) == 0)) {
    return InterfaceError("QUR: a handler needs a live container and its callbacks", kInvalidObjectID);
  }
  Registration& registration = slots_[static_cast<std::size_t>(slot)];
  const KORContainer previous = registration.object;
  registration = Registration{object, object == nullptr ? nullptr : callbacks};
  if (previous != nullptr) Broker().releaseContainer(previous);
  return nullptr;
}

KORContainer SAX2Parser::Registered(Slot slot) const {
  const KORContainer object = Object(slot);
  if (object != nullptr) Broker().addRefContainer(object);
  return object;
}

const QURContentHandlerCallbacks* SAX2Parser::Content() const {
  return static_cast<const QURContentHandlerCallbacks*>(slots_[static_cast<std::size_t>(Slot::ContentHandler)].callbacks);
}

const QURErrorHandlerCallbacks* SAX2Parser::Errors() const {
  return static_cast<const QURErrorHandlerCallbacks*>(slots_[static_cast<std::size_t>(Slot::ErrorHandler)].callbacks);
}

KORErrorHandle SAX2Parser::Begin(KORContainer stream, const QURBinInputStreamCallbacks* callbacks, Reading reading,
                                 bool& more) {
  more = false;
  if (Parsing()) {
    Broker().releaseContainer(stream);
    return InterfaceError("QUR: a parse is already running", kWrongStateID);
  }
  stream_ = stream;
  streamCallbacks_ = callbacks;
  reading_ = reading;
  head_.clear();
  pending_.clear();
  depth_ = 0;
  stepping_ = true;
  KORErrorHandle result = Start();
  result = result != nullptr ? Finish(result) : Step(more);
  stepping_ = false;
  return result;
}

// Everything that happens before the first byte is read, in SAX order.
KORErrorHandle SAX2Parser::Start() {
  if (streamCallbacks_ == nullptr || streamCallbacks_->readBytes == nullptr) {
    return InterfaceError("QUR: a stream needs its callbacks", kInvalidObjectID);
  }
  if (locatorContainer_ == nullptr) {
    if (KORErrorHandle error = NewLocator(&locator_, &locatorContainer_)) return error;
  }
  if (emptyURI_ == nullptr) {
    if (KORErrorHandle error = NewUTF16String({}, &emptyURI_)) return error;
  }
  if (const auto* errors = Errors(); errors != nullptr && errors->resetErrors != nullptr) {
    if (KORErrorHandle error = errors->resetErrors(Object(Slot::ErrorHandler))) return error;
  }
  if (streamCallbacks_->prepare != nullptr) {
    if (KORErrorHandle error = streamCallbacks_->prepare(stream_)) return error;
  }
  if (const auto* content = Content()) {
    if (content->setDocumentLocator != nullptr) {
      if (KORErrorHandle error = content->setDocumentLocator(Object(Slot::ContentHandler), locatorContainer_)) {
        return error;
      }
    }
    if (content->startDocument != nullptr) return content->startDocument(Object(Slot::ContentHandler));
  }
  return nullptr;
}

KORErrorHandle SAX2Parser::Next(bool& more) {
  more = false;
  if (!Parsing()) return InterfaceError("QUR: no parse is running", kWrongStateID);
  if (stepping_) return InterfaceError("QUR: a parse cannot be resumed from its own callbacks", kWrongStateID);
  stepping_ = true;
  KORErrorHandle result = Step(more);
  stepping_ = false;
  return result;
}

KORErrorHandle SAX2Parser::Step(bool& more) {
  more = false;
  if (readFailure_ != nullptr) return Finish(std::exchange(readFailure_, nullptr));
  if (expat_ != nullptr && reading_ == Reading::Gathered) return FeedGathered({}, more);
  std::uint32_t count = 0;
  if (KORErrorHandle error = ReadBlockInto(block_.data(), count)) return Finish(error);
  const bool final = count == 0;
  const char* data = reinterpret_cast<const char*>(block_.data());
  std::size_t size = count;
  if (expat_ == nullptr) {
    // The first bytes are kept only while they are too few to tell the
    // encoding; otherwise the first read is looked at where it lies.
    InputTranscoder::Start start;
    try {
      if (!head_.empty()) {
        head_.append(data, size);
        data = head_.data();
        size = head_.size();
      }
      const std::string_view first(data, size);
      start = size < 2 && !final ? InputTranscoder::Start::NeedMoreBytes : transcoder_.Begin(first, final);
      if (start == InputTranscoder::Start::NeedMoreBytes && head_.empty()) head_.assign(data, size);
    } catch (const std::bad_alloc&) {
      return Finish(OutOfMemory());
    }
    if (start == InputTranscoder::Start::NeedMoreBytes) {
      more = true;
      return nullptr;
    }
    expat_ = XML_ParserCreate_MM(start == InputTranscoder::Start::Transcode ? "UTF-8" : nullptr, &ExpatMemory(), nullptr);
    if (expat_ == nullptr) return Finish(OutOfMemory());
    XML_SetHashSalt(expat_, ProcessHashSalt());
    XML_SetUserData(expat_, this);
    XML_SetParamEntityParsing(expat_, XML_PARAM_ENTITY_PARSING_NEVER);
    XML_SetElementHandler(expat_, &OnStartElement, &OnEndElement);
    XML_SetCharacterDataHandler(expat_, &OnCharacterData);
    XML_SetProcessingInstructionHandler(expat_, &OnProcessingInstruction);
    XML_SetCommentHandler(expat_, &OnComment);
    XML_SetCdataSectionHandler(expat_, &OnMarkup, &OnMarkup);
    XML_SetSkippedEntityHandler(expat_, &OnSkippedEntity);
    locator_->expat = expat_;
  }
  bool undecodable = false;
  if (transcoder_.Active()) {
    try {
      undecodable = !transcoder_.Convert({data, size}, final);
    } catch (const std::bad_alloc&) {
      return Finish(OutOfMemory());
    }
    data = transcoder_.Output().data();
    size = transcoder_.Output().size();
  }
  if (!final && !undecodable && reading_ == Reading::Gathered) return FeedGathered({data, size}, more);
  return AfterFeeding(Feed(data, size, final && !undecodable), final, undecodable, more);
}

// Ends the step after a feed: with the feed's error, with a fault at bytes
// not valid in the encoding, at the end of the stream, or with more to read.
// The text before bad bytes is fed first: a fault of its own comes first, and
// the position reported is that of the bad bytes.
KORErrorHandle SAX2Parser::AfterFeeding(KORErrorHandle error, bool final, bool undecodable, bool& more) {
  if (error != nullptr) return Finish(error);
  if (undecodable) return Finish(DocumentFault(transcoder_.Fault()));
  more = !final;
  return final ? Finish(nullptr) : nullptr;
}

KORErrorHandle SAX2Parser::ReadBlockInto(unsigned char* room, std::uint32_t& count) {
  count = 0;
  if (KORErrorHandle error = streamCallbacks_->readBytes(stream_, room, ReadBlock::kSize, &count)) return error;
  if (count > ReadBlock::kSize) {
    return Broker().newError(kStreamOverrun.message, kDocumentComponent, kStreamOverrun.id, nullptr, 0);
  }
  return nullptr;
}

// Gathers blocks in Expat's buffer, after `first`, until the stream ends or
// the window is full, and parses them in one call. Blocks are read straight
// into that buffer, or into the block and converted into it. A read that
// fails after some bytes were gathered is reported at the next step, so the
// bytes before it are parsed first, as they would be block by block.
KORErrorHandle SAX2Parser::FeedGathered(std::string_view first, bool& more) {
  auto* room = static_cast<char*>(XML_GetBuffer(expat_, static_cast<int>(ReadWindow::kSize)));
  if (room == nullptr) return Finish(OutOfMemory());
  std::copy(first.begin(), first.end(), room);
  std::size_t size = first.size();
  bool final = false;
  bool undecodable = false;
  // Converted text takes up to three bytes for each byte read.
  const std::size_t mostPerBlock = (transcoder_.Active() ? 3 : 1) * ReadBlock::kSize;
  while (!final && !undecodable && size + mostPerBlock <= ReadWindow::kSize) {
    auto* target = transcoder_.Active() ? block_.data() : reinterpret_cast<unsigned char*>(room + size);
    std::uint32_t count = 0;
    if (KORErrorHandle error = ReadBlockInto(target, count)) {
      if (size == 0) return Finish(error);
      readFailure_ = error;
      break;
    }
    final = count == 0;
    if (!transcoder_.Active()) {
      size += count;
      continue;
    }
    try {
      undecodable = !transcoder_.Convert({reinterpret_cast<const char*>(target), count}, final, room + size);
    } catch (const std::bad_alloc&) {
      return Finish(OutOfMemory());
    }
    const std::string_view converted = transcoder_.Output();
    if (converted.data() == room + size) {
      size += converted.size();
      continue;
    }
    if (converted.size() > ReadWindow::kSize - size) {
      // Rarely, more text than the window has left: the gathered text goes first.
      const bool last = final && !undecodable;
      KORErrorHandle error = Parsed(XML_ParseBuffer(expat_, static_cast<int>(size), XML_FALSE), false);
      if (error == nullptr) error = Feed(converted.data(), converted.size(), last);
      return AfterFeeding(error, final, undecodable, more);
    }
    std::copy(converted.begin(), converted.end(), room + size);
    size += converted.size();
  }
  const bool last = final && !undecodable;
  return AfterFeeding(Parsed(XML_ParseBuffer(expat_, static_cast<int>(size), last ? XML_TRUE : XML_FALSE), last),
                      final, undecodable, more);
}

KORErrorHandle SAX2Parser::Feed(const char* data, std::size_t size, bool final) {
  // Expat takes int lengths; a block is far smaller.
  return Parsed(XML_Parse(expat_, data, static_cast<int>(size), final ? XML_TRUE : XML_FALSE), final);
}

KORErrorHandle SAX2Parser::Parsed(XML_Status status, bool final) {
  if (status == XML_STATUS_ERROR) {
    return stopError_ != nullptr ? std::exchange(stopError_, nullptr)
                                 : DocumentFault(EntryForExpatError(XML_GetErrorCode(expat_), depth_ > 0));
  }
  if (!final) return nullptr;
  FlushText();
  if (const auto* content = Content(); stopError_ == nullptr && content != nullptr && content->endDocument != nullptr) {
    if (KORErrorHandle error = content->endDocument(Object(Slot::ContentHandler))) Stop(error);
  }
  return std::exchange(stopError_, nullptr);
}

// Builds the error of a fault in the document at Expat's position and reports
// it to the error handler; the parse ends with it whatever the handler answers.
KORErrorHandle SAX2Parser::DocumentFault(const CatalogueEntry& entry) {
  const auto line = static_cast<std::int32_t>(XML_GetCurrentLineNumber(expat_));
  KORErrorHandle error;
  try {
    const std::string message = std::string(entry.message) + " at line " + std::to_string(line) + ", column " +
                                std::to_string(XML_GetCurrentColumnNumber(expat_) + 1);
    error = Broker().newError(message.c_str(), kDocumentComponent, entry.id, nullptr, line);
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
  if (const auto* errors = Errors(); errors != nullptr && errors->fatalError != nullptr) {
    Broker().addRefError(error);
    Broker().releaseError(errors->fatalError(Object(Slot::ErrorHandler), error));
  }
  return error;
}

KORErrorHandle SAX2Parser::Finish(KORErrorHandle result) {
  if (stopError_ != nullptr) Broker().releaseError(std::exchange(stopError_, nullptr));
  if (locator_ != nullptr) locator_->expat = nullptr;
  if (expat_ != nullptr) XML_ParserFree(std::exchange(expat_, nullptr));
  transcoder_.End();
  head_.clear();
  pending_.clear();
  if (readFailure_ != nullptr) Broker().releaseError(std::exchange(readFailure_, nullptr));
  streamCallbacks_ = nullptr;
  // Releasing the stream runs the library's release table: the stream is gone.
  if (stream_ != nullptr) Broker().releaseContainer(std::exchange(stream_, nullptr));
  return result;
}

void SAX2Parser::Stop(KORErrorHandle error) {
  if (stopError_ == nullptr) {
    stopError_ = error;
  } else {
    Broker().releaseError(error);
  }
  if (expat_ != nullptr) XML_StopParser(expat_, XML_FALSE);
}

void SAX2Parser::FlushText() {
  if (pending_.empty() || stopError_ != nullptr) return;
  const auto* content = Content();
  if (content != nullptr && content->characters != nullptr) {
    KORContainer text = nullptr;
    KORErrorHandle error = text_.Lend(pending_, text);
    if (error == nullptr) error = content->characters(Object(Slot::ContentHandler), text);
    if (!text_.Settle() && error == nullptr) error = OutOfMemory();
    if (error != nullptr) Stop(error);
  }
  pending_.clear();
}

void SAX2Parser::OnStartElement(void* self, const XML_Char* name, const XML_Char** attributes) {
  SAX2Parser& parser = Self(self);
  parser.FlushText();
  ++parser.depth_;
  const auto* content = parser.Content();
  if (parser.stopError_ != nullptr || content == nullptr || content->startElement == nullptr) return;
  KORContainer localName = nullptr;
  KORContainer list = nullptr;
  KORErrorHandle error = parser.names_.Lend(name, localName);
  if (error == nullptr) error = parser.attributes_.Lend(attributes, list);
  if (error == nullptr) {
    error = content->startElement(parser.Object(Slot::ContentHandler), parser.emptyURI_, localName, localName,
                                  list);
  }
  const bool nameSettled = parser.names_.Settle();
  const bool listSettled = parser.attributes_.Settle();
  if (!(nameSettled && listSettled) && error == nullptr) error = OutOfMemory();
  if (error != nullptr) parser.Stop(error);
}

void SAX2Parser::OnEndElement(void* self, const XML_Char* name) {
  SAX2Parser& parser = Self(self);
  parser.FlushText();
  --parser.depth_;
  const auto* content = parser.Content();
  if (parser.stopError_ != nullptr || content == nullptr || content->endElement == nullptr) return;
  KORContainer localName = nullptr;
  KORErrorHandle error = parser.names_.Lend(name, localName);
  if (error == nullptr) {
    error = content->endElement(parser.Object(Slot::ContentHandler), parser.emptyURI_, localName, localName);
  }
  if (!parser.names_.Settle() && error == nullptr) error = OutOfMemory();
  if (error != nullptr) parser.Stop(error);
}

void SAX2Parser::OnCharacterData(void* self, const XML_Char* text, int length) {
  SAX2Parser& parser = Self(self);
  if (parser.stopError_ != nullptr) return;
  try {
    parser.pending_.append(text, static_cast<std::size_t>(length));
  } catch (const std::bad_alloc&) {
    parser.Stop(OutOfMemory());
  }
}

void SAX2Parser::OnProcessingInstruction(void* self, const XML_Char* target, const XML_Char* data) {
  SAX2Parser& parser = Self(self);
  parser.FlushText();
  const auto* content = parser.Content();
  if (parser.stopError_ != nullptr || content == nullptr || content->processingInstruction == nullptr) return;
  ContainerReference targetText;
  ContainerReference dataText;
  KORErrorHandle error = NewUTF8String(target, targetText.out());
  if (error == nullptr) error = NewUTF8String(data, dataText.out());
  if (error == nullptr) {
    error = content->processingInstruction(parser.Object(Slot::ContentHandler), targetText.get(), dataText.get());
  }
  if (error != nullptr) parser.Stop(error);
}

// Comments and CDATA boundaries are markup: the text before them is one run.
void SAX2Parser::OnMarkup(void* self) { Self(self).FlushText(); }
void SAX2Parser::OnComment(void* self, const XML_Char*) { Self(self).FlushText(); }

void SAX2Parser::OnSkippedEntity(void* self, const XML_Char* name, int isParameterEntity) {
  SAX2Parser& parser = Self(self);
  parser.FlushText();
  const auto* content = parser.Content();
  if (isParameterEntity != 0 || parser.stopError_ != nullptr || content == nullptr || content->skippedEntity == nullptr) {
    return;
  }
  ContainerReference entity;
  KORErrorHandle error = NewUTF8String(name, entity.out());
  if (error == nullptr) error = content->skippedEntity(parser.Object(Slot::ContentHandler), entity.get());
  if (error != nullptr) parser.Stop(error);
}

}  // namespace qur
