/// @file
/// Looking texts up by key. Keys are 8-bit strings matched byte for byte: no
/// trimming, no case folding, no leading "/" added. An absent key is no error;
/// it yields an empty text, exactly like an entry whose text is empty.
#pragma once

#include <string>

#include "UTF16String.h"
#include "VerbosaExport.h"

namespace Verbosa {

/// Returns a copy of the text stored under `key`, or an empty string.
VERBOSA_EXPORT UTF16String GetUnicodeString(const std::string& key);

/// Empties `text`, then assigns the text stored under `key` when there is one.
VERBOSA_EXPORT void GetUnicodeString(const std::string& key, UTF16String& text);

/// Whether the table holds an entry under `key`, which tells an absent key
/// from an entry whose text is empty.
VERBOSA_EXPORT bool HasString(const std::string& key);

/// One byte per code unit: the unit's low 8 bits. ASCII keys come through
/// unchanged; a unit above U+00FF loses its high byte (U+0141 gives 0x41).
VERBOSA_EXPORT std::string BuildKeyFromUnicode(const UTF16String& key);

}  // namespace Verbosa
