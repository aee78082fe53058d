#include "arborix/client/CQURSAX2Parser.h"

#include <optional>

#include "BrokerCalls.h"
#include "CQURAdapterEntries.h"
#include "ClientLayer.h"
#include "HolderCalls.h"
#include "ObjectHelpers.h"
#include "ParserTurn.h"
#include "arborix/client/CQURString.h"
#include "arborix/client/HQURBinInputStreamBase.h"
#include "arborix/client/HQURContentHandlerBase.h"
#include "arborix/client/HQURErrorHandlerBase.h"
#include "arborix/client/ZEVException.h"

using namespace arborix_internal;
using ParserMethods = _t_ZQURSAX2ParserInterface;

CQURSAX2Parser CQURSAX2Parser::New() {
  KORContainer made = nullptr;
  RaiseIfError(
      Use(Interface::NewSAX2Parser).Get<QURNewSAX2ParserProc>(kQURNewSAX2Parser)(kQURSAX2ParserKind, &made));
  CQURSAX2Parser parser;
  parser.handle_ = CQURHandle::Adopt(made);
  parser.table_ = &SAX2ParserHelper().TableFor(made);
  return parser;
}

CQURSAX2Parser::CQURSAX2Parser(KORContainerObject* handle) : handle_(handle) {
  if (handle_.get() != nullptr) table_ = &SAX2ParserHelper().TableFor(handle_.get());
}

void CQURSAX2Parser::CheckHandle() const {
  if (handle_.get() == nullptr) RaiseError(NewError("QUR: CQURSAX2Parser is invalid", "QUR", 3));
}

void CQURSAX2Parser::setFeature(const char* feature, bool on) {
  CheckHandle();
  CQURString name = CQURString::FromUTF8(feature);
  Invoke<ParserMethods::setFeatureProc>(table_, ParserMethods::setFeature, handle_.get(), name.Handle(),
                                        on ? 'T' : '\0');
}

// What is handed over belongs to the parser even when there is none to take it.
void CQURSAX2Parser::A_setContentHandler(HQURContentHandlerBase* handler) {
  if (handle_.get() == nullptr && handler != nullptr) handler->selfDestruct();
  CheckHandle();
  Invoke<ParserMethods::A_setContentHandlerProc>(table_, ParserMethods::A_setContentHandler, handle_.get(),
                                                 CQURAdapterEntries::ObjectPointer(handler),
                                                 &CQURAdapterEntries::kContentHandlerRelease,
                                                 &CQURAdapterEntries::kContentHandlerCallbacks);
}

void CQURSAX2Parser::A_setErrorHandler(HQURErrorHandlerBase* handler) {
  if (handle_.get() == nullptr && handler != nullptr) handler->selfDestruct();
  CheckHandle();
  Invoke<ParserMethods::A_setErrorHandlerProc>(table_, ParserMethods::A_setErrorHandler, handle_.get(),
                                               CQURAdapterEntries::ObjectPointer(handler),
                                               &CQURAdapterEntries::kErrorHandlerRelease,
                                               &CQURAdapterEntries::kErrorHandlerCallbacks);
}

void CQURSAX2Parser::A_parse(HQURBinInputStreamBase* stream) {
  if (handle_.get() == nullptr && stream != nullptr) stream->selfDestruct();
  CheckHandle();
  std::optional<ParserTurn> turn;
  try {
    turn.emplace();
  } catch (const ZEVException&) {
    if (stream != nullptr) stream->selfDestruct();
    throw;
  }
  Invoke<ParserMethods::A_parseProc>(table_, ParserMethods::A_parse, handle_.get(),
                                     CQURAdapterEntries::ObjectPointer(stream), 0, 0,
                                     &CQURAdapterEntries::kStreamRelease, &CQURAdapterEntries::kStreamCallbacks);
}
