#include "InputTranscoder.h"

#include <array>
#include <optional>

#include "XMLDeclaration.h"

namespace qur {
namespace {

// The encodings Expat reads by itself, under the names it knows them by.
bool ExpatReadsItself(std::string_view name) {
  constexpr std::array<std::string_view, 6> kNames{"UTF-8", "UTF-16", "UTF-16LE", "UTF-16BE", "ISO-8859-1", "US-ASCII"};
  for (std::string_view known : kNames) {
    if (platform::SameEncodingName(known, name)) return true;
  }
  return false;
}

bool ReadsDeclarationUnchanged(std::string_view encoding, std::string_view declaration) {
  platform::LegacyTextDecoder decoder(encoding);
  std::string text;
  return decoder.Decode(declaration, false, text) && text == declaration;
}

struct UTF16Form {
  ByteOrder order;
  bool marked;  // starts with a byte-order mark
};

// The form of a document whose first two bytes show it to be UTF-16: a
// byte-order mark, or a 0 byte beside a first character that is not 0.
std::optional<UTF16Form> UTF16FormOf(std::string_view head) {
  if (head.size() < 2) return std::nullopt;
  const auto first = static_cast<unsigned char>(head[0]);
  const auto second = static_cast<unsigned char>(head[1]);
  if (first == 0xFF && second == 0xFE) return UTF16Form{ByteOrder::LittleEndian, true};
  if (first == 0xFE && second == 0xFF) return UTF16Form{ByteOrder::BigEndian, true};
  if (first != 0 && second == 0) return UTF16Form{ByteOrder::LittleEndian, false};
  if (first == 0) return UTF16Form{ByteOrder::BigEndian, false};
  return std::nullopt;
}

}  // namespace

InputTranscoder::Start InputTranscoder::Begin(std::string_view head, bool final) {
  End();
  if (const std::optional<UTF16Form> form = UTF16FormOf(head)) {
    utf16_ = true;
    utf16Converter_.Begin(form->order, form->marked);
    return Start::Transcode;
  }
  const DeclaredEncoding declared = FindDeclaredEncoding(head, final);
  if (declared.outcome == DeclaredEncoding::Outcome::Incomplete) return Start::NeedMoreBytes;
  if (declared.outcome == DeclaredEncoding::Outcome::Absent || ExpatReadsItself(declared.name)) return Start::AsIs;
  auto decoder = std::make_unique<platform::LegacyTextDecoder>(declared.name);
  if (!decoder->IsOpen() || !ReadsDeclarationUnchanged(declared.name, head.substr(0, declared.declarationSize))) {
    return Start::AsIs;
  }
  decoder_ = std::move(decoder);
  return Start::Transcode;
}

bool InputTranscoder::Convert(std::string_view bytes, bool final, char* destination) {
  if (utf16_) return utf16Converter_.Convert(bytes, final, destination);
  output_.clear();
  return decoder_->Decode(bytes, final, output_);
}

CatalogueEntry InputTranscoder::Fault() const {
  return utf16_ ? EntryForExpatError(XML_ERROR_PARTIAL_CHAR, false) : kUndecodableBytes;
}

void InputTranscoder::End() {
  decoder_.reset();
  output_.clear();
  utf16_ = false;
  utf16Converter_.Reset();
}

}  // namespace qur
