// The destructors are defined here so that each class's type information
// lives in Glyphwerk alone, and a fault thrown here is caught as the same
// type in every module.
#include "glyphwerk/DecodingErrors.h"

invalid_utf8::~invalid_utf8() = default;
unexpected_eof_utf8::~unexpected_eof_utf8() = default;
invalid_utf8_sequence::~invalid_utf8_sequence() = default;
invalid_utf8_value::~invalid_utf8_value() = default;
invalid_utf16_value::~invalid_utf16_value() = default;
