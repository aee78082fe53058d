/// @file
/// EncodeReservedCharacters: appends `input` to `output` with the five
/// characters that XML reserves replaced by entity references:
/// ```
///   "  &quot;    &  &amp;    '  &apos;    <  &lt;    >  &gt;
/// ```
/// Every other unit is copied unchanged: control characters, line ends and
/// non-ASCII text included. `output` is not cleared first. The 16-bit overload
/// compares whole code units; the 8-bit one compares bytes, so the bytes of a
/// UTF-8 multi-byte sequence are always copied as they are.
/// When `input` and `output` are one string, its escaped form is appended to
/// its original content.
#pragma once

#include <string>

#include "ArborixExport.h"
#include "UTF16String.h"

/// Appends `input` to `output`, each reserved character replaced by its entity
/// reference; the 16-bit form works on code units, the 8-bit one on bytes.
///@{
ARBORIX_EXPORT void EncodeReservedCharacters(UTF16String& input, UTF16String& output);
ARBORIX_EXPORT void EncodeReservedCharacters(std::string& input, std::string& output);
///@}
