/// @file
/// Decoding of text held in a byte stream into UTF-16.
///
/// Every decoder appends to the string it is given and never clears it. A
/// decoder reads from the stream's current position to its end: when the
/// stream reports a length, exactly up to that length, even if more could be
/// read; when it reports 0, until reading a byte throws. A stream that fails
/// while a decoder reads from it therefore ends the text quietly; the units
/// decoded up to then stay in the string.
#pragma once

#include "Dossik.h"
#include "GlyphwerkExport.h"
#include "UTF16String.h"
#include "glyphwerk/DecodingErrors.h"

/// Decodes UTF-8. A byte-order mark is not skipped: it becomes U+FEFF. Throws
/// at the first fault (see DecodingErrors.h); the faulty sequence's bytes are
/// consumed, the units before it are kept. There is no replacement character.
GLYPHWERK_EXPORT void UTF8ToString(IByteStream& in, UTF16String& out);

/// Decode UTF-16 little-endian and big-endian. Units are copied as they come,
/// surrogates unpaired or not, a mark as U+FEFF; an odd last byte gives one
/// more unit whose missing byte is 0. Throw nothing of their own.
///@{
GLYPHWERK_EXPORT void UTF16LEToString(IByteStream& in, UTF16String& out);
GLYPHWERK_EXPORT void UTF16BEToString(IByteStream& in, UTF16String& out);
///@}

/// Decodes text by its byte-order mark: FE FF is UTF-16 big-endian, FF FE
/// UTF-16 little-endian, EF BB BF UTF-8, and the mark is skipped; anything else
/// is UTF-8 read from where the stream stood. The UTF-16 marks are tried first,
/// so FF FE 00 00 is UTF-16 starting with U+0000. Text too short to hold a mark
/// is UTF-8. Errors of the stream other than reaching its end pass through, as
/// do the UTF-8 decoder's faults.
GLYPHWERK_EXPORT void TextToString(IByteStream& in, UTF16String& out);

/// The place of a UTF-16 code unit among the surrogates.
enum UnicodeSurrogateT {
  NotSurrogate = 0,   ///< 0000-D7FF and E000-FFFF
  HighSurrogate = 1,  ///< D800-DBFF
  LowSurrogate = 2,   ///< DC00-DFFF
};

/// Whether a UTF-16 code unit is a surrogate, and which half.
GLYPHWERK_EXPORT UnicodeSurrogateT UnicodeSurrogate(char16_t unit);
