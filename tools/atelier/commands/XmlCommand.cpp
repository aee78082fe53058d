// atelier xml: parse an XML file into a tree and print the tree's XML text.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Arborix.h"
#include "CommandRegistry.h"
#include "ParseFaultLocation.h"
#include "PathArguments.h"
#include "StandardInput.h"
#include "ToolText.h"

namespace atelier {
namespace {

// Appends `unit` to `out` as a character reference ("&#13;").
void AppendCharacterReference(char16_t unit, UTF16String& out) {
  for (const char c : "&#" + std::to_string(static_cast<unsigned>(unit)) + ";") out.push_back(static_cast<char16_t>(c));
}

// The text form of a stored value that a reader gives back unchanged: the
// reserved characters escaped, and the characters a reader would not keep as
// they are written as character references: a carriage return anywhere (line
// ends are normalised), a tab or line feed in an attribute value (which is
// normalised to spaces).
UTF16String EscapedValue(const UTF16String& value, bool attribute) {
  UTF16String input = value;
  UTF16String reserved;
  EncodeReservedCharacters(input, reserved);
  UTF16String escaped;
  for (const char16_t unit : reserved) {
    if (unit == u'\r' || (attribute && (unit == u'\t' || unit == u'\n'))) {
      AppendCharacterReference(unit, escaped);
    } else {
      escaped.push_back(unit);
    }
  }
  return escaped;
}

// The tree stores texts unescaped and writes them as they are; escaping them
// in place makes its text XML that reads back as the same tree.
void EscapeTexts(XMLElementNode& root) {
  const auto escape = [](XMLBase& node, bool attribute) {
    UTF16String value;
    node.GetValue(value);
    UTF16String escaped = EscapedValue(value, attribute);
    node.SetValue(escaped);
  };
  std::vector<XMLElementNode*> pending{&root};
  while (!pending.empty()) {
    XMLElementNode* element = pending.back();
    pending.pop_back();
    for (XMLAttributeObj* attribute : element->GetAttributes()) escape(*attribute, true);
    for (XMLBase* child : element->GetChildNodes()) {
      if (auto* childElement = dynamic_cast<XMLElementNode*>(child)) {
        pending.push_back(childElement);
      } else {
        escape(*child, false);
      }
    }
  }
}

// Prints the tree of `file`, named `path` in messages.
void PrintXML(const std::string& path, File& file, bool ignoreWhitespace) {
  XMLDocument* parsed = nullptr;
  const XMLParseStatus status = ParseXMLFile(file, ignoreWhitespace, &parsed);
  std::unique_ptr<XMLDocument> document(parsed);
  if (status != XMLParseOK) throw CommandFailure{DescribeParseFailure(path, file, status), kExitWorkFailed};
  EscapeTexts(*document);
  UTF16String text;
  document->AppendXML(text);
  std::cout << ToUTF8(text) << '\n';
}

void PrintInput(const std::string& path, bool ignoreWhitespace) {
  XMLEntryExit connection;
  WithInputFile(path, [&](File& file) { PrintXML(path, file, ignoreWhitespace); });
}

void AddXmlCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "xml", "Parse FILE into an XML tree and print the tree's XML text, or where and why the parse failed and exit 1");
  auto file = std::make_shared<std::string>();
  auto ignoreWhitespace = std::make_shared<bool>(false);
  command->add_option("FILE", *file, "XML file, or - for standard input")->required()->check(InputFile());
  command->add_flag("--ignore-whitespace", *ignoreWhitespace,
                    "Drop the whitespace that the parser reports as ignorable");
  command->callback([file, ignoreWhitespace] { PrintInput(*file, *ignoreWhitespace); });
}

const CommandRegistration registration{"xml", AddXmlCommand};

}  // namespace
}  // namespace atelier
