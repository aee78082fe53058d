// Runs a decoder over bytes held by one of three kinds of stream and reports
// everything a caller can see afterwards, so one test can state what every
// kind of stream must give.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "Dossik.h"
#include "Glyphwerk.h"
#include "ScriptedStream.h"

namespace decodingtest {

using Decoder = void (*)(IByteStream&, UTF16String&);

enum class StreamKind {
  ByteByByte,    // a stream the decoders know nothing about
  Memory,        // Dossik's memory stream, scanned in place
  TinyBuffers,   // Dossik's buffered stream with a 3-byte buffer, so sequences straddle refills
  LargeBuffers,  // Dossik's buffered stream as the application uses it
};

inline std::string KindName(StreamKind kind) {
  switch (kind) {
    case StreamKind::ByteByByte: return "ByteByByte";
    case StreamKind::Memory: return "Memory";
    case StreamKind::TinyBuffers: return "TinyBuffers";
    case StreamKind::LargeBuffers: return "LargeBuffers";
  }
  return "?";
}

struct Outcome {
  UTF16String text;
  std::string fault;  // empty when the decoder returned
  std::uint32_t position = 0;

  bool operator==(const Outcome&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
  out << "{units:";
  for (char16_t unit : outcome.text) out << ' ' << std::hex << static_cast<unsigned>(unit) << std::dec;
  return out << ", fault: '" << outcome.fault << "', position: " << outcome.position << '}';
}

// Decodes `bytes` from byte `start` on, appending to `initial`.
inline Outcome Decode(Decoder decoder, const std::string& bytes, StreamKind kind, UTF16String initial = u"",
                      std::uint32_t start = 0) {
  ScriptedStream scripted(bytes);
  IMemoryByteStream memory(bytes.data(), bytes.size());
  std::unique_ptr<IBufferedByteStream> buffered;
  IByteStream* stream = &memory;
  if (kind == StreamKind::ByteByByte) stream = &scripted;
  stream->SetPosition(start);
  if (kind == StreamKind::TinyBuffers) buffered = std::make_unique<IBufferedByteStream>(memory, 3, 2);
  if (kind == StreamKind::LargeBuffers) buffered = std::make_unique<IBufferedByteStream>(memory, 32768, 4096);
  if (buffered) stream = buffered.get();

  Outcome outcome;
  outcome.text = std::move(initial);
  try {
    decoder(*stream, outcome.text);
  } catch (const unexpected_eof_utf8&) {
    outcome.fault = "unexpected_eof_utf8";
  } catch (const invalid_utf8_sequence&) {
    outcome.fault = "invalid_utf8_sequence";
  } catch (const invalid_utf8_value&) {
    outcome.fault = "invalid_utf8_value";
  } catch (const invalid_utf16_value&) {
    outcome.fault = "invalid_utf16_value";
  } catch (const EndOfDataError&) {
    outcome.fault = "EndOfDataError";
  }
  outcome.position = stream->GetPosition();
  return outcome;
}

inline Outcome Text(UTF16String text, std::uint32_t position) { return {std::move(text), "", position}; }
inline Outcome Fault(UTF16String text, std::string fault, std::uint32_t position) {
  return {std::move(text), std::move(fault), position};
}

class EveryStream : public ::testing::TestWithParam<StreamKind> {
 protected:
  Outcome Run(Decoder decoder, const std::string& bytes, UTF16String initial = u"", std::uint32_t start = 0) {
    return Decode(decoder, bytes, GetParam(), std::move(initial), start);
  }
};

#define DECODING_ON_EVERY_STREAM(Suite)                                                              \
  INSTANTIATE_TEST_SUITE_P(                                                                          \
      Streams, Suite,                                                                                     \
      ::testing::Values(decodingtest::StreamKind::ByteByByte, decodingtest::StreamKind::Memory,      \
                        decodingtest::StreamKind::TinyBuffers, decodingtest::StreamKind::LargeBuffers), \
      [](const auto& info) { return decodingtest::KindName(info.param); })

}  // namespace decodingtest
