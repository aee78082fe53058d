#include "platform/LegacyTextDecoder.h"

#include <algorithm>

#include "EncodingAliases.h"
#include "SingleByteTable.h"

#if defined(_WIN32)
#include <windows.h>

#include <climits>

#include "platform/UnicodeTranscoding.h"
#else
#include <cerrno>

#include <iconv.h>
#endif

namespace platform {
namespace {

// The form of an encoding name in an XML declaration. Anything else never
// reaches a converter, which might read more into it (iconv takes "//IGNORE"
// as a request to drop what it cannot convert).
bool IsEncodingName(std::string_view name) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (name.empty() || !letter(name[0])) return false;
  return std::all_of(name.begin(), name.end(), [&](char c) {
    return letter(c) || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
  });
}

// The table that decodes the single-byte encoding `encodingName`; null for
// any other encoding, which goes to the converter call by call.
const internal::SingleByteTable* TableFor(std::string_view encodingName) {
  const internal::KnownEncoding* known = internal::FindKnownEncoding(encodingName);
  return known == nullptr ? nullptr : internal::SingleByteTableFor(*known);
}

}  // namespace

#if defined(_WIN32)

namespace {

// A byte below 0x40 other than a digit is a character of its own in every
// code page served here: no lead byte is that small, and trail bytes are 0x40
// or more (digits are the second and fourth byte of GB18030's four-byte
// characters). Cutting after one never splits a character.
bool EndsACharacter(unsigned char byte) { return byte < 0x40 && (byte < '0' || byte > '9'); }

}  // namespace

struct LegacyTextDecoder::State {
  UINT codePage;
  std::string pending;  // bytes after the last cut, held for the next call
  const internal::SingleByteTable* table;  // the single-byte encodings' way instead
};

LegacyTextDecoder::LegacyTextDecoder(std::string_view encodingName) {
  if (!IsEncodingName(encodingName)) return;
  if (const internal::SingleByteTable* table = TableFor(encodingName)) {
    state_ = std::make_unique<State>(State{0, {}, table});
    return;
  }
  const internal::KnownEncoding* known = internal::FindKnownEncoding(encodingName);
  if (known == nullptr || !::IsValidCodePage(known->codePage)) return;
  state_ = std::make_unique<State>(State{known->codePage, {}, nullptr});
}

LegacyTextDecoder::~LegacyTextDecoder() = default;

// MultiByteToWideChar keeps nothing between calls, so each call converts
// whole characters only: up to the last byte that surely ends one, or all
// of it at the end. Only the new bytes are searched for that byte: the
// pending ones hold none.
bool LegacyTextDecoder::Decode(std::string_view input, bool final, std::string& out) {
  if (!state_) return false;
  if (state_->table != nullptr) return DecodeThroughTable(input, out);
  const std::size_t held = state_->pending.size();
  std::size_t cut = held + input.size();
  if (!final) {
    const auto last = std::find_if(input.rbegin(), input.rend(),
                                   [](char c) { return EndsACharacter(static_cast<unsigned char>(c)); });
    cut = last == input.rend() ? 0 : held + static_cast<std::size_t>(input.rend() - last);
  }
  std::string text = std::move(state_->pending);
  text.append(input);
  if (cut == 0) {
    state_->pending = std::move(text);
    return true;
  }
  state_->pending = text.substr(cut);
  if (cut > static_cast<std::size_t>(INT_MAX)) {
    state_.reset();
    return false;
  }
  const int size = static_cast<int>(cut);
  const int units = ::MultiByteToWideChar(state_->codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(units), u'\0');
  if (units == 0 || ::MultiByteToWideChar(state_->codePage, MB_ERR_INVALID_CHARS, text.data(), size,
                                          reinterpret_cast<wchar_t*>(wide.data()), units) != units) {
    state_.reset();
    return false;
  }
  out += ToUTF8(wide);
  return true;
}

#else

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kConversionFailed = static_cast<std::size_t>(-1);

}  // namespace

struct LegacyTextDecoder::State {
  explicit State(iconv_t opened) : converter(opened) {}
  explicit State(const internal::SingleByteTable* singleBytes) : table(singleBytes) {}
  State(const State&) = delete;
  State& operator=(const State&) = delete;
  ~State() {
    if (converter != kNoConverter) iconv_close(converter);
  }

  iconv_t converter = kNoConverter;
  std::string pending;  // the start of a character the last input ended in
  const internal::SingleByteTable* table = nullptr;  // the single-byte encodings' way instead
};

LegacyTextDecoder::LegacyTextDecoder(std::string_view encodingName) {
  if (!IsEncodingName(encodingName)) return;
  if (const internal::SingleByteTable* table = TableFor(encodingName)) {
    state_ = std::make_unique<State>(table);
    return;
  }
  iconv_t converter = iconv_open("UTF-8", std::string(encodingName).c_str());
  if (converter == kNoConverter) {
    if (const internal::KnownEncoding* known = internal::FindKnownEncoding(encodingName)) {
      converter = iconv_open("UTF-8", std::string(known->iconvName).c_str());
    }
  }
  if (converter != kNoConverter) state_ = std::make_unique<State>(converter);
}

LegacyTextDecoder::~LegacyTextDecoder() = default;

bool LegacyTextDecoder::Decode(std::string_view input, bool final, std::string& out) {
  if (!state_) return false;
  if (state_->table != nullptr) return DecodeThroughTable(input, out);
  std::string joined;
  if (!state_->pending.empty()) {
    joined = std::move(state_->pending) + std::string(input);
    state_->pending.clear();
    input = joined;
  }
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  // Three UTF-8 bytes per input byte is enough for every encoding served
  // here; an encoding that writes more gets more room.
  std::size_t room = 3 * inLeft + 16;
  while (true) {
    const std::size_t start = out.size();
    out.resize(start + room);
    char* write = out.data() + start;
    std::size_t writeLeft = room;
    std::size_t result = iconv(state_->converter, &in, &inLeft, &write, &writeLeft);
    int error = errno;
    if (result != kConversionFailed && final) {
      // A stateful encoding may still owe output for the shift state it is in.
      result = iconv(state_->converter, nullptr, nullptr, &write, &writeLeft);
      error = errno;
    }
    out.resize(out.size() - writeLeft);
    if (result != kConversionFailed) return true;
    if (error == E2BIG) {
      room = 3 * inLeft + 64;
      continue;
    }
    if (error == EINVAL && !final) {
      state_->pending.assign(in, inLeft);
      return true;
    }
    state_.reset();
    return false;
  }
}

#endif

bool LegacyTextDecoder::DecodeThroughTable(std::string_view input, std::string& out) {
  if (state_->table->Decode(input, out)) return true;
  state_.reset();
  return false;
}

}  // namespace platform
