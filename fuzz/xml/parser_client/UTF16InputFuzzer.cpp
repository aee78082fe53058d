// A UTF-16LE document made of arbitrary units, read by the parser (which
// converts it to UTF-8 before Expat sees it) in blocks whose size the input
// chooses, and by Expat reading the same bytes as UTF-16 itself. Both must
// deliver the same events and, for a malformed document, stop at the same
// line and column. Aborts at the first difference.
//
// An unpaired surrogate is not well-formed, and the parser says so. Reading
// UTF-16 itself, Expat takes a high surrogate and whatever unit follows it for
// one character: for an input holding an unpaired surrogate, only that the
// parser stops is checked.
//
// Two differences between Expat's two readings are left out:
// - reading UTF-16, Expat takes U+00AA, U+00B5 and U+00BA for name
//   characters, as no edition of XML does and as it does not reading UTF-8:
//   inputs holding those units are skipped;
// - characters from U+0080 up take more bytes in UTF-8 than in UTF-16, and
//   Expat judges by the bytes left whether a token is cut off, and reads
//   Latin-1 letters in keywords ("<!DOCTYPE") by a table of its own in UTF-16:
//   in a malformed input holding such characters it may stop at another
//   place, so only that both stop is compared.
#include <expat.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "arborix/UTFConversion.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/client/CKORError.h"
#include "arborix/client/CQURSAX2Parser.h"
#include "arborix/client/HQURBinInputStreamBase.h"
#include "arborix/client/HQURContentHandlerBase.h"
#include "arborix/client/HQURErrorHandlerBase.h"

namespace {

class BytesStream : public HQURBinInputStreamBase {
 public:
  BytesStream(const std::string& bytes, std::size_t block) : bytes_(bytes), block_(block) {}
  std::uint32_t curPos() const override { return static_cast<std::uint32_t>(position_); }
  unsigned int readBytes(unsigned char* const buffer, unsigned int maximum) override {
    const std::size_t count = std::min({static_cast<std::size_t>(maximum), bytes_.size() - position_, block_});
    if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return static_cast<unsigned int>(count);
  }

 private:
  const std::string& bytes_;
  std::size_t block_;
  std::size_t position_ = 0;
};

// The events of a parse as UTF-8 lines. Expat's pieces of text are joined up
// to the next piece of markup, comments and CDATA boundaries included.
class Transcript {
 public:
  void Text(const std::string& text) { text_ += text; }
  void Event(const std::string& line) {
    Flush();
    lines_ += line + "\n";
  }
  void Flush() {
    if (!text_.empty()) lines_ += "text " + text_ + "\n";
    text_.clear();
  }
  const std::string& Lines() const { return lines_; }

 private:
  std::string lines_;
  std::string text_;
};

class RecordingHandler : public HQURContentHandlerBase {
 public:
  explicit RecordingHandler(Transcript& transcript) : transcript_(transcript) {}
  void startElement(CQURString&, CQURString& localName, CQURString&, CQURAttributes& attributes) override {
    std::string line = "start " + UTF16to8(localName.GetText());
    for (std::int32_t i = 0; i < attributes.getLength(); ++i) {
      UTF16String name;
      UTF16String value;
      attributes.getLocalName(i, name);
      attributes.getValueByIx(i, value);
      line += " " + UTF16to8(name) + "=" + UTF16to8(value);
    }
    transcript_.Event(line);
  }
  void endElement(CQURString&, CQURString& localName, CQURString&) override {
    transcript_.Event("end " + UTF16to8(localName.GetText()));
  }
  // The parser delivers the text between two pieces of markup in one call.
  void characters(CQURString& text) override { transcript_.Event("text " + UTF16to8(text.GetText())); }
  void processingInstruction(CQURString& target, CQURString& data) override {
    transcript_.Event("pi " + UTF16to8(target.GetText()) + " " + UTF16to8(data.GetText()));
  }

 private:
  Transcript& transcript_;
};

// "line L, column C" of a parser fault, or "" when the parse ended normally.
std::string ParserPosition(const std::string& bytes, std::size_t block, Transcript& transcript) {
  try {
    CQURSAX2Parser parser = CQURSAX2Parser::New();
    parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
    parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
    parser.A_setContentHandler(new RecordingHandler(transcript));
    parser.A_parse(new BytesStream(bytes, block));
  } catch (const CKORError& error) {
    const std::string message = error.what();
    const std::size_t at = message.rfind(" at line ");
    return at == std::string::npos ? message : message.substr(at + 4);
  }
  return "";
}

std::string ExpatPosition(const std::string& bytes, Transcript& transcript) {
  XML_Parser expat = XML_ParserCreate("UTF-16LE");
  XML_SetUserData(expat, &transcript);
  XML_SetParamEntityParsing(expat, XML_PARAM_ENTITY_PARSING_NEVER);
  XML_SetElementHandler(
      expat,
      [](void* data, const XML_Char* name, const XML_Char** attributes) {
        std::string line = std::string("start ") + name;
        for (; *attributes != nullptr; attributes += 2) line += std::string(" ") + attributes[0] + "=" + attributes[1];
        static_cast<Transcript*>(data)->Event(line);
      },
      [](void* data, const XML_Char* name) { static_cast<Transcript*>(data)->Event(std::string("end ") + name); });
  XML_SetCharacterDataHandler(expat, [](void* data, const XML_Char* text, int length) {
    static_cast<Transcript*>(data)->Text(std::string(text, static_cast<std::size_t>(length)));
  });
  XML_SetProcessingInstructionHandler(expat, [](void* data, const XML_Char* target, const XML_Char* text) {
    static_cast<Transcript*>(data)->Event(std::string("pi ") + target + " " + text);
  });
  XML_SetCommentHandler(expat, [](void* data, const XML_Char*) { static_cast<Transcript*>(data)->Flush(); });
  XML_SetCdataSectionHandler(
      expat, [](void* data) { static_cast<Transcript*>(data)->Flush(); },
      [](void* data) { static_cast<Transcript*>(data)->Flush(); });
  XML_SetSkippedEntityHandler(expat, [](void* data, const XML_Char*, int) { static_cast<Transcript*>(data)->Flush(); });
  std::string position;
  if (XML_Parse(expat, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) == XML_STATUS_ERROR) {
    position = "line " + std::to_string(XML_GetCurrentLineNumber(expat)) + ", column " +
               std::to_string(XML_GetCurrentColumnNumber(expat) + 1);
  } else {
    transcript.Flush();
  }
  XML_ParserFree(expat);
  return position;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static XMLEntryExit connection;
  if (size < 1) return 0;
  const std::size_t block = 1 + data[size - 1] % 97;
  // "<" first, so that both read UTF-16LE; whole units only, as a cut unit is
  // reported differently on purpose.
  std::string bytes("<\0", 2);
  bytes.append(reinterpret_cast<const char*>(data), (size - 1) & ~std::size_t{1});
  bool beyondASCII = false;
  bool unpairedSurrogate = false;
  bool highBefore = false;
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                            (static_cast<unsigned char>(bytes[i + 1]) << 8));
    if (unit == 0xAA || unit == 0xB5 || unit == 0xBA) return 0;
    if (unit >= 0x80 && (unit < 0xD800 || unit > 0xDFFF)) beyondASCII = true;
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if ((highBefore && !low) || (!highBefore && low)) unpairedSurrogate = true;
    highBefore = high;
  }
  Transcript ours;
  Transcript expats;
  const std::string ourPosition = ParserPosition(bytes, block, ours);
  if (unpairedSurrogate) {
    if (ourPosition.empty()) std::abort();
    return 0;
  }
  const std::string expatPosition = ExpatPosition(bytes, expats);
  const bool bothStopped = !ourPosition.empty() && !expatPosition.empty();
  const bool stoppedElsewhere = ourPosition != expatPosition && !(beyondASCII && bothStopped);
  const bool deliveredOtherwise = ours.Lines() != expats.Lines() && !(beyondASCII && bothStopped);
  if (stoppedElsewhere || deliveredOtherwise) {
    if (std::getenv("UTF16_FUZZ_SHOW") != nullptr) {
      std::fprintf(stderr, "ours: %s\n%s\nexpat: %s\n%s\n", ourPosition.c_str(), ours.Lines().c_str(),
                   expatPosition.c_str(), expats.Lines().c_str());
    }
    std::abort();
  }
  return 0;
}
