// Arbitrary bytes through A_parse, read in blocks whose size the input
// chooses, with a content handler that reads every string and attribute it is
// given. Any outcome but a crash, a leak or a sanitizer report is fine: a
// malformed document must end as an exception.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

#include "arborix/XMLEntryExit.h"
#include "arborix/client/CKORError.h"
#include "arborix/client/CQURSAX2Parser.h"
#include "arborix/client/HQURBinInputStreamBase.h"
#include "arborix/client/HQURContentHandlerBase.h"
#include "arborix/client/HQURErrorHandlerBase.h"

namespace {

class BytesStream : public HQURBinInputStreamBase {
 public:
  BytesStream(const std::uint8_t* data, std::size_t size, std::size_t block) : data_(data), size_(size), block_(block) {}
  std::uint32_t curPos() const override { return static_cast<std::uint32_t>(position_); }
  unsigned int readBytes(unsigned char* const buffer, unsigned int maximum) override {
    const std::size_t count = std::min({static_cast<std::size_t>(maximum), size_ - position_, block_});
    if (count > 0) std::memcpy(buffer, data_ + position_, count);
    position_ += count;
    return static_cast<unsigned int>(count);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t block_;
  std::size_t position_ = 0;
};

class CountingHandler : public HQURContentHandlerBase {
 public:
  void startElement(CQURString&, CQURString& localName, CQURString&, CQURAttributes& attributes) override {
    events_ += localName.GetText().size();
    for (std::int32_t i = 0; i < attributes.getLength(); ++i) {
      UTF16String name;
      UTF16String value;
      if (attributes.getLocalName(i, name) && attributes.getValue(name, value)) events_ += value.size();
    }
  }
  void endElement(CQURString&, CQURString& localName, CQURString&) override { events_ += localName.GetText().size(); }
  void characters(CQURString& text) override { events_ += text.GetText().size(); }
  void processingInstruction(CQURString& target, CQURString& data) override {
    events_ += target.GetText().size() + data.GetText().size();
  }

 private:
  std::size_t events_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static XMLEntryExit connection;
  try {
    CQURSAX2Parser parser = CQURSAX2Parser::New();
    parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
    parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
    parser.A_setContentHandler(new CountingHandler);
    parser.A_setErrorHandler(new HQURErrorHandlerBase);
    parser.A_parse(new BytesStream(data, size, 1 + size % 97));
  } catch (const CKORError&) {
  } catch (const std::bad_alloc&) {
  }
  return 0;
}
