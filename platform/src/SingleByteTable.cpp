#include "SingleByteTable.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>

#if defined(_WIN32)
#include <windows.h>

#include "platform/UnicodeTranscoding.h"
#else
#include <iconv.h>
#endif

namespace platform::internal {
namespace {

#if defined(_WIN32)

// One converter for every byte of one encoding.
class ByteConverter {
 public:
  explicit ByteConverter(const KnownEncoding& encoding) : codePage_(encoding.codePage) {}
  bool IsOpen() const { return ::IsValidCodePage(codePage_) != 0; }

  // The UTF-8 form of `byte` alone; nothing when it is no character.
  std::optional<std::string> Convert(unsigned char byte) const {
    const char input = static_cast<char>(byte);
    wchar_t wide[4];
    const int units = ::MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, &input, 1, wide, 4);
    if (units <= 0) return std::nullopt;
    return ToUTF8(std::u16string_view(reinterpret_cast<const char16_t*>(wide), static_cast<std::size_t>(units)));
  }

 private:
  UINT codePage_;
};

#else

class ByteConverter {
 public:
  explicit ByteConverter(const KnownEncoding& encoding)
      : converter_(iconv_open("UTF-8", std::string(encoding.iconvName).c_str())) {}
  ByteConverter(const ByteConverter&) = delete;
  ByteConverter& operator=(const ByteConverter&) = delete;
  ~ByteConverter() {
    if (IsOpen()) iconv_close(converter_);
  }
  bool IsOpen() const { return converter_ != reinterpret_cast<iconv_t>(-1); }

  // The UTF-8 form of `byte` alone; nothing when it is no character. The
  // converter starts from its initial state and gives out what it holds
  // back (a letter waiting for a mark) as the byte's own text.
  std::optional<std::string> Convert(unsigned char byte) {
    constexpr std::size_t kFailed = static_cast<std::size_t>(-1);
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    char input = static_cast<char>(byte);
    char* in = &input;
    std::size_t inLeft = 1;
    char output[16];
    char* write = output;
    std::size_t writeLeft = sizeof output;
    if (iconv(converter_, &in, &inLeft, &write, &writeLeft) == kFailed || inLeft != 0 ||
        iconv(converter_, nullptr, nullptr, &write, &writeLeft) == kFailed) {
      return std::nullopt;
    }
    return std::string(output, write);
  }

 private:
  iconv_t converter_;
};

#endif

}  // namespace

SingleByteTable::SingleByteTable(const KnownEncoding& encoding) {
  ByteConverter converter(encoding);
  if (!converter.IsOpen()) return;
  for (unsigned byte = 0; byte < 256; ++byte) {
    if (std::optional<std::string> character = converter.Convert(static_cast<unsigned char>(byte))) {
      characters_[byte] = std::move(*character);
      defined_[byte] = true;
    }
  }
  usable_ = true;
}

bool SingleByteTable::Decode(std::string_view input, std::string& out) const {
  for (const char c : input) {
    const auto byte = static_cast<unsigned char>(c);
    if (!defined_[byte]) return false;
    out += characters_[byte];
  }
  return true;
}

const SingleByteTable* SingleByteTableFor(const KnownEncoding& encoding) {
  if (!encoding.singleByte) return nullptr;
  static std::mutex guard;
  static std::map<const KnownEncoding*, std::unique_ptr<SingleByteTable>> tables;
  const std::lock_guard<std::mutex> lock(guard);
  std::unique_ptr<SingleByteTable>& table = tables[&encoding];
  if (!table) table = std::make_unique<SingleByteTable>(encoding);
  return table->IsUsable() ? table.get() : nullptr;
}

}  // namespace platform::internal
