// atelier xml: parse an XML file into a tree and print the tree's XML text.
#include <CLI/CLI.hpp>

#include <cstdint>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Arborix.h"
#include "CommandRegistry.h"
#include "ParseFailure.h"
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
  XMLParseFault fault;
  const XMLParseStatus status = ParseXMLFile(file, ignoreWhitespace, &parsed, fault);
  std::unique_ptr<XMLDocument> document(parsed);
  if (status != XMLParseOK) throw CommandFailure{DescribeParseFailure(path, fault), kExitWorkFailed};
  EscapeTexts(*document);
  UTF16String text;
  document->AppendXML(text);
  std::cout << ToUTF8(text) << '\n';
}

// Builds nothing, so that a check runs in constant memory: hands the parser's
// document locator to the fault recorder and notes whether an element began.
class ElementWatcher : public HQURContentHandlerBase {
 public:
  explicit ElementWatcher(XMLFaultRecorder& recorder) : recorder_(recorder) {}
  void setDocumentLocator(CQURLocator& locator) override { recorder_.FollowLocator(locator); }
  void startElement(CQURString&, CQURString&, CQURString&, CQURAttributes&) override { sawElement_ = true; }
  bool SawElement() const { return sawElement_; }

 private:
  XMLFaultRecorder& recorder_;
  bool sawElement_ = false;
};

// The bytes of a stream, unchanged, for the parser.
class ByteStreamQURInputStream : public HQURBinInputStreamBase {
 public:
  explicit ByteStreamQURInputStream(IByteStream& in) : in_(in) {}
  unsigned int readBytes(unsigned char* const buffer, unsigned int maximum) override {
    return in_.ReadBlock(buffer, maximum);
  }
  std::uint32_t curPos() const override { return in_.GetPosition(); }

 private:
  IByteStream& in_;
};

// Parses `in` as ParseXMLFile does, with handlers that build nothing: the
// fault of the parse, or none.
XMLParseFault CheckBytes(IByteStream& in) {
  XMLParseFault fault;
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
  parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
  auto recorder = std::make_unique<XMLFaultRecorder>();
  auto watcher = std::make_unique<ElementWatcher>(*recorder);
  auto stream = std::make_unique<ByteStreamQURInputStream>(in);
  const ElementWatcher& elements = *watcher;
  const XMLFaultRecorder& faults = *recorder;
  try {
    parser.A_setContentHandler(watcher.release());
    parser.A_setErrorHandler(recorder.release());
    parser.A_parse(stream.release());
    if (!elements.SawElement()) fault.status = XMLParseNoRootElement;
  } catch (const std::exception& e) {
    // A fault the parser reported says where; anything else (the file could
    // not be read) is a failure of its own.
    fault = faults.HasError() ? faults.Fault() : XMLParseFault{XMLParseFailed, 0, 0, e.what()};
  }
  parser.Release();
  return fault;
}

// Checks `file`, named `path` in messages, without building its tree, and
// prints "FILE: XMLParseOK" when it parses.
void CheckXML(const std::string& path, File& file, bool showProgress) {
  InputBytes input(file, path, showProgress);
  const XMLParseFault fault = CheckBytes(input.Stream());
  if (fault.status != XMLParseOK) throw CommandFailure{DescribeParseFailure(path, fault), kExitWorkFailed};
  std::cout << path << ": " << StatusName(fault.status) << '\n';
}

struct XmlOptions {
  std::vector<std::string> files;
  bool ignoreWhitespace = false;
  bool noOutput = false;
  bool quiet = false;
};

// Prints or checks every file in turn; a file that fails is reported and the
// next one follows. The command fails when any file failed.
void RunXml(const XmlOptions& options) {
  XMLEntryExit connection;
  bool anyFailed = false;
  for (const std::string& path : options.files) {
    try {
      if (!IsStandardInput(path)) RequireInputFile(path);
      WithInputFile(path, [&](File& file) {
        if (options.noOutput) {
          CheckXML(path, file, !options.quiet);
        } else {
          PrintXML(path, file, options.ignoreWhitespace);
        }
      });
    } catch (const CommandFailure& failure) {
      std::cout.flush();  // what was printed comes before the error
      std::cerr << "atelier: " << failure.message << '\n';
      anyFailed = true;
    } catch (const std::exception& error) {
      std::cout.flush();
      std::cerr << "atelier: " << error.what() << '\n';
      anyFailed = true;
    }
  }
  if (anyFailed) throw CommandFailure{"", kExitWorkFailed};
}

void AddXmlCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "xml",
      "Parse each FILE into an XML tree and print the tree's XML text, or where and why the parse failed; "
      "exit 1 when any file failed");
  auto options = std::make_shared<XmlOptions>();
  command->add_option("FILE", options->files, "XML files, in the order given; - is standard input")->required();
  command->add_flag("--ignore-whitespace", options->ignoreWhitespace,
                    "Drop the whitespace that the parser reports as ignorable");
  command->add_flag("--noout", options->noOutput,
                    "Only check each file, without building its tree, and print \"FILE: XMLParseOK\" when it parses");
  command->add_flag("--quiet", options->quiet, "Show no progress line of --noout, even for a large file on a terminal");
  command->callback([options] { RunXml(*options); });
}

const CommandRegistration registration{"xml", AddXmlCommand};

}  // namespace
}  // namespace atelier
