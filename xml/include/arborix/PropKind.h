/// @file
/// PropKind: the kinds of value a PropList entry can hold, one per node class
/// behind an entry. A double is stored as UTF16String text, so it has no kind
/// of its own.
#pragma once

#include <cstdint>

/// The kind of value a PropList entry holds; each kind is read and written
/// with the GetValue and SetValue overloads of its value type.
enum class PropKind : std::int32_t {
  String,                ///< an 8-bit string (std::string)
  UnicodeString,         ///< a UTF16String, also every double
  Bool,                  ///< a bool
  Unsigned16,            ///< a std::uint16_t
  Unsigned32,            ///< a std::uint32_t
  Signed32,              ///< a std::int32_t
  SubList,               ///< a nested PropList (GetSubList, NewSubList)
  StringList,            ///< a std::list of 8-bit strings
  UnicodeStringList,     ///< a std::list of UTF16String
  BoolList,              ///< a std::list of bool
  Unsigned16List,        ///< a std::list of std::uint16_t
  Unsigned32List,        ///< a std::list of std::uint32_t
  Signed32List,          ///< a std::list of std::int32_t
};
