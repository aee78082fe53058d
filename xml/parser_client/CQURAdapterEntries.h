// The callback and release tables through which the parser reaches the
// library's handlers and streams. Every entry finds the library object behind
// the container the parser passes, calls its raw operation and turns whatever
// is thrown into an error handle; nothing thrown ever reaches the parser.
#pragma once

#include "QURParser.h"

class HQURContentHandlerBase;
class HQURErrorHandlerBase;
class HQURBinInputStreamBase;

class CQURAdapterEntries {
 public:
  static const QURReleaseTable kContentHandlerRelease;
  static const QURContentHandlerCallbacks kContentHandlerCallbacks;
  static const QURReleaseTable kErrorHandlerRelease;
  static const QURErrorHandlerCallbacks kErrorHandlerCallbacks;
  static const QURReleaseTable kStreamRelease;
  static const QURBinInputStreamCallbacks kStreamCallbacks;

  // The pointer the parser is given for an object (that of its marker class).
  static void* ObjectPointer(HQURContentHandlerBase* handler);
  static void* ObjectPointer(HQURErrorHandlerBase* handler);
  static void* ObjectPointer(HQURBinInputStreamBase* stream);

 private:
  static HQURContentHandlerBase& ContentHandler(KORContainer handle);
  static HQURErrorHandlerBase& ErrorHandler(KORContainer handle);
  // The same lookup for an entry that owns `error`: releases it if the lookup throws.
  static HQURErrorHandlerBase& ErrorHandlerReleasingOnFailure(KORContainer handle, KORErrorHandle error);
  static HQURBinInputStreamBase& Stream(KORContainer handle);

  static void ReleaseContentHandler(void* object);
  static void ReleaseErrorHandler(void* object);
  static void ReleaseStream(void* object);

  static KORErrorHandle Characters(KORContainer handler, KORContainer text);
  static KORErrorHandle EndDocument(KORContainer handler);
  static KORErrorHandle EndElement(KORContainer handler, KORContainer uri, KORContainer localName,
                                   KORContainer qualifiedName);
  static KORErrorHandle EndPrefixMapping(KORContainer handler, KORContainer prefix);
  static KORErrorHandle IgnorableWhitespace(KORContainer handler, KORContainer text);
  static KORErrorHandle ProcessingInstruction(KORContainer handler, KORContainer target, KORContainer data);
  static KORErrorHandle SetDocumentLocator(KORContainer handler, KORContainer locator);
  static KORErrorHandle StartDocument(KORContainer handler);
  static KORErrorHandle StartElement(KORContainer handler, KORContainer uri, KORContainer localName,
                                     KORContainer qualifiedName, KORContainer attributes);
  static KORErrorHandle StartPrefixMapping(KORContainer handler, KORContainer prefix, KORContainer uri);
  static KORErrorHandle SkippedEntity(KORContainer handler, KORContainer name);
  static KORErrorHandle ReservedText(KORContainer handler, KORContainer text);
  static KORErrorHandle ReservedDeclaration(KORContainer handler, KORContainer a, KORContainer b, KORContainer c,
                                            KORContainer d);

  static KORErrorHandle Warning(KORContainer handler, KORErrorHandle error);
  static KORErrorHandle Error(KORContainer handler, KORErrorHandle error);
  static KORErrorHandle FatalError(KORContainer handler, KORErrorHandle error);
  static KORErrorHandle ResetErrors(KORContainer handler);

  static KORErrorHandle Prepare(KORContainer stream);
  static KORErrorHandle CurPos(KORContainer stream, std::uint32_t* position);
  static KORErrorHandle IsSeekable(KORContainer stream, char* answer);
  static KORErrorHandle ReadBytes(KORContainer stream, unsigned char* buffer, std::uint32_t maximum,
                                  std::uint32_t* count);
  static KORErrorHandle Notify(KORContainer stream, std::int32_t event);
};
