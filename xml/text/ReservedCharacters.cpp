#include "text/ReservedCharacterEscaping.h"

#include <cstdint>
#include <type_traits>

#include "arborix/ReservedCharacters.h"

namespace arborix_internal {
namespace {

std::string_view EntityFor(std::uint32_t unit) {
  switch (unit) {
    case 0x22:
      return "&quot;";
    case 0x26:
      return "&amp;";
    case 0x27:
      return "&apos;";
    case 0x3C:
      return "&lt;";
    case 0x3E:
      return "&gt;";
    default:
      return {};
  }
}

template <typename Char>
void AppendEscapedUnits(std::basic_string_view<Char> input, std::basic_string<Char>& output) {
  output.reserve(output.size() + input.size());
  // Runs without reserved characters are copied in one piece.
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < input.size(); ++i) {
    const auto unit = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Char>>(input[i]));
    const std::string_view entity = EntityFor(unit);
    if (entity.empty()) {
      continue;
    }
    output.append(input.data() + runStart, i - runStart);
    for (char entityChar : entity) {
      output.push_back(static_cast<Char>(entityChar));
    }
    runStart = i + 1;
  }
  output.append(input.data() + runStart, input.size() - runStart);
}

// One string as both input and output: escape a snapshot of it, so that the
// appended text is the escaped form of what the string held at the call.
template <typename Char>
void EncodeInto(std::basic_string<Char>& input, std::basic_string<Char>& output) {
  if (&input == &output) {
    const std::basic_string<Char> original = input;
    AppendEscapedUnits<Char>(original, output);
    return;
  }
  AppendEscapedUnits<Char>(input, output);
}

}  // namespace

void AppendEscaped(std::string_view input, std::string& output) { AppendEscapedUnits(input, output); }

}  // namespace arborix_internal

void EncodeReservedCharacters(UTF16String& input, UTF16String& output) {
  arborix_internal::EncodeInto(input, output);
}

void EncodeReservedCharacters(std::string& input, std::string& output) {
  arborix_internal::EncodeInto(input, output);
}
