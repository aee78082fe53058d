/// @file
/// Case mapping of UTF-16 text: lowercase, uppercase and case folding (the form
/// for caseless comparison), with the full mappings of the Unicode Character
/// Database for 1446 cased code units of the Basic Multilingual Plane.
///
/// Every code unit is mapped on its own, with no locale and no context: U+03A3
/// always lowercases to U+03C3, and all four sigmas fold to final sigma U+03C2.
/// Units without a mapping pass unchanged, surrogates (and so every character
/// beyond the BMP) included. Lowercase keeps the length; uppercase and folding
/// give two or three units for 102 units such as U+00DF (-> "SS", "ss") and
/// U+FB03 (-> "FFI", "ffi"). No titlecase form is ever produced.
///
/// The mapping table is built by the first call with a non-empty string (safely,
/// even when several threads make that call at once) and only read afterwards.
/// The functions throw nothing of their own; std::bad_alloc passes through, and
/// a table build it interrupts is redone whole by the next call.
#pragma once

#include "GlyphwerkExport.h"
#include "UTF16String.h"

/// Return the lowercase, uppercase or case-folded copy of `s`.
///@{
GLYPHWERK_EXPORT UTF16String LowerCase(const UTF16String& s);
GLYPHWERK_EXPORT UTF16String UpperCase(const UTF16String& s);
GLYPHWERK_EXPORT UTF16String FoldCase(const UTF16String& s);
///@}

/// Replace `s` by its lowercase, uppercase or case-folded form.
///@{
GLYPHWERK_EXPORT void ToLowerCase(UTF16String& s);
GLYPHWERK_EXPORT void ToUpperCase(UTF16String& s);
GLYPHWERK_EXPORT void ToFoldCase(UTF16String& s);
///@}
