// Decoding of text in a named legacy encoding for `atelier decode --from`,
// through the platform's decoder, which the XML parser uses too. As with the
// Unicode forms, the text is printed as it was given or refused where it
// stops being text of that encoding, never replaced.
#pragma once

#include <string_view>

#include "Dossik.h"
#include "TextFileDecoding.h"

namespace atelier {

// Whether the platform can decode the encoding called `encoding`.
bool IsKnownEncoding(std::string_view encoding);

// Decodes the whole of `in`, which stands at its start and can be set back
// to it, as text in `encoding` (one the platform knows). A byte sequence that
// is not a character of the encoding is the fault: the text holds everything
// decoded before it and the offset is where that sequence starts (where the
// platform's decoder holds bytes back to find a character's end, at the
// first byte it held back).
DecodedTextFile DecodeLegacyText(IByteStream& in, std::string_view encoding);

}  // namespace atelier
