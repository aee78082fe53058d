// How PropList carries doubles as UTF16String text. Both directions use the
// classic locale, whatever locale the process has set.
#pragma once

#include "UTF16String.h"

namespace arborix_internal {

// The general format with six significant digits, as a default-formatted
// output stream writes it: 0.5, 3.14159, 1.23457e+06, 1e-05.
UTF16String DoubleToText(double value);

// Standard stream extraction of a double from `text`: leading white space is
// skipped and the longest number prefix converted. Returns false, leaving
// `value` unchanged, when no number can be extracted (out-of-range numbers
// included). Text from the first non-ASCII unit on is never part of a number.
bool TextToDouble(const UTF16String& text, double& value);

}  // namespace arborix_internal
