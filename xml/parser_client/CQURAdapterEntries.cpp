#include "CQURAdapterEntries.h"

#include <cstring>

#include "BrokerCalls.h"
#include "ClientLayer.h"
#include "ErrorConversion.h"
#include "arborix/client/HQURBinInputStreamBase.h"
#include "arborix/client/HQURContentHandlerBase.h"
#include "arborix/client/HQURErrorHandlerBase.h"
#include "arborix/client/ZEVException.h"

using namespace arborix_internal;

namespace {

constexpr const char* kFatalErrorWrapper = "QURFatalErrorHack";

// The object behind a container: its primary instance when the signature
// matches, else the instance of that signature the broker finds in it.
// Atoms are interned: the same atom is the same signature.
void* InstanceFor(KORContainer handle, OwnObject kind) {
  const KORStringAtom signature = SignatureAtom(kind);
  const KORInstanceSlot& slot = PrimarySlot(handle);
  if (slot.signature == signature) return slot.instance;
  void* instance = NGetInstance(handle, signature);
  if (instance == nullptr) throw ZEVException("couldn't get signature");
  return instance;
}

}  // namespace

const QURReleaseTable CQURAdapterEntries::kContentHandlerRelease{&ReleaseContentHandler};
const QURContentHandlerCallbacks CQURAdapterEntries::kContentHandlerCallbacks{
    &Characters,    &EndDocument,        &EndElement,         &EndPrefixMapping, &IgnorableWhitespace,
    &ProcessingInstruction, &SetDocumentLocator, &StartDocument, &StartElement, &StartPrefixMapping,
    &SkippedEntity, &ReservedText,       &ReservedDeclaration,
};
const QURReleaseTable CQURAdapterEntries::kErrorHandlerRelease{&ReleaseErrorHandler};
const QURErrorHandlerCallbacks CQURAdapterEntries::kErrorHandlerCallbacks{&Warning, &Error, &FatalError,
                                                                          &ResetErrors};
const QURReleaseTable CQURAdapterEntries::kStreamRelease{&ReleaseStream};
const QURBinInputStreamCallbacks CQURAdapterEntries::kStreamCallbacks{&Prepare, &CurPos, &IsSeekable, &ReadBytes,
                                                                      &Notify};

void* CQURAdapterEntries::ObjectPointer(HQURContentHandlerBase* handler) {
  return static_cast<ZQURContentHandlerPrototype*>(handler);
}
void* CQURAdapterEntries::ObjectPointer(HQURErrorHandlerBase* handler) {
  return static_cast<ZQURErrorHandlerPrototype*>(handler);
}
void* CQURAdapterEntries::ObjectPointer(HQURBinInputStreamBase* stream) {
  return static_cast<ZQURBinInputStreamPrototype*>(stream);
}

HQURContentHandlerBase& CQURAdapterEntries::ContentHandler(KORContainer handle) {
  auto* prototype = static_cast<ZQURContentHandlerPrototype*>(InstanceFor(handle, OwnObject::ContentHandler));
  return static_cast<HQURContentHandlerBase&>(*prototype);
}

HQURErrorHandlerBase& CQURAdapterEntries::ErrorHandler(KORContainer handle) {
  auto* prototype = static_cast<ZQURErrorHandlerPrototype*>(InstanceFor(handle, OwnObject::ErrorHandler));
  return static_cast<HQURErrorHandlerBase&>(*prototype);
}

HQURErrorHandlerBase& CQURAdapterEntries::ErrorHandlerReleasingOnFailure(KORContainer handle,
                                                                        KORErrorHandle error) {
  try {
    return ErrorHandler(handle);
  } catch (...) {
    ReleaseError(error);
    throw;
  }
}

HQURBinInputStreamBase& CQURAdapterEntries::Stream(KORContainer handle) {
  auto* prototype = static_cast<ZQURBinInputStreamPrototype*>(InstanceFor(handle, OwnObject::BinInputStream));
  return static_cast<HQURBinInputStreamBase&>(*prototype);
}

// The release entries run inside the broker: nothing may escape them.
void CQURAdapterEntries::ReleaseContentHandler(void* object) {
  if (object == nullptr) return;
  try {
    static_cast<HQURContentHandlerBase*>(static_cast<ZQURContentHandlerPrototype*>(object))->selfDestruct();
  } catch (...) {
  }
}

void CQURAdapterEntries::ReleaseErrorHandler(void* object) {
  if (object == nullptr) return;
  try {
    static_cast<HQURErrorHandlerBase*>(static_cast<ZQURErrorHandlerPrototype*>(object))->selfDestruct();
  } catch (...) {
  }
}

void CQURAdapterEntries::ReleaseStream(void* object) {
  if (object == nullptr) return;
  try {
    static_cast<HQURBinInputStreamBase*>(static_cast<ZQURBinInputStreamPrototype*>(object))->selfDestruct();
  } catch (...) {
  }
}

KORErrorHandle CQURAdapterEntries::Characters(KORContainer handler, KORContainer text) {
  return CatchIntoError([&] { ContentHandler(handler).rawCharacters(text); });
}

KORErrorHandle CQURAdapterEntries::EndDocument(KORContainer handler) {
  return CatchIntoError([&] { ContentHandler(handler).endDocument(); });
}

KORErrorHandle CQURAdapterEntries::EndElement(KORContainer handler, KORContainer uri, KORContainer localName,
                                              KORContainer qualifiedName) {
  return CatchIntoError([&] { ContentHandler(handler).rawEndElement(uri, localName, qualifiedName); });
}

KORErrorHandle CQURAdapterEntries::EndPrefixMapping(KORContainer handler, KORContainer prefix) {
  return CatchIntoError([&] { ContentHandler(handler).rawEndPrefixMapping(prefix); });
}

KORErrorHandle CQURAdapterEntries::IgnorableWhitespace(KORContainer handler, KORContainer text) {
  return CatchIntoError([&] { ContentHandler(handler).rawIgnorableWhitespace(text); });
}

KORErrorHandle CQURAdapterEntries::ProcessingInstruction(KORContainer handler, KORContainer target,
                                                         KORContainer data) {
  return CatchIntoError([&] { ContentHandler(handler).rawProcessingInstruction(target, data); });
}

KORErrorHandle CQURAdapterEntries::SetDocumentLocator(KORContainer handler, KORContainer locator) {
  return CatchIntoError([&] { ContentHandler(handler).rawSetDocumentLocator(locator); });
}

KORErrorHandle CQURAdapterEntries::StartDocument(KORContainer handler) {
  return CatchIntoError([&] { ContentHandler(handler).startDocument(); });
}

KORErrorHandle CQURAdapterEntries::StartElement(KORContainer handler, KORContainer uri, KORContainer localName,
                                                KORContainer qualifiedName, KORContainer attributes) {
  return CatchIntoError([&] { ContentHandler(handler).rawStartElement(uri, localName, qualifiedName, attributes); });
}

KORErrorHandle CQURAdapterEntries::StartPrefixMapping(KORContainer handler, KORContainer prefix, KORContainer uri) {
  return CatchIntoError([&] { ContentHandler(handler).rawStartPrefixMapping(prefix, uri); });
}

KORErrorHandle CQURAdapterEntries::SkippedEntity(KORContainer handler, KORContainer name) {
  return CatchIntoError([&] { ContentHandler(handler).rawSkippedEntity(name); });
}

KORErrorHandle CQURAdapterEntries::ReservedText(KORContainer handler, KORContainer text) {
  return CatchIntoError([&] { ContentHandler(handler).rawReservedText(text); });
}

KORErrorHandle CQURAdapterEntries::ReservedDeclaration(KORContainer handler, KORContainer a, KORContainer b,
                                                       KORContainer c, KORContainer d) {
  return CatchIntoError([&] { ContentHandler(handler).rawReservedDeclaration(a, b, c, d); });
}

// The error handed in belongs to the entry: released on every path that does
// not pass it on to a raw operation.
KORErrorHandle CQURAdapterEntries::Warning(KORContainer handler, KORErrorHandle error) {
  return CatchIntoError([&] { ErrorHandlerReleasingOnFailure(handler, error).rawWarning(error); });
}

KORErrorHandle CQURAdapterEntries::Error(KORContainer handler, KORErrorHandle error) {
  return CatchIntoError([&] { ErrorHandlerReleasingOnFailure(handler, error).rawError(error); });
}

// A fatal error travels to raw error inside a wrapper whose ID is the
// original handle; raw error unwraps it and calls fatalError.
KORErrorHandle CQURAdapterEntries::FatalError(KORContainer handler, KORErrorHandle error) {
  return CatchIntoError([&] {
    HQURErrorHandlerBase& target = ErrorHandlerReleasingOnFailure(handler, error);
    KORErrorHandle wrapper = nullptr;
    try {
      wrapper = NewError("fatal error", kFatalErrorWrapper, reinterpret_cast<std::intptr_t>(error));
    } catch (...) {
      ReleaseError(error);
      throw;
    }
    if (std::strcmp(ErrorComponent(wrapper), kFatalErrorWrapper) != 0) {
      // The broker could not make the wrapper and answered with a core error.
      ReleaseError(error);
      RaiseError(wrapper);
    }
    target.rawError(wrapper);
  });
}

KORErrorHandle CQURAdapterEntries::ResetErrors(KORContainer handler) {
  return CatchIntoError([&] { ErrorHandler(handler).resetErrors(); });
}

KORErrorHandle CQURAdapterEntries::Prepare(KORContainer) { return nullptr; }

KORErrorHandle CQURAdapterEntries::CurPos(KORContainer stream, std::uint32_t* position) {
  return CatchIntoError([&] { Stream(stream).rawCurPos(position); });
}

KORErrorHandle CQURAdapterEntries::IsSeekable(KORContainer stream, char* answer) {
  return CatchIntoError([&] { Stream(stream).rawIsSeekable(answer); });
}

KORErrorHandle CQURAdapterEntries::ReadBytes(KORContainer stream, unsigned char* buffer, std::uint32_t maximum,
                                             std::uint32_t* count) {
  return CatchIntoError([&] { Stream(stream).rawReadBytes(buffer, maximum, count); });
}

KORErrorHandle CQURAdapterEntries::Notify(KORContainer stream, std::int32_t event) {
  return CatchIntoError([&] { Stream(stream).notify(event); });
}
