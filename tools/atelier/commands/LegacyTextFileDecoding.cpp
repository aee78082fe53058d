#include "LegacyTextFileDecoding.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/LegacyTextDecoder.h"

namespace atelier {
namespace {

constexpr std::uint32_t kBlockBytes = 65536;

std::string_view Bytes(const unsigned char* data, std::uint32_t count) {
  return std::string_view(reinterpret_cast<const char*>(data), count);
}

// Decodes the rest of `in` after `failedBlock`, the offset of the block
// that a first decoding refused, with a fresh decoder: the blocks before it
// as the first decoding read them, then one byte at a time to the fault. Returns where the fault
// starts: after the last byte that completed a character.
std::uint32_t LocateFault(IByteStream& in, std::string_view encoding, std::uint32_t failedBlock, std::string& text) {
  in.SetPosition(0);
  text.clear();
  platform::LegacyTextDecoder decoder(encoding);
  unsigned char block[kBlockBytes];
  for (std::uint32_t done = 0; done < failedBlock;) {
    const std::uint32_t read = in.ReadBlock(block, std::min(kBlockBytes, failedBlock - done));
    decoder.Decode(Bytes(block, read), false, text);
    done += read;
  }
  std::uint32_t sequenceStart = failedBlock;
  for (std::uint32_t offset = failedBlock;; ++offset) {
    const std::uint32_t read = in.ReadBlock(block, 1);
    const std::size_t before = text.size();
    if (!decoder.Decode(Bytes(block, read), read == 0, text) || read == 0) return sequenceStart;
    if (text.size() > before) sequenceStart = offset + 1;
  }
}

}  // namespace

bool IsKnownEncoding(std::string_view encoding) { return platform::LegacyTextDecoder(encoding).IsOpen(); }

DecodedTextFile DecodeLegacyText(IByteStream& in, std::string_view encoding) {
  DecodedTextFile decoded;
  decoded.form = std::string(encoding);
  platform::LegacyTextDecoder decoder(encoding);
  unsigned char block[kBlockBytes];
  for (std::uint32_t blockStart = 0;; ) {
    const std::uint32_t read = in.ReadBlock(block, kBlockBytes);
    const bool final = read < kBlockBytes;
    if (!decoder.Decode(Bytes(block, read), final, decoded.text)) {
      decoded.fault = "not a character of " + decoded.form;
      decoded.faultOffset = LocateFault(in, encoding, blockStart, decoded.text);
      return decoded;
    }
    if (final) return decoded;
    blockStart += read;
  }
}

}  // namespace atelier
