// atelier decode FILE...: prints text files of any of the suite's encodings, or
// of a legacy encoding named with --from, as UTF-8.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CommandRegistry.h"
#include "LegacyTextFileDecoding.h"
#include "StandardInput.h"
#include "TextFileDecoding.h"

namespace atelier {
namespace {

void AddDecodeCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "decode",
      "Decode text files (UTF-8, or UTF-16/UTF-8 with a byte-order mark) and print them as UTF-8. "
      "A malformed file prints what decoded before the fault, then the fault and its byte offset, and exits 1");
  auto files = std::make_shared<std::vector<std::string>>();
  auto encoding = std::make_shared<std::string>();
  command->add_option("FILE", *files, "Text files, decoded in the order given; - is standard input")->required();
  command->add_option("--from", *encoding,
                      "Read the files as text in this legacy encoding (windows-1251, Shift_JIS, KOI8-R, EUC-KR, ...), "
                      "with the platform's converters, instead of UTF-8 or UTF-16");
  auto quiet = std::make_shared<bool>(false);
  command->add_flag("--quiet", *quiet, "Show no progress line, even for a large file on a terminal");
  command->callback([files, encoding, quiet] {
    if (!encoding->empty() && !IsKnownEncoding(*encoding)) {
      throw CommandFailure{"--from: this system cannot decode the encoding '" + *encoding + "'", kExitUsageError};
    }
    for (const std::string& file : *files) {
      // The input, and its progress line, are gone before the text is printed.
      const DecodedTextFile decoded = [&] {
        InputBytes input(file, !*quiet);
        return encoding->empty() ? DecodeText(input.Stream()) : DecodeLegacyText(input.Stream(), *encoding);
      }();
      std::cout << decoded.text;
      if (decoded.fault) {
        std::cout.flush();
        throw CommandFailure{DescribeFault(file, decoded), kExitWorkFailed};
      }
    }
  });
}

const CommandRegistration registration{"decode", AddDecodeCommand};

}  // namespace
}  // namespace atelier
