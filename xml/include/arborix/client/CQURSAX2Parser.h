/// @file
/// CQURSAX2Parser: a counted reference to a SAX2 parser of the parser
/// component, the way every parse reaches it:
///
/// @code
/// CQURSAX2Parser parser = CQURSAX2Parser::New();
/// parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
/// parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
/// parser.A_setContentHandler(new MyContentHandler);
/// parser.A_setErrorHandler(new MyErrorHandler);
/// parser.A_parse(new MyStream);  // throws the parse's error, if any
/// @endcode
///
/// Every call raises the error the parser returns: out of memory as
/// std::bad_alloc, everything else as CKORError. Handlers and streams belong to
/// the parser from the call that hands them over, even when that call throws;
/// the parser destroys a stream when the parse ends and the handlers when it is
/// released. Calls on a holder without handle throw the error
/// "QUR: CQURSAX2Parser is invalid".
#pragma once

#include "ArborixExport.h"
#include "arborix/client/CQURHandle.h"

class HQURContentHandlerBase;
class HQURErrorHandlerBase;
class HQURBinInputStreamBase;

/// A counted reference to a SAX2 parser of the parser component.
class ARBORIX_EXPORT CQURSAX2Parser {
 public:
  /// The standard SAX2 feature that turns validation on or off.
  static constexpr const char* kValidationFeature = "http://xml.org/sax/features/validation";
  /// The standard SAX2 feature that turns namespace processing on or off.
  static constexpr const char* kNamespacesFeature = "http://xml.org/sax/features/namespaces";

  /// A new parser ("New"(2) of the parser factory). Throws ZEVException when no
  /// XMLEntryExit has started the client layer.
  static CQURSAX2Parser New();

  /// A holder without handle: every call but Release() and Handle() throws.
  CQURSAX2Parser() = default;
  /// Takes over one reference to the parser `handle`.
  explicit CQURSAX2Parser(KORContainerObject* handle);

  /// Turns the SAX2 feature named `feature` on or off; an unknown feature throws.
  void setFeature(const char* feature, bool on);
  /// Hands `handler` to the parser as its content handler.
  void A_setContentHandler(HQURContentHandlerBase* handler);
  /// Hands `handler` to the parser as its error handler.
  void A_setErrorHandler(HQURErrorHandlerBase* handler);
  /// Parses the whole stream; returns after the last callback. Parses run one
  /// at a time in the process: while another thread is parsing, throws
  /// ZEVException ("XML calls run one at a time: another thread is parsing")
  /// and destroys the stream. A callback may parse on its own thread.
  void A_parse(HQURBinInputStreamBase* stream);

  /// Releases the parser now (and with it the handlers it owns).
  void Release() noexcept { handle_.Reset(); }
  /// The parser's handle, still owned by this holder; null when it has none.
  KORContainerObject* Handle() const { return handle_.get(); }

 private:
  void CheckHandle() const;
  CQURHandle handle_;
  TKORVTab<_t_ZQURSAX2ParserInterface>* table_ = nullptr;
};
