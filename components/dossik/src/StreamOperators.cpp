#include "Dossik.h"

// Integers travel least significant byte first, whatever the machine's order.

IByteStream& operator>>(IByteStream& in, unsigned char& value) {
  value = in.ReadByte();
  return in;
}

IByteStream& operator>>(IByteStream& in, std::int32_t& value) {
  std::uint32_t bits = 0;
  for (int shift = 0; shift < 32; shift += 8) bits |= static_cast<std::uint32_t>(in.ReadByte()) << shift;
  value = static_cast<std::int32_t>(bits);
  return in;
}

OByteStream& operator<<(OByteStream& out, const unsigned char& value) {
  out.WriteByte(value);
  return out;
}

OByteStream& operator<<(OByteStream& out, const std::int32_t& value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const unsigned char bytes[4] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                  static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
  out.WriteBlock(bytes, 4);
  return out;
}
