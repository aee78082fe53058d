// Demo part: reduce the sample photograph to four colours and say where the
// result went.
#include <array>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iomanip>
#include <ostream>

#include "CommandRegistry.h"
#include "PathArguments.h"
#include "PixmoraUtils.h"
#include "PngFiles.h"

namespace atelier {
namespace {

// Night blue, dusk violet, sunset orange and sun yellow.
constexpr std::array<PmImagePixel, 4> kEveningColors = {0x1E2846u, 0x6E5078u, 0xF0A064u, 0xFFF0C8u};

bool ReduceSamplePhotograph(std::ostream& out, const std::filesystem::path& examples) {
  const auto photograph = examples / "images" / "lakeside.png";
  const auto folder = std::filesystem::temp_directory_path() / "atelier-demo";
  const auto result = folder / "lakeside-four-colors.png";
  try {
    const PmImage image = ReadTrueColorPng(photograph);
    PmMatte matte(image.GetSize());
    ReduceToFourColors(image, matte, kEveningColors[0], kEveningColors[1], kEveningColors[2], kEveningColors[3]);
    std::filesystem::create_directories(folder);
    WriteIndexedPng(result, matte, kEveningColors);

    std::array<std::size_t, 4> counts{};
    for (auto index = matte.begin(), end = matte.end(); index != end; ++index) ++counts[*index];
    out << "reduced " << PathText(photograph) << " (" << image.GetSize().x << " x " << image.GetSize().y
        << ") to four colours:\n";
    for (std::size_t k = 0; k < counts.size(); ++k) {
      out << "  index " << k << "  #" << std::hex << std::setw(6) << std::setfill('0')
          << static_cast<std::uint32_t>(kEveningColors[k]) << std::dec << std::setfill(' ') << "  " << counts[k]
          << " pixels\n";
    }
    out << "result: " << PathText(result) << '\n';
    return true;
  } catch (const std::exception& error) {
    out << "could not reduce the photograph: " << error.what() << '\n';
    return false;
  }
}

const DemoRegistration registration{50, "Four-colour reduction (PixmoraUtils)", ReduceSamplePhotograph};

}  // namespace
}  // namespace atelier
