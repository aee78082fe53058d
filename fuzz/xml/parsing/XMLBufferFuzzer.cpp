// Arbitrary input through ParseXMLBuffer, read both as UTF-16 code units and
// as bytes widened to code units, and through LoadPropList from a file. A
// tree is returned only with XMLParseOK, and a failed load leaves the list empty.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "Arborix.h"

namespace {

void Parse(const UTF16String& text) {
  XMLDocument* document = nullptr;
  const XMLParseStatus status = ParseXMLBuffer(text, false, &document);
  std::unique_ptr<XMLDocument> owned(document);
  if ((status == XMLParseOK) != (document != nullptr)) std::abort();
  if (owned) {
    UTF16String out;
    owned->AppendXML(out);
  }
}

const std::filesystem::path& ScratchFile() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("fuzz_xml_buffer-" + std::to_string(std::rand()) + ".xml");
  return path;
}

void LoadAsPropertyList(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  File input(ScratchFile());
  PropList list;
  PropListUtils::LoadPropList(input, list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static XMLEntryExit connection;
  UTF16String units(size / 2, u'\0');
  for (std::size_t index = 0; index < units.size(); ++index) {
    units[index] = static_cast<char16_t>(data[2 * index] | (data[2 * index + 1] << 8));
  }
  Parse(units);
  Parse(UTF16String(data, data + size));
  LoadAsPropertyList(data, size);
  return 0;
}
