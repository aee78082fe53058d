/// @file
/// The faults of the UTF-8 decoder. Each is thrown by value, carries no data and
/// keeps std::exception's what(); catch invalid_utf8 to catch them all. The
/// decoder throws at the first fault, after appending every unit decoded before
/// the faulty sequence.
#pragma once

#include <exception>

#include "GlyphwerkExport.h"

/// Common base of the decoding faults; never thrown by itself.
class GLYPHWERK_EXPORT invalid_utf8 : public std::exception {
 public:
  ~invalid_utf8() override;
};

/// The input ends inside a UTF-8 sequence.
class GLYPHWERK_EXPORT unexpected_eof_utf8 : public invalid_utf8 {
 public:
  ~unexpected_eof_utf8() override;
};

/// A UTF-8 sequence is malformed, overlong or longer than four bytes.
class GLYPHWERK_EXPORT invalid_utf8_sequence : public invalid_utf8 {
 public:
  ~invalid_utf8_sequence() override;
};

/// A well-formed UTF-8 sequence encodes a surrogate (U+D800 to U+DFFF).
class GLYPHWERK_EXPORT invalid_utf8_value : public invalid_utf8 {
 public:
  ~invalid_utf8_value() override;
};

/// A decoded value lies above U+10FFFF, beyond what UTF-16 can hold.
class GLYPHWERK_EXPORT invalid_utf16_value : public invalid_utf8 {
 public:
  ~invalid_utf16_value() override;
};
