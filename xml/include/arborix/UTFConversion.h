/// @file
/// Conversion between UTF-8 (8-bit strings) and UTF-16 (UTF16String). Neither
/// function throws on bad input; each returns a new string.
#pragma once

#include <string>

#include "ArborixExport.h"
#include "UTF16String.h"

/// Decodes `utf8` up to its first ill-formed or incomplete sequence and drops
/// everything from there on, silently. Ill-formed: a stray continuation byte,
/// an overlong form, a lead byte above F4, a code point above U+10FFFF, a five
/// or six byte form. Three-byte encodings of D800-DFFF are accepted and give
/// that unit as it is. Code points above U+FFFF become surrogate pairs.
ARBORIX_EXPORT UTF16String UTF8to16(const std::string& utf8);

/// Encodes every unit of `utf16` in the shortest UTF-8 form; a high surrogate
/// followed by a low one becomes one four-byte sequence. An unpaired surrogate
/// is encoded as a code point of its own (three bytes ED A0-BF 80-BF): the
/// conversion never stops early and never fails.
ARBORIX_EXPORT std::string UTF16to8(const UTF16String& utf16);
