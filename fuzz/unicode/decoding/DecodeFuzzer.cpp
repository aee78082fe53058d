// Feeds arbitrary bytes to the decoders through three kinds of stream: one the
// decoders read byte by byte, Dossik's memory stream and its buffered stream
// (scanned in place). Besides surviving any input, every kind must give the
// same units, the same fault and the same final position.
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

#include "Glyphwerk.h"

namespace {

// Forwards to a memory stream; not one of Dossik's own types, so it is read a byte at a time.
class OpaqueStream : public IByteStream {
 public:
  explicit OpaqueStream(IByteStream& inner) : inner_(inner) {}
  unsigned char ReadByte() override { return inner_.ReadByte(); }
  std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) override {
    return inner_.ReadBlock(buffer, count);
  }
  void SetPosition(std::uint32_t position) override { inner_.SetPosition(position); }
  std::uint32_t GetPosition() const override { return inner_.GetPosition(); }
  std::uint32_t GetLength() const override { return inner_.GetLength(); }

 private:
  IByteStream& inner_;
};

struct Outcome {
  UTF16String text = u"x";
  int fault = 0;
  std::uint32_t position = 0;
  bool operator==(const Outcome&) const = default;
};

using Decoder = void (*)(IByteStream&, UTF16String&);

Outcome Run(Decoder decoder, IByteStream& in) {
  Outcome outcome;
  try {
    decoder(in, outcome.text);
  } catch (const unexpected_eof_utf8&) {
    outcome.fault = 1;
  } catch (const invalid_utf8_sequence&) {
    outcome.fault = 2;
  } catch (const invalid_utf8_value&) {
    outcome.fault = 3;
  } catch (const invalid_utf16_value&) {
    outcome.fault = 4;
  } catch (const EndOfDataError&) {
    outcome.fault = 5;
  }
  outcome.position = in.GetPosition();
  return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr Decoder kDecoders[] = {UTF8ToString, TextToString, UTF16LEToString, UTF16BEToString};
  const Decoder decoder = kDecoders[data[0] % 4];
  const std::uint32_t bufferSize = 1 + data[0] / 4;  // small buffers put refills everywhere
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

  IMemoryByteStream plainSource(bytes.data(), bytes.size());
  OpaqueStream opaque(plainSource);
  const Outcome expected = Run(decoder, opaque);

  IMemoryByteStream memory(bytes.data(), bytes.size());
  const Outcome fromMemory = Run(decoder, memory);

  IMemoryByteStream bufferedSource(bytes.data(), bytes.size());
  IBufferedByteStream buffered(bufferedSource, bufferSize, 1 + bufferSize / 2);
  const Outcome fromBuffer = Run(decoder, buffered);

  if (!(fromMemory == expected) || !(fromBuffer == expected)) {
    std::fprintf(stderr, "in-place scan disagrees with byte-by-byte reading\n");
    std::abort();
  }
  return 0;
}
