// atelier case: map the case of text with Glyphwerk's full mappings.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CommandRegistry.h"
#include "Glyphwerk.h"
#include "StandardInput.h"
#include "TextFileDecoding.h"
#include "ToolText.h"

namespace atelier {
namespace {

using CaseFunction = UTF16String (*)(const UTF16String&);

// Maps each TEXT onto a line of its own. A TEXT that is not UTF-8 is refused,
// naming the argument and the byte where the fault starts.
void MapArguments(CaseFunction map, const std::vector<std::string>& texts) {
  for (std::size_t index = 0; index < texts.size(); ++index) {
    IMemoryByteStream in(texts[index].data(), texts[index].size());
    DecodedTextFile decoded;
    DecodeUTF8(in, 0, decoded);
    if (decoded.fault) throw CommandFailure{DescribeFault("argument " + std::to_string(index + 1), decoded)};
    std::cout << ToUTF8(map(FromUTF8(decoded.text))) << '\n';
  }
}

// Maps standard input, read as `atelier decode` reads a file; line ends pass
// through as they are. Text before a fault is mapped and printed, then the
// fault ends the command.
void MapStandardInput(CaseFunction map) {
  IMemoryByteStream in(ReadStandardInput());
  const DecodedTextFile decoded = DecodeText(in);
  std::cout << ToUTF8(map(FromUTF8(decoded.text)));
  if (decoded.fault) throw CommandFailure{DescribeFault("standard input", decoded)};
}

void AddCaseCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "case", "Lowercase, uppercase or case-fold text (full mappings, no locale); one result per line");
  command->require_subcommand(1);
  auto texts = std::make_shared<std::vector<std::string>>();

  const struct {
    const char* name;
    const char* description;
    CaseFunction map;
  } kinds[] = {
      {"upper", "Uppercase each TEXT (Stra\u00DFe -> STRASSE)", UpperCase},
      {"lower", "Lowercase each TEXT (one unit for one unit)", LowerCase},
      {"fold", "Case-fold each TEXT for caseless comparison (every sigma -> \u03C2)", FoldCase},
  };
  for (const auto& kind : kinds) {
    auto* sub = command->add_subcommand(kind.name, kind.description);
    sub->add_option("TEXT", *texts, "UTF-8 texts to map; standard input (UTF-8, or UTF-16 with a byte-order mark) when none is given");
    sub->callback([texts, map = kind.map] {
      if (texts->empty()) {
        MapStandardInput(map);
      } else {
        MapArguments(map, *texts);
      }
    });
  }
}

const CommandRegistration registration{"case", AddCaseCommand};

}  // namespace
}  // namespace atelier
