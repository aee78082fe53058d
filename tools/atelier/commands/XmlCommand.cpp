// atelier xml: parse an XML file into a tree and print the tree's XML text.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "Arborix.h"
#include "CommandRegistry.h"
#include "PathArguments.h"
#include "ToolText.h"

namespace atelier {
namespace {

const char* StatusName(XMLParseStatus status) {
  switch (status) {
    case XMLParseOK:
      return "XMLParseOK";
    case XMLParseTagMismatch:
      return "XMLParseTagMismatch";
    case XMLParseBadEncoding:
      return "XMLParseBadEncoding";
    case XMLParseNoRootElement:
      return "XMLParseNoRootElement";
    case XMLParseFailed:
      return "XMLParseFailed";
    case XMLParseNotWellFormed:
      return "XMLParseNotWellFormed";
    case XMLParseUndefinedEntity:
      return "XMLParseUndefinedEntity";
  }
  return "XMLParseFailed";
}

// The tree stores texts unescaped and writes them as they are; escaping them
// in place makes its text well-formed XML again.
void EscapeTexts(XMLElementNode& root) {
  const auto escape = [](XMLBase& node) {
    UTF16String value;
    UTF16String escaped;
    node.GetValue(value);
    EncodeReservedCharacters(value, escaped);
    node.SetValue(escaped);
  };
  std::vector<XMLElementNode*> pending{&root};
  while (!pending.empty()) {
    XMLElementNode* element = pending.back();
    pending.pop_back();
    for (XMLAttributeObj* attribute : element->GetAttributes()) escape(*attribute);
    for (XMLBase* child : element->GetChildNodes()) {
      if (auto* childElement = dynamic_cast<XMLElementNode*>(child)) {
        pending.push_back(childElement);
      } else {
        escape(*child);
      }
    }
  }
}

void PrintXML(const std::string& path, bool ignoreWhitespace) {
  XMLEntryExit connection;
  File file(PathFromUTF8(path));
  XMLDocument* parsed = nullptr;
  const XMLParseStatus status = ParseXMLFile(file, ignoreWhitespace, &parsed);
  std::unique_ptr<XMLDocument> document(parsed);
  if (status != XMLParseOK) throw CommandFailure{path + ": " + StatusName(status), 1};
  EscapeTexts(*document);
  UTF16String text;
  document->AppendXML(text);
  std::cout << ToUTF8(text) << '\n';
}

void AddXmlCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "xml", "Parse FILE into an XML tree and print the tree's XML text, or the parse status and exit 1");
  auto file = std::make_shared<std::string>();
  auto ignoreWhitespace = std::make_shared<bool>(false);
  command->add_option("FILE", *file, "XML file")->required()->check(ExistingFile());
  command->add_flag("--ignore-whitespace", *ignoreWhitespace,
                    "Drop the whitespace that the parser reports as ignorable");
  command->callback([file, ignoreWhitespace] { PrintXML(*file, *ignoreWhitespace); });
}

const CommandRegistration registration{"xml", AddXmlCommand};

}  // namespace
}  // namespace atelier
