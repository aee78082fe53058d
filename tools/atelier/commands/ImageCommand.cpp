// atelier image: convert between PNG files and the stored image form (the
// size, then every pixel, four bytes each).
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "CommandRegistry.h"
#include "Dossik.h"
#include "FileWriting.h"
#include "PathArguments.h"
#include "PixmoraUtils.h"
#include "PngFiles.h"
#include "StandardInput.h"

namespace atelier {
namespace {

struct ConversionPaths {
  std::string input;
  std::string output;
  bool quiet = false;
};

void Pack(const ConversionPaths& paths) {
  InputBytes input(paths.input, !paths.quiet);
  const PmImage image = ReadTrueColorPng(input.Stream(), paths.input);
  WriteWholeFile(PathFromUTF8(paths.output), [&image](OByteStream& out) { out << image; });
  std::cerr << "wrote " << paths.output << ": " << image.GetSize().x << " x " << image.GetSize().y << " pixels, "
            << 8 + 4 * image.ElementCount() << " bytes\n";
}

void Unpack(const ConversionPaths& paths) {
  PmImage image;
  InputBytes input(paths.input, !paths.quiet);
  IByteStream& in = input.Stream();
  try {
    in >> image;
  } catch (const StoredImageTooShortError& error) {
    throw CommandFailure{paths.input + ": " + error.what(), 1};
  } catch (const EndOfDataError&) {
    throw CommandFailure{paths.input + ": the stored image ends early", 1};
  } catch (const StoredImageSizeError& error) {
    throw CommandFailure{paths.input + ": " + error.what(), 1};
  }
  if (in.GetPosition() != in.GetLength()) {
    throw CommandFailure{paths.input + ": " + std::to_string(in.GetLength() - in.GetPosition()) +
                             " bytes follow the stored image",
                         1};
  }
  WriteTrueColorPng(PathFromUTF8(paths.output), image);
  std::cerr << "wrote " << paths.output << ": " << image.GetSize().x << " x " << image.GetSize().y << " pixels\n";
}

CLI::App* AddConversion(CLI::App& image, const char* name, const char* description, const char* inputText,
                        const char* outputText, ConversionPaths& paths) {
  auto* command = image.add_subcommand(name, description);
  command->add_option("IN", paths.input, inputText)->required()->check(InputFile());
  command->add_option("OUT", paths.output, outputText)->required();
  command->add_flag("--quiet", paths.quiet, "Show no progress line, even for a large file on a terminal");
  return command;
}

void AddImageCommand(CLI::App& app) {
  auto* image = app.add_subcommand("image", "Convert between PNG files and the stored image form");
  image->require_subcommand(1);
  auto pack = std::make_shared<ConversionPaths>();
  AddConversion(*image, "pack", "Store a PNG's pixels in the stored image form", "Input PNG, or - for standard input", "Output file, or - for standard output", *pack)
      ->callback([pack] { Pack(*pack); });
  auto unpack = std::make_shared<ConversionPaths>();
  AddConversion(*image, "unpack", "Write a stored image as a PNG", "Input file, or - for standard input", "Output PNG, or - for standard output", *unpack)
      ->callback([unpack] { Unpack(*unpack); });
}

const CommandRegistration registration{"image", AddImageCommand};

}  // namespace
}  // namespace atelier
