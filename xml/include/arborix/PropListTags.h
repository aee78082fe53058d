/// @file
/// PropListTags: the names of the elements and attributes of property-list
/// files, and the attribute values of their `int` elements, exactly as
/// PropListUtils writes and reads them (names compare case-sensitively, as
/// whole names). A file is
///
/// @code
/// <prop.map>
/// <prop.list>
/// <prop.pair>
/// <key>Name</key>
/// <ustring>value</ustring>
/// </prop.pair>
/// ...
/// </prop.list>
/// </prop.map>
/// @endcode
///
/// where a value is a `string`, `ustring`, `int`, `array` or nested
/// `prop.list` element with its content, or an empty `true` or `false`
/// element. An `int` element says its kind in its two attributes:
/// `type='unsigned' size='16'`, `type='unsigned' size='32'` or
/// `type='signed' size='32'`.
/// Each text is null-terminated.
#pragma once

#include <string_view>

/// The spellings of property-list files.
namespace PropListTags {

/// The document's root element.
inline constexpr std::string_view kMap = "prop.map";
/// One list: the map's content, and the value of a sub-list entry.
inline constexpr std::string_view kList = "prop.list";
/// One entry of a list: its key, then its value.
inline constexpr std::string_view kPair = "prop.pair";
/// The key of an entry.
inline constexpr std::string_view kKey = "key";
/// An 8-bit string value.
inline constexpr std::string_view kString = "string";
/// A UTF16String value (doubles included).
inline constexpr std::string_view kUnicodeString = "ustring";
/// The boolean true, an empty element.
inline constexpr std::string_view kTrue = "true";
/// The boolean false, an empty element.
inline constexpr std::string_view kFalse = "false";
/// An integer value, in decimal, described by its two attributes below.
inline constexpr std::string_view kInt = "int";
/// A list value: a run of scalar value elements.
inline constexpr std::string_view kArray = "array";

/// The attribute of `int` that tells the signedness: kSigned or kUnsigned.
inline constexpr std::string_view kIntType = "type";
/// The attribute of `int` that tells the width in bits: kBits16 or kBits32.
inline constexpr std::string_view kIntSize = "size";
/// `type` of a signed integer.
inline constexpr std::string_view kSigned = "signed";
/// `type` of an unsigned integer.
inline constexpr std::string_view kUnsigned = "unsigned";
/// `size` of a 16-bit integer (always unsigned when read, whatever its type).
inline constexpr std::string_view kBits16 = "16";
/// `size` of a 32-bit integer.
inline constexpr std::string_view kBits32 = "32";

}  ///< namespace PropListTags
