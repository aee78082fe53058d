#include "arborix/client/CQURAttributes.h"

#include "BrokerCalls.h"
#include "ErrorConversion.h"
#include "HolderCalls.h"
#include "ObjectHelpers.h"
#include "arborix/client/CQURString.h"

using namespace arborix_internal;
using AttributesMethods = _t_ZQURAttributesInterface;

CQURAttributes::CQURAttributes(KORContainerObject* handle) : CQURAttributes(CQURHandle(handle)) {}

// The method table is found at the first call, not when the holder is made:
// a handler looks into few of the lists it is handed.
CQURAttributes::CQURAttributes(CQURHandle handle) { handle_.TakeOver(handle); }

const TKORVTab<AttributesMethods>* CQURAttributes::Table() const {
  if (handle_.get() == nullptr) RaiseError(NewError("QUR: CQURAttributes is invalid", "QUR", 3));
  if (table_ == nullptr) table_ = &AttributesHelper().TableFor(handle_.get());
  return table_;
}

std::int32_t CQURAttributes::getLength() const {
  std::int32_t length = 0;
  Invoke<AttributesMethods::getLengthProc>(Table(), AttributesMethods::getLength, handle_.get(), &length);
  return length;
}

bool CQURAttributes::ByIndex(int method, std::int32_t index, CQURString& text) const {
  const TKORVTab<AttributesMethods>* table = Table();
  text = CQURString();
  KORContainer result = nullptr;
  char found = 0;
  Invoke<AttributesMethods::byIndexProc>(table, method, handle_.get(), index, &result, &found);
  text = CQURString(CQURHandle::Adopt(result));
  if (found == 'T') return true;
  text = CQURString();
  return false;
}

// Read in place, so that a caller's string reused across lookups keeps its storage.
bool CQURAttributes::ByIndex(int method, std::int32_t index, UTF16String& text) const {
  CQURString answer;
  if (!ByIndex(method, index, answer)) return false;
  answer.GetText(text);
  return true;
}

bool CQURAttributes::getLocalName(std::int32_t index, UTF16String& name) const {
  return ByIndex(AttributesMethods::getLocalName, index, name);
}

bool CQURAttributes::getQName(std::int32_t index, UTF16String& name) const {
  return ByIndex(AttributesMethods::getQName, index, name);
}

bool CQURAttributes::getValueByIx(std::int32_t index, UTF16String& value) const {
  return ByIndex(AttributesMethods::getValueByIx, index, value);
}

bool CQURAttributes::getLocalName(std::int32_t index, CQURString& name) const {
  return ByIndex(AttributesMethods::getLocalName, index, name);
}

bool CQURAttributes::getValueByIx(std::int32_t index, CQURString& value) const {
  return ByIndex(AttributesMethods::getValueByIx, index, value);
}

bool CQURAttributes::getValue(const UTF16String& name, UTF16String& value) const {
  Table();  // a holder without handle throws before any string is made
  return getValue(CQURString::FromUTF16(name), value);
}

bool CQURAttributes::getValue(const CQURString& name, UTF16String& value) const {
  const TKORVTab<AttributesMethods>* table = Table();
  KORContainer result = nullptr;
  char found = 0;
  Invoke<AttributesMethods::byNameProc>(table, AttributesMethods::getValue, handle_.get(), name.Handle(), &result,
                                        &found);
  CQURString answer(CQURHandle::Adopt(result));
  if (found != 'T') return false;
  answer.GetText(value);
  return true;
}
