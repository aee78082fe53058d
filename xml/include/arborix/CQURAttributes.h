// CQURAttributes: a counted reference to the attribute list of one start tag.
// Lookups answer whether the attribute exists and fill the caller's string
// only when it does. Calls on a holder without handle throw the error
// "QUR: CQURAttributes is invalid".
#pragma once

#include <cstdint>

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/CQURHandle.h"
#include "arborix/CQURString.h"

class ARBORIX_EXPORT CQURAttributes {
 public:
  CQURAttributes() = default;
  explicit CQURAttributes(KORContainerObject* handle);
  // Takes over the reference `handle` holds, borrowed or counted.
  explicit CQURAttributes(CQURHandle handle);

  std::int32_t getLength() const;
  // The name as written (namespace processing is off).
  bool getLocalName(std::int32_t index, UTF16String& name) const;
  bool getQName(std::int32_t index, UTF16String& name) const;
  bool getValueByIx(std::int32_t index, UTF16String& value) const;
  // The value of the attribute called `name`.
  bool getValue(const UTF16String& name, UTF16String& value) const;
  // The same with the name as a parser string, which a caller looking up one
  // name in many lists makes once.
  bool getValue(const CQURString& name, UTF16String& value) const;

  KORContainerObject* Handle() const { return handle_.get(); }

 private:
  // The method table, found at the first call; throws for a holder without handle.
  const TKORVTab<_t_ZQURAttributesInterface>* Table() const;
  bool ByIndex(int method, std::int32_t index, UTF16String& text) const;
  CQURHandle handle_;
  mutable TKORVTab<_t_ZQURAttributesInterface>* table_ = nullptr;
};
