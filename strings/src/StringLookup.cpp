#include "verbosa/StringLookup.h"

#include "StringTable.h"

namespace Verbosa {

UTF16String GetUnicodeString(const std::string& key) {
  const UTF16String* text = ProcessStringTable().Find(key);
  return text ? *text : UTF16String{};
}

void GetUnicodeString(const std::string& key, UTF16String& text) {
  text.clear();
  if (const UTF16String* found = ProcessStringTable().Find(key)) text = *found;
}

bool HasString(const std::string& key) { return ProcessStringTable().Find(key) != nullptr; }

std::string BuildKeyFromUnicode(const UTF16String& key) {
  std::string bytes;
  bytes.reserve(key.size());
  for (char16_t unit : key) bytes += static_cast<char>(unit & 0xFF);
  return bytes;
}

}  // namespace Verbosa
