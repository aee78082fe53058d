#include "SAX2ParserMethods.h"

#include <cstring>
#include <new>
#include <string>

#include "Broker.h"
#include "QURParser.h"
#include "SAX2Parser.h"
#include "StringObject.h"

namespace qur {
namespace {

using Interface = _t_ZQURSAX2ParserInterface;
using Slot = SAX2Parser::Slot;

void DestroyParser(void* object) { delete static_cast<SAX2Parser*>(object); }

SAX2Parser* ParserOf(KORContainer handle) {
  return static_cast<SAX2Parser*>(InstanceWithSignature(handle, Signatures().parser));
}

KORErrorHandle InvalidParser() { return InterfaceError("QUR: CQURSAX2Parser is invalid", kInvalidObjectID); }

// One more reference to a parser for the length of a parse call, so that a
// callback that lets go of the last other one destroys the parser only once
// the call is over, not under Expat. Null when the handle is no parser.
KORContainer HoldParser(KORContainer handle) {
  return ParserOf(handle) != nullptr && Broker().addRefContainer(handle) != 0 ? handle : nullptr;
}

KORErrorHandle NewParser(std::int32_t kind, KORContainer* result) {
  if (result == nullptr) return InvalidParser();
  *result = nullptr;
  if (kind != kQURSAX2ParserKind) return InterfaceError("QUR: only SAX2 parsers (kind 2) exist", kUnsupportedID);
  SAX2Parser* parser = nullptr;
  try {
    parser = new (std::nothrow) SAX2Parser;
  } catch (const std::bad_alloc&) {
    // The read block could not be had; the parser's memory went back already.
  }
  if (parser == nullptr) return OutOfMemory();
  return WrapObject(Interface::kKind.signature, parser, &DestroyParser, result);
}

KORErrorHandle GetParserInstance(KORContainer handle, char* isParser) {
  if (isParser == nullptr) return InvalidParser();
  *isParser = ParserOf(handle) != nullptr ? 'T' : 0;
  return nullptr;
}

template <Slot slot>
KORErrorHandle GetObject(KORContainer handle, KORContainer* result) {
  SAX2Parser* parser = ParserOf(handle);
  if (parser == nullptr || result == nullptr) return InvalidParser();
  *result = parser->Registered(slot);
  return nullptr;
}

template <Slot slot, class Callbacks>
KORErrorHandle SetObject(KORContainer handle, KORContainer object, const Callbacks* callbacks) {
  SAX2Parser* parser = ParserOf(handle);
  if (parser == nullptr) return InvalidParser();
  return parser->Register(slot, object, callbacks);
}

// The object belongs to the parser from here on: every failure destroys it.
template <Slot slot, class Callbacks>
KORErrorHandle ASetObject(KORContainer handle, void* object, const QURReleaseTable* release,
                          const Callbacks* callbacks, const char* signature) {
  if (release == nullptr || release->release == nullptr) {
    return InterfaceError("QUR: an object needs its release table", kInvalidObjectID);
  }
  if (object == nullptr) return InterfaceError("QUR: a handler object is needed", kInvalidObjectID);
  SAX2Parser* parser = ParserOf(handle);
  if (parser == nullptr) {
    release->release(object);
    return InvalidParser();
  }
  ContainerReference container;
  if (KORErrorHandle error = WrapObject(signature, object, release->release, container.out())) return error;
  return parser->Register(slot, container.get(), callbacks);
}

KORErrorHandle ASetContentHandler(KORContainer handle, void* object, const QURReleaseTable* release,
                                  const QURContentHandlerCallbacks* callbacks) {
  return ASetObject<Slot::ContentHandler>(handle, object, release, callbacks, kQURContentHandlerSignature);
}

KORErrorHandle ASetErrorHandler(KORContainer handle, void* object, const QURReleaseTable* release,
                                const QURErrorHandlerCallbacks* callbacks) {
  return ASetObject<Slot::ErrorHandler>(handle, object, release, callbacks, kQURErrorHandlerSignature);
}

KORErrorHandle ASetEntityResolver(KORContainer handle, void* object, const QURReleaseTable* release,
                                  const void* callbacks) {
  return ASetObject<Slot::EntityResolver>(handle, object, release, callbacks, kQUREntityResolverSignature);
}

KORErrorHandle ASetDTDHandler(KORContainer handle, void* object, const QURReleaseTable* release,
                              const void* callbacks) {
  return ASetObject<Slot::DTDHandler>(handle, object, release, callbacks, kQURDTDHandlerSignature);
}

// Checks a feature name: the two SAX2 features exist, every other name is refused.
KORErrorHandle CheckFeature(KORContainer name) {
  std::string text;
  try {
    if (!StringTextUTF8(name, text)) return InterfaceError("QUR: CQURString is invalid", kInvalidObjectID);
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
  if (text == kSAX2ValidationFeature || text == kSAX2NamespacesFeature) return nullptr;
  return InterfaceError("QUR: unknown feature", kUnsupportedID);
}

KORErrorHandle GetFeature(KORContainer handle, KORContainer name, char* value) {
  if (ParserOf(handle) == nullptr || value == nullptr) return InvalidParser();
  *value = 0;
  return CheckFeature(name);
}

KORErrorHandle SetFeature(KORContainer handle, KORContainer name, char value) {
  SAX2Parser* parser = ParserOf(handle);
  if (parser == nullptr) return InvalidParser();
  if (KORErrorHandle error = CheckFeature(name)) return error;
  if (parser->Parsing()) return InterfaceError("QUR: features cannot change during a parse", kWrongStateID);
  if (value != 0) return InterfaceError("QUR: validation and namespace processing cannot be turned on", kUnsupportedID);
  return nullptr;
}

KORErrorHandle GetProperty(KORContainer handle, KORContainer, void** value) {
  if (ParserOf(handle) == nullptr || value == nullptr) return InvalidParser();
  *value = nullptr;
  return InterfaceError("QUR: unknown property", kUnsupportedID);
}

KORErrorHandle SetProperty(KORContainer handle, KORContainer, void*) {
  if (ParserOf(handle) == nullptr) return InvalidParser();
  return InterfaceError("QUR: unknown property", kUnsupportedID);
}

KORErrorHandle ParseBySystemId(KORContainer handle, KORContainer) {
  SAX2Parser* parser = ParserOf(handle);
  if (parser == nullptr) return InvalidParser();
  if (parser->Parsing()) return InterfaceError("QUR: a parse is already running", kWrongStateID);
  return InterfaceError("QUR: this parser reads no files; parse a stream", kUnsupportedID);
}

// Takes the stream over and begins the parse; the stream is released on every path.
KORErrorHandle BeginParse(KORContainer handle, void* stream, std::int32_t reserved1, std::int32_t reserved2,
                          const QURReleaseTable* release, const QURBinInputStreamCallbacks* callbacks,
                          SAX2Parser::Reading reading, bool& more) {
  more = false;
  if (release == nullptr || release->release == nullptr) {
    return InterfaceError("QUR: a stream needs its release table", kInvalidObjectID);
  }
  if (stream == nullptr) return InterfaceError("QUR: a stream object is needed", kInvalidObjectID);
  SAX2Parser* parser = ParserOf(handle);
  if (parser == nullptr || reserved1 != 0 || reserved2 != 0) {
    release->release(stream);
    return parser == nullptr ? InvalidParser() : InterfaceError("QUR: reserved arguments must be 0", kUnsupportedID);
  }
  KORContainer container = nullptr;
  if (KORErrorHandle error = WrapObject(kQURBinInputStreamSignature, stream, release->release, &container)) {
    return error;
  }
  return parser->Begin(container, callbacks, reading, more);
}

KORErrorHandle AParse(KORContainer handle, void* stream, std::int32_t reserved1, std::int32_t reserved2,
                      const QURReleaseTable* release, const QURBinInputStreamCallbacks* callbacks) {
  const ContainerReference hold(HoldParser(handle));
  bool more = false;
  KORErrorHandle error =
      BeginParse(handle, stream, reserved1, reserved2, release, callbacks, SAX2Parser::Reading::Gathered, more);
  SAX2Parser* parser = ParserOf(handle);
  while (error == nullptr && more) error = parser->Next(more);
  return error;
}

KORErrorHandle AParseFirst(KORContainer handle, void* stream, std::int32_t reserved1, std::int32_t reserved2,
                           const QURReleaseTable* release, const QURBinInputStreamCallbacks* callbacks, char* more) {
  const ContainerReference hold(HoldParser(handle));
  bool remaining = false;
  KORErrorHandle error = BeginParse(handle, stream, reserved1, reserved2, release, callbacks,
                                    SAX2Parser::Reading::BlockByBlock, remaining);
  if (more != nullptr) *more = remaining ? 'T' : 0;
  return error;
}

KORErrorHandle ParseNext(KORContainer handle, char* more) {
  const ContainerReference hold(HoldParser(handle));
  SAX2Parser* parser = ParserOf(handle);
  if (parser == nullptr || more == nullptr) return InvalidParser();
  bool remaining = false;
  KORErrorHandle error = parser->Next(remaining);
  *more = remaining ? 'T' : 0;
  return error;
}

template <class Proc>
KORProc AsProc(Proc proc) {
  return reinterpret_cast<KORProc>(proc);
}

}  // namespace

bool PublishParserProcedures() {
  const KORProc factory[] = {
      AsProc<QURNewSAX2ParserProc>(&NewParser),
      AsProc<QURGetSAX2ParserInstanceProc>(&GetParserInstance),
  };
  const KORProc methods[] = {
      AsProc<Interface::getObjectProc>(&GetObject<Slot::ContentHandler>),
      AsProc<Interface::getObjectProc>(&GetObject<Slot::DTDHandler>),
      AsProc<Interface::getObjectProc>(&GetObject<Slot::EntityResolver>),
      AsProc<Interface::getObjectProc>(&GetObject<Slot::ErrorHandler>),
      AsProc<Interface::getFeatureProc>(&GetFeature),
      AsProc<Interface::getPropertyProc>(&GetProperty),
      AsProc<Interface::parseBySystemIdProc>(&ParseBySystemId),
      AsProc<Interface::parseBySystemIdProc>(&ParseBySystemId),
      AsProc<Interface::parseNextProc>(&ParseNext),
      AsProc<Interface::setContentHandlerProc>(&SetObject<Slot::ContentHandler, QURContentHandlerCallbacks>),
      AsProc<Interface::setOpaqueObjectProc>(&SetObject<Slot::DTDHandler, void>),
      AsProc<Interface::setOpaqueObjectProc>(&SetObject<Slot::EntityResolver, void>),
      AsProc<Interface::setErrorHandlerProc>(&SetObject<Slot::ErrorHandler, QURErrorHandlerCallbacks>),
      AsProc<Interface::setFeatureProc>(&SetFeature),
      AsProc<Interface::setPropertyProc>(&SetProperty),
      AsProc<Interface::getObjectProc>(&GetObject<Slot::Transcoder>),
      AsProc<Interface::setOpaqueObjectProc>(&SetObject<Slot::Transcoder, void>),
      AsProc<Interface::A_setErrorHandlerProc>(&ASetErrorHandler),
      AsProc<Interface::A_setContentHandlerProc>(&ASetContentHandler),
      AsProc<Interface::A_setOpaqueObjectProc>(&ASetEntityResolver),
      AsProc<Interface::A_parseProc>(&AParse),
      AsProc<Interface::A_parseFirstProc>(&AParseFirst),
      AsProc<Interface::A_setOpaqueObjectProc>(&ASetDTDHandler),
  };
  static_assert(std::size(methods) == std::size(Interface::kMethods));
  return PublishInterface(kQURNewSAX2ParserInterface, kQURNewSAX2ParserMethods, factory) &&
         PublishObjectMethods(Interface::kKind, Interface::kMethods, methods);
}

}  // namespace qur
