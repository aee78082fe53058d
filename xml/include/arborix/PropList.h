/// @file
/// PropList: a tree of named, typed values. Each UTF16String key (compared
/// code unit by code unit, no folding; the empty key is a key) holds one value
/// of one kind: an 8-bit string, a UTF16String, a bool, an unsigned 16-bit,
/// unsigned 32-bit or signed 32-bit integer, a list of one of those, or a
/// nested sub-list. Doubles are carried as UTF16String text.
///
/// GetValue finds the key and, only when it holds exactly the kind asked for,
/// fills `out` and returns true; otherwise it returns false and leaves `out`
/// untouched. Nothing is converted between kinds. List getters append to
/// `out` instead of replacing it. SetValue replaces whatever the key held,
/// of whatever kind, destroying it. A list owns its whole tree; it is neither
/// copied nor assigned. No operation is synchronised.
#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <memory_resource>
#include <string>

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/PropKind.h"

namespace arborix_internal {
class PropNodeBase;
}  // namespace arborix_internal

/// A tree of named, typed values, owned whole by its root list.
class ARBORIX_EXPORT PropList {
 public:
  /// An empty list.
  PropList();
  PropList(const PropList&) = delete;
  PropList& operator=(const PropList&) = delete;
  virtual ~PropList();

  /// Reads a UTF16String entry as a double with standard stream extraction in
  /// the classic locale (leading white space skipped, the longest number
  /// prefix taken). Returns true for any UTF16String entry, and leaves `out`
  /// unchanged when its text starts with no number.
  virtual bool GetValue(const UTF16String& key, double& out) const;
  /// When the entry under `key` holds exactly the kind of `out`, assigns its
  /// value to `out` (a list's elements are appended, in stored order, after
  /// what `out` holds) and returns true; otherwise returns false and leaves
  /// `out` untouched.
  ///@{
  virtual bool GetValue(const UTF16String& key, std::list<std::int32_t>& out) const;
  virtual bool GetValue(const UTF16String& key, std::int32_t& out) const;
  virtual bool GetValue(const UTF16String& key, std::list<std::uint32_t>& out) const;
  virtual bool GetValue(const UTF16String& key, std::uint32_t& out) const;
  virtual bool GetValue(const UTF16String& key, std::list<std::uint16_t>& out) const;
  virtual bool GetValue(const UTF16String& key, std::uint16_t& out) const;
  virtual bool GetValue(const UTF16String& key, std::list<bool>& out) const;
  virtual bool GetValue(const UTF16String& key, bool& out) const;
  virtual bool GetValue(const UTF16String& key, std::list<std::string>& out) const;
  virtual bool GetValue(const UTF16String& key, std::string& out) const;
  virtual bool GetValue(const UTF16String& key, std::list<UTF16String>& out) const;
  virtual bool GetValue(const UTF16String& key, UTF16String& out) const;
  ///@}

  /// Stores the double as UTF16String text in the general format with six
  /// significant digits (classic locale: 0.5, 1.23457e+06), so it reads back
  /// rounded to six digits.
  virtual void SetValue(const UTF16String& key, const double& value);
  /// Stores `value` under `key`, a list as a copy of each element in order.
  /// An entry of the same kind is overwritten in place; anything else the key
  /// held, a sub-list or an array with everything in it, is destroyed.
  ///@{
  virtual void SetValue(const UTF16String& key, const std::list<std::int32_t>& value);
  virtual void SetValue(const UTF16String& key, const std::int32_t& value);
  virtual void SetValue(const UTF16String& key, const std::list<std::uint32_t>& value);
  virtual void SetValue(const UTF16String& key, const std::uint32_t& value);
  virtual void SetValue(const UTF16String& key, const std::list<std::uint16_t>& value);
  virtual void SetValue(const UTF16String& key, const std::uint16_t& value);
  virtual void SetValue(const UTF16String& key, const std::list<bool>& value);
  virtual void SetValue(const UTF16String& key, const bool& value);
  virtual void SetValue(const UTF16String& key, const std::list<std::string>& value);
  virtual void SetValue(const UTF16String& key, const std::string& value);
  virtual void SetValue(const UTF16String& key, const std::list<UTF16String>& value);
  virtual void SetValue(const UTF16String& key, const UTF16String& value);
  ///@}
  /// Stores the text at `value` as a UTF16String or 8-bit string entry, for
  /// string literals and other character pointers. Without these a pointer
  /// would reach the bool setter (a pointer converts to bool before it
  /// converts to a string) and the text would be stored as true. A null
  /// pointer is not a text: it must not be passed.
  ///@{
  void SetValue(const UTF16String& key, const char16_t* value) { SetValue(key, UTF16String(value)); }
  void SetValue(const UTF16String& key, const char* value) { SetValue(key, std::string(value)); }
  ///@}

  /// The sub-list under `key`, or null when the key is absent or holds
  /// another kind. Never creates an entry.
  virtual PropList* GetSubList(const UTF16String& key) const;
  /// The sub-list under `key`, content included; when the key holds anything
  /// else (or nothing), a new empty sub-list replaces it. Never null. The
  /// pointer stays valid until the key gets a value of another kind or a list
  /// above it is cleared or destroyed.
  virtual PropList* NewSubList(const UTF16String& key);
  /// Destroys every entry, sub-lists and arrays included.
  virtual void Clear();
  /// Appends the list's XML text: `<prop.list>`, one `<prop.pair>` per entry
  /// in key order, `</prop.list>`, each tag on a line of its own. For use inside
  /// the library by the property-list writer, which is why it is not exported.
  ARBORIX_NO_EXPORT virtual void AppendXML(std::string& out) const;

  /// Calls `visit` with the key and the kind of each entry, in key order (the
  /// order of the keys' code units). Not virtual, so that the virtual table
  /// holds the operations above and only those. Each value is read with the
  /// GetValue overload (or GetSubList) of its kind; a sub-list is not
  /// entered. `visit` must not change this list; an exception it throws ends
  /// the visit and reaches the caller.
  void VisitEntries(const std::function<void(const UTF16String& key, PropKind kind)>& visit) const;

 private:
  /// Destroys every entry without recursing into sub-lists, so that nesting
  /// of any depth costs no stack.
  ARBORIX_NO_EXPORT void DestroyEntries();

  /// Ordered by key. Its links come from the library's node memory, which
  /// hands a destroyed list's blocks to the next list without the heap.
  std::pmr::map<UTF16String, std::unique_ptr<arborix_internal::PropNodeBase>> entries_;
};
