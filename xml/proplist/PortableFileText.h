// The last step before the property-list text goes to a file: making sure
// every XML reader will read back exactly what was written.
#pragma once

#include <string>

namespace arborix_internal {

// `text` (the writer's output) with every carriage return written as the
// character reference &#13;, which XML readers do not turn into a line feed.
// Throws std::invalid_argument naming the entry's key path (sub-list keys
// joined by '/') when the text holds bytes that are not UTF-8 or a character
// that XML 1.0 does not allow: a control character other than tab, line feed
// and carriage return, a surrogate, U+FFFE or U+FFFF.
std::string PortableFileText(const std::string& text);

}  // namespace arborix_internal
