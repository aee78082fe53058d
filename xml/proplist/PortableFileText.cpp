#include "proplist/PortableFileText.h"

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/utf/Utf8Sequence.h"
#include "proplist/PropListMarkup.h"

namespace arborix_internal {
namespace {

constexpr std::string_view kCarriageReturnReference = "&#13;";

// The length of the UTF-8 sequence at `at` if it encodes a character XML 1.0
// allows, else 0.
std::size_t AllowedCharacterLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
  const platform::utf::Utf8Decoded sequence = platform::utf::DecodeUtf8Sequence(
      reinterpret_cast<const unsigned char*>(text.data()) + at, text.size() - at);
  // A surrogate is a fault of its own; U+FFFE and U+FFFF are no characters.
  const bool allowed =
      sequence.fault == platform::utf::Utf8Fault::None && sequence.value != 0xFFFE && sequence.value != 0xFFFF;
  return allowed ? sequence.length : 0;
}

// Printable form of a key for a message: bytes outside printable ASCII and
// well-formed UTF-8 are shown as \xNN, the writer's five references undone.
std::string Printable(std::string_view escaped) {
  std::string shown;
  for (std::size_t at = 0; at < escaped.size();) {
    static constexpr std::pair<std::string_view, char> kReferences[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    bool replaced = false;
    for (const auto& [reference, character] : kReferences) {
      if (escaped.substr(at, reference.size()) == reference) {
        shown += character;
        at += reference.size();
        replaced = true;
        break;
      }
    }
    if (replaced) continue;
    const std::size_t length = AllowedCharacterLength(escaped, at);
    if (length > 1 || (length == 1 && static_cast<unsigned char>(escaped[at]) >= 0x20)) {
      shown.append(escaped.substr(at, length));
      at += length;
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      const auto value = static_cast<unsigned char>(escaped[at]);
      shown += "\\x";
      shown += kHex[value >> 4];
      shown += kHex[value & 0xF];
      ++at;
    }
  }
  return shown;
}

// The keys leading to the entry whose text holds `offset`: the keys of the
// sub-lists open there, then the entry's own key.
std::string KeyPathAt(std::string_view text, std::size_t offset) {
  std::string keyStartTag, keyEndTag, listStartTag, listEndTag;
  AppendStartTag(keyStartTag, PropListTags::kKey);
  AppendEndTag(keyEndTag, PropListTags::kKey);
  AppendStartTag(listStartTag, PropListTags::kList);
  AppendEndTag(listEndTag, PropListTags::kList);
  std::vector<std::string_view> listKeys;  // one per open list below the top one
  std::size_t openLists = 0;
  std::string_view lastKey;
  std::size_t at = 0;
  while (at < offset) {
    const std::size_t tag = text.find('<', at);
    if (tag == std::string_view::npos || tag >= offset) break;
    const std::string_view rest = text.substr(tag);
    if (rest.starts_with(keyStartTag)) {
      const std::size_t keyStart = tag + keyStartTag.size();
      const std::size_t keyEnd = text.find(keyEndTag, keyStart);
      lastKey = text.substr(keyStart, keyEnd - keyStart);
      at = keyStart;
      continue;
    }
    if (rest.starts_with(listStartTag)) {
      if (openLists++ > 0) listKeys.push_back(lastKey);
    } else if (rest.starts_with(listEndTag)) {
      if (openLists-- > 1) listKeys.pop_back();
    }
    at = tag + 1;
  }
  std::string path;
  for (const std::string_view key : listKeys) path += Printable(key) + '/';
  return path + Printable(lastKey);
}

[[noreturn]] void Refuse(std::string_view text, std::size_t offset) {
  throw std::invalid_argument("cannot save the property list: the entry \"" + KeyPathAt(text, offset) +
                              "\" holds text that an XML file cannot carry (not UTF-8, or a control "
                              "character other than tab, line feed and carriage return)");
}

}  // namespace

std::string PortableFileText(const std::string& text) {
  std::string portable;
  portable.reserve(text.size());
  std::size_t copied = 0;  // text before this offset is in `portable`
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x20 && byte < 0x80) {
      ++at;
      continue;
    }
    const std::size_t length = AllowedCharacterLength(text, at);
    if (length == 0) Refuse(text, at);
    if (byte == '\r') {
      portable.append(text, copied, at - copied);
      portable += kCarriageReturnReference;
      copied = at + 1;
    }
    at += length;
  }
  portable.append(text, copied, std::string::npos);
  return portable;
}

}  // namespace arborix_internal
