// atelier case: map the case of text with Glyphwerk's full mappings.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CommandRegistry.h"
#include "Glyphwerk.h"
#include "ToolText.h"

namespace atelier {
namespace {

using CaseFunction = UTF16String (*)(const UTF16String&);

void PrintMapped(CaseFunction map, const std::string& utf8) { std::cout << ToUTF8(map(FromUTF8(utf8))) << '\n'; }

// Maps every TEXT, or every line of standard input when there is none.
void MapAll(CaseFunction map, const std::vector<std::string>& texts) {
  if (!texts.empty()) {
    for (const std::string& text : texts) PrintMapped(map, text);
    return;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    PrintMapped(map, line);
  }
  if (std::cin.bad()) throw CommandFailure{"could not read standard input", 1};
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
    sub->add_option("TEXT", *texts, "UTF-8 texts to map; standard input, line by line, when none is given");
    sub->callback([texts, map = kind.map] { MapAll(map, *texts); });
  }
}

const CommandRegistration registration{"case", AddCaseCommand};

}  // namespace
}  // namespace atelier
