// UTF-8 held in memory converted to UTF-16, with the way an ill-formed
// sequence is treated chosen by the caller. Runs of ASCII are widened by the
// kernel of AsciiRuns.h, and well-formed sequences are taken inline; every
// other sequence is decoded by DecodeUtf8Sequence, whose judgement the inline
// paths follow exactly, so that all conversions agree on what is well formed.
#pragma once

#include <cstddef>

#include "platform/utf/AsciiRuns.h"
#include "platform/utf/CodePointWriting.h"
#include "platform/utf/Utf8Sequence.h"

namespace platform::utf {

enum class IllFormedUtf8 {
  Stop,                   // conversion stops before the first sequence that is not well formed
  StopKeepingSurrogates,  // the same, but an encoded surrogate is written as its one unit
  ReplaceEachByte,        // each byte that begins no well-formed sequence becomes U+FFFD, and conversion goes on
};

struct Utf8ToUtf16Counts {
  std::size_t bytesRead;
  std::size_t unitsWritten;
};

// Writes the UTF-16 form of the `size` bytes at `in` at `out`, which has room
// for `size` units (no sequence makes more units than it has bytes). Reads
// nothing beyond the `size` bytes. Returns the bytes converted (all of them
// unless the policy stopped) and the units written.
template <IllFormedUtf8 policy>
Utf8ToUtf16Counts WriteUtf8AsUtf16(const unsigned char* in, std::size_t size, char16_t* out) {
  std::size_t read = 0;
  char16_t* write = out;
  while (read < size) {
    if (in[read] < 0x80) {
      // A lone ASCII byte, such as a space between words of another script,
      // is cheaper to copy than to hand to the run kernel.
      if (size - read >= 2 && in[read + 1] >= 0x80) {
        *write++ = in[read++];
      } else {
        const std::size_t ascii = WidenAsciiRun(in + read, size - read, write);
        read += ascii;
        write += ascii;
        if (read == size) break;
      }
    }
    // Here a byte from 0x80 on leads. The well-formed sequences are taken at
    // once: two bytes (Latin, Greek, Cyrillic, Hebrew, Arabic) with a lead of
    // C2-DF, three (the rest of the first plane) with a second byte that makes
    // neither an overlong form nor a surrogate, four with one that makes
    // neither an overlong form nor a code point past U+10FFFF. The decoder
    // judges everything else.
    const unsigned char lead = in[read];
    const std::size_t left = size - read;
    if (lead >= 0xC2 && lead <= 0xDF) {
      if (left >= 2 && IsUtf8Continuation(in[read + 1])) [[likely]] {
        *write++ = static_cast<char16_t>(((lead & 0x1Fu) << 6) | (in[read + 1] & 0x3Fu));
        read += 2;
        continue;
      }
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      const unsigned char second = left >= 3 ? in[read + 1] : 0;
      if (second >= (lead == 0xE0 ? 0xA0 : 0x80) && second <= (lead == 0xED ? 0x9F : 0xBF) &&
          IsUtf8Continuation(in[read + 2])) [[likely]] {
        *write++ = static_cast<char16_t>(((lead & 0x0Fu) << 12) | ((second & 0x3Fu) << 6) | (in[read + 2] & 0x3Fu));
        read += 3;
        continue;
      }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      const unsigned char second = left >= 4 ? in[read + 1] : 0;
      if (second >= (lead == 0xF0 ? 0x90 : 0x80) && second <= (lead == 0xF4 ? 0x8F : 0xBF) &&
          IsUtf8Continuation(in[read + 2]) && IsUtf8Continuation(in[read + 3])) [[likely]] {
        write = WriteAsUtf16(((lead & 0x07u) << 18) | ((second & 0x3Fu) << 12) | ((in[read + 2] & 0x3Fu) << 6) |
                                 (in[read + 3] & 0x3Fu),
                             write);
        read += 4;
        continue;
      }
    }
    const Utf8Decoded sequence = DecodeUtf8Sequence(in + read, left);
    const bool kept = sequence.fault == Utf8Fault::None ||
                      (policy == IllFormedUtf8::StopKeepingSurrogates && sequence.fault == Utf8Fault::EncodedSurrogate);
    if (kept) {
      write = WriteAsUtf16(sequence.value, write);
      read += sequence.length;
    } else if constexpr (policy == IllFormedUtf8::ReplaceEachByte) {
      *write++ = static_cast<char16_t>(kReplacementCharacter);
      ++read;
    } else {
      break;
    }
  }
  return {read, static_cast<std::size_t>(write - out)};
}

// The number of units WriteUtf8AsUtf16<IllFormedUtf8::ReplaceEachByte> writes
// for the `size` bytes at `in`.
inline std::size_t Utf16LengthOfUtf8ReplacingEachByte(const unsigned char* in, std::size_t size) {
  std::size_t units = 0;
  for (std::size_t read = 0; read < size;) {
    if (size - read >= 8 && EightAsciiBytes(in + read)) {
      read += 8;
      units += 8;
      continue;
    }
    const Utf8Decoded sequence = DecodeUtf8Sequence(in + read, size - read);
    if (sequence.fault == Utf8Fault::None) {
      units += sequence.value >= 0x10000 ? 2 : 1;
      read += sequence.length;
    } else {
      ++units;
      ++read;
    }
  }
  return units;
}

}  // namespace platform::utf
