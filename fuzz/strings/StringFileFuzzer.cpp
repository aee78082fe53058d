// Arbitrary bytes as a string file: decoded through the buffered stream and
// parsed line by line into a table of its own. Decoding faults and bad lines
// are expected outcomes; anything else escaping, or a sanitizer report, is a
// finding.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "Dossik.h"
#include "LoadStringFile.h"
#include "glyphwerk/DecodingErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IMemoryByteStream memory{data, size};
  IBufferedByteStream buffered{memory, 32768, 4096};
  Verbosa::StringTable table;
  try {
    Verbosa::LoadStringStream(buffered, "fuzz.str", table);
  } catch (const invalid_utf8&) {
  } catch (const std::invalid_argument&) {
  } catch (const EndOfDataError&) {
  }
  return 0;
}
