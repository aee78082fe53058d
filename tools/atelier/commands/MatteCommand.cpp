// atelier matte: reduce a PNG to four colours (an indexed PNG whose palette
// is those colours) or expand an indexed PNG back to true colour.
#include <CLI/CLI.hpp>

#include <array>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

#include "CommandRegistry.h"
#include "PathArguments.h"
#include "PixmoraUtils.h"
#include "PngFiles.h"

namespace atelier {
namespace {

using Palette = std::array<PmImagePixel, 4>;

// "RRGGBB,RRGGBB,RRGGBB,RRGGBB" (hexadecimal, colours for indices 0 to 3),
// each colour also written "#RRGGBB".
Palette ParsePalette(const std::string& text) {
  Palette palette;
  std::size_t start = 0;
  for (std::size_t k = 0; k < palette.size(); ++k) {
    const std::size_t stop = k + 1 < palette.size() ? text.find(',', start) : text.size();
    std::string_view color = std::string_view(text).substr(start, stop == std::string::npos ? 0 : stop - start);
    if (color.starts_with('#')) color.remove_prefix(1);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(color.data(), color.data() + color.size(), value, 16);
    if (stop == std::string::npos || color.size() != 6 || error != std::errc() || end != color.data() + color.size()) {
      throw CommandFailure{"--colors takes four colours RRGGBB,RRGGBB,RRGGBB,RRGGBB, each also as #RRGGBB; got '" +
                               text + "'",
                           kExitUsageError};
    }
    palette[k] = value;
    start = stop + 1;
  }
  return palette;
}

struct MatteOptions {
  std::string input;
  std::string output;
  std::string colors;
};

CLI::App* AddConversion(CLI::App& matte, const char* name, const char* description, const char* colorsText,
                        MatteOptions& options) {
  auto* command = matte.add_subcommand(name, description);
  command->add_option("IN", options.input, "Input PNG")->required()->check(ExistingFile());
  command->add_option("OUT", options.output, "Output PNG, or - for standard output")->required();
  command->add_option("--colors", options.colors, colorsText);
  return command;
}

// The colours of the first four entries of a matte PNG's own palette; black
// for an entry it lacks.
Palette OwnPalette(const IndexedPng& indexed) {
  Palette palette{};
  for (std::size_t k = 0; k < palette.size() && k < indexed.palette.size(); ++k) palette[k] = indexed.palette[k];
  return palette;
}

void Reduce(const MatteOptions& options) {
  const Palette palette = ParsePalette(options.colors);
  const PmImage image = ReadTrueColorPng(PathFromUTF8(options.input));
  PmMatte matte(image.GetSize());
  ReduceToFourColors(image, matte, palette[0], palette[1], palette[2], palette[3]);
  WriteIndexedPng(PathFromUTF8(options.output), matte, palette);
  std::cerr << "wrote " << options.output << ": " << image.GetSize().x << " x " << image.GetSize().y
            << " pixels in four colours " << options.colors << '\n';
}

void Expand(const MatteOptions& options) {
  const Palette given = options.colors.empty() ? Palette{} : ParsePalette(options.colors);
  const IndexedPng indexed = ReadIndexedPng(PathFromUTF8(options.input));
  const Palette palette = options.colors.empty() ? OwnPalette(indexed) : given;
  const PmMatte& matte = indexed.matte;
  PmImage image(matte.GetSize());
  ExpandToTrueColor(matte, image, palette[0], palette[1], palette[2], palette[3]);
  WriteTrueColorPng(PathFromUTF8(options.output), image);
  std::cerr << "wrote " << options.output << ": " << matte.GetSize().x << " x " << matte.GetSize().y
            << " true-colour pixels\n";
}

void AddMatteCommand(CLI::App& app) {
  auto* matte = app.add_subcommand("matte", "Reduce an image to four colours, or expand a four-colour matte");
  matte->require_subcommand(1);
  auto reduce = std::make_shared<MatteOptions>();
  AddConversion(*matte, "reduce", "Write the nearest of four colours for every pixel, as an indexed PNG",
                "The four colours of indices 0 to 3: RRGGBB,RRGGBB,RRGGBB,RRGGBB, each also as #RRGGBB", *reduce)
      ->callback([reduce] { Reduce(*reduce); })
      ->get_option("--colors")
      ->required();
  auto expand = std::make_shared<MatteOptions>();
  AddConversion(*matte, "expand",
                "Write the colour of every index (0 to 3) of an indexed PNG as true colour; higher indices stay black",
                "The colours of indices 0 to 3 as for reduce; without it, the first four of the PNG's own palette "
                "(black for an entry it lacks)",
                *expand)
      ->callback([expand] { Expand(*expand); });
}

const CommandRegistration registration{"matte", AddMatteCommand};

}  // namespace
}  // namespace atelier
