#include "NameText.h"

#include "platform/UnicodeTranscoding.h"

namespace dossik_internal {

UTF16String NameText(const std::filesystem::path& name) {
#if defined(_WIN32)
  // Windows names are UTF-16 already.
  const std::wstring& units = name.native();
  return UTF16String(units.begin(), units.end());
#else
  return platform::ToUTF16(name.native());
#endif
}

}  // namespace dossik_internal
