// Demo: the same text in four encodings decodes to the same units, and a
// malformed file is reported with the offset of its bad sequence.
#include <ostream>
#include <string>

#include "CommandRegistry.h"
#include "commands/TextFileDecoding.h"

namespace atelier {
namespace {

bool ShowDecoding(std::ostream& out, const std::filesystem::path& examples) {
  const std::filesystem::path folder = examples / "text";
  const char* const wellFormed[] = {"utf8.txt", "utf8-bom.txt", "utf16le-bom.txt", "utf16be-bom.txt"};
  bool asExpected = true;
  std::string first;
  for (const char* name : wellFormed) {
    const DecodedTextFile decoded = DecodeTextFile(folder / name);
    out << name << " (" << decoded.form << "):\n" << decoded.text;
    if (first.empty()) first = decoded.text;
    if (decoded.fault || decoded.text != first) {
      out << "   expected the same text as utf8.txt\n";
      asExpected = false;
    }
  }
  if (asExpected) out << "All four files give the same text.\n";

  const DecodedTextFile malformed = DecodeTextFile(folder / "malformed-utf8.txt");
  out << "malformed-utf8.txt (" << malformed.form << "): decoded \"" << malformed.text << "\", then stopped:\n  "
      << DescribeFault("malformed-utf8.txt", malformed) << '\n';
  return asExpected && malformed.fault.has_value();
}

const DemoRegistration registration{10, "Text decoding", ShowDecoding};

}  // namespace
}  // namespace atelier
