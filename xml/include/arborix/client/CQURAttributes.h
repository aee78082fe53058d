/// @file
/// CQURAttributes: a counted reference to the attribute list of one start tag.
/// Lookups answer whether the attribute exists and fill the caller's string
/// only when it does. Calls on a holder without handle throw the error
/// "QUR: CQURAttributes is invalid".
#pragma once

#include <cstdint>

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/client/CQURHandle.h"
#include "arborix/client/CQURString.h"

/// A counted reference to the attribute list of one start tag.
class ARBORIX_EXPORT CQURAttributes {
 public:
  /// A holder without handle.
  CQURAttributes() = default;
  /// Adds a reference to `handle`; one that is not a live container throws
  /// ZEVException("invalid container"). Null makes a holder without handle.
  explicit CQURAttributes(KORContainerObject* handle);
  /// Takes over the reference `handle` holds, borrowed or counted.
  explicit CQURAttributes(CQURHandle handle);

  /// The number of attributes in the list.
  std::int32_t getLength() const;
  /// The name of the attribute at `index` (0-based) as written (namespace
  /// processing is off); false for an index outside the list.
  bool getLocalName(std::int32_t index, UTF16String& name) const;
  /// The qualified name of the attribute at `index`; false for an index
  /// outside the list.
  bool getQName(std::int32_t index, UTF16String& name) const;
  /// The value of the attribute at `index`; false for an index outside the list.
  bool getValueByIx(std::int32_t index, UTF16String& value) const;
  /// The name and the value at `index` as the parser's strings, for a caller
  /// that reads them with CQURString::CopyUTF16 into storage of its own. The
  /// string `text` held before is let go first, so that the parser can reuse
  /// it; false for an index outside the list (`text` then holds no string).
  ///@{
  bool getLocalName(std::int32_t index, CQURString& name) const;
  bool getValueByIx(std::int32_t index, CQURString& value) const;
  ///@}
  /// The value of the attribute called `name`.
  bool getValue(const UTF16String& name, UTF16String& value) const;
  /// The same with the name as a parser string, which a caller looking up one
  /// name in many lists makes once.
  bool getValue(const CQURString& name, UTF16String& value) const;

  /// The attribute-list handle, still owned by this holder; null without handle.
  KORContainerObject* Handle() const { return handle_.get(); }

 private:
  /// The method table, found at the first call; throws for a holder without handle.
  const TKORVTab<_t_ZQURAttributesInterface>* Table() const;
  bool ByIndex(int method, std::int32_t index, UTF16String& text) const;
  bool ByIndex(int method, std::int32_t index, CQURString& text) const;
  CQURHandle handle_;
  mutable TKORVTab<_t_ZQURAttributesInterface>* table_ = nullptr;
};
