// File and folder names as UTF-16 text. Names on this system are bytes that are
// normally UTF-8; a byte that does not belong to a valid sequence becomes
// U+FFFD, so that any name can be shown and sorted without failing.
#pragma once

#include <filesystem>

#include "UTF16String.h"

namespace dossik_internal {

UTF16String NameText(const std::filesystem::path& name);

}  // namespace dossik_internal
