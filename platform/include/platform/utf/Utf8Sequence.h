// One UTF-8 sequence: how many bytes its lead byte announces, and what the
// sequence holds, or why it is not well formed. The fault is a result, not an
// exception, so that each caller decides what an ill-formed sequence means:
// a strict decoder refuses it, a lenient one replaces it, a converter stops.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/utf/Utf16Units.h"

namespace platform::utf {

// The bytes of the sequence that `lead` begins, as its high bits announce:
// 00-BF one (80-BF announce nothing, and cannot begin a sequence), C0-DF
// two, E0-EF three, F0-F7 four, F8-FB five, FC-FF six.
constexpr std::uint32_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF8) return 4;
  if (lead < 0xFC) return 5;
  return 6;
}

constexpr bool IsUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

enum class Utf8Fault : std::uint8_t {
  None,              // well formed
  Truncated,         // the bytes end before the last byte that the lead byte announces
  Malformed,         // a continuation byte or F8-FF in the lead's place, an overlong form, a value
                     // above U+10FFFF, or a byte that should continue the sequence and does not
  EncodedSurrogate,  // well formed but for its value, a surrogate (ED A0-BF 80-BF)
};

struct Utf8Decoded {
  char32_t value;         // for None and EncodedSurrogate
  std::uint32_t length;   // bytes of the sequence; for Truncated and Malformed, those the lead announces
  Utf8Fault fault;
};

// Decodes the sequence at `bytes`, of which `available` (at least 1) may be
// read. Only the shortest form of a value up to U+10FFFF is well formed: after
// E0 the second byte lies in A0-BF, after F0 in 90-BF, after F4 in 80-8F,
// after C2-DF, E1-EF and F1-F3 in 80-BF. A sequence that does not fit in
// `available` is Truncated whatever its bytes hold; the bytes that do not
// belong to it are never read.
// Always inlined: conversion loops call it for every sequence beyond ASCII,
// and only inlined does its result cost no more than the bytes it reads.
#if defined(__GNUC__)
[[gnu::always_inline]]
#endif
inline Utf8Decoded DecodeUtf8Sequence(const unsigned char* bytes, std::size_t available) {
  const unsigned char lead = bytes[0];
  if (lead < 0x80) return {lead, 1, Utf8Fault::None};
  const std::uint32_t length = Utf8SequenceLength(lead);
  if (length > available) return {0, length, Utf8Fault::Truncated};
  const Utf8Decoded malformed{0, length, Utf8Fault::Malformed};
  switch (length) {
    case 2:
      if (lead < 0xC2 || !IsUtf8Continuation(bytes[1])) return malformed;
      return {((lead & 0x1Fu) << 6) | (bytes[1] & 0x3Fu), 2, Utf8Fault::None};
    case 3: {
      const unsigned char second = bytes[1];
      if (second < (lead == 0xE0 ? 0xA0 : 0x80) || second > 0xBF || !IsUtf8Continuation(bytes[2])) return malformed;
      const char32_t value = ((lead & 0x0Fu) << 12) | ((second & 0x3Fu) << 6) | (bytes[2] & 0x3Fu);
      return {value, 3, IsSurrogate(value) ? Utf8Fault::EncodedSurrogate : Utf8Fault::None};
    }
    case 4: {
      const unsigned char second = bytes[1];
      const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
      const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
      if (lead > 0xF4 || second < low || second > high || !IsUtf8Continuation(bytes[2]) ||
          !IsUtf8Continuation(bytes[3])) {
        return malformed;
      }
      return {((lead & 0x07u) << 18) | ((second & 0x3Fu) << 12) | ((bytes[2] & 0x3Fu) << 6) | (bytes[3] & 0x3Fu), 4,
              Utf8Fault::None};
    }
    default:  // a continuation byte in the lead's place (1), or F8-FF (5, 6)
      return malformed;
  }
}

}  // namespace platform::utf
