// The encodings the suite reads through the platform's converters, each under
// the name iconv knows, its Windows code page and the other names documents
// give it. iconv knows most names by itself; Windows knows only code page
// numbers, so its decoder finds every name here.
#pragma once

#include <string_view>

namespace platform::internal {

struct KnownEncoding {
  std::string_view iconvName;
  unsigned codePage;
  bool singleByte;  // every character is one byte
};

// The encoding called `name`, compared without regard to case; null when the
// name is not listed.
const KnownEncoding* FindKnownEncoding(std::string_view name);

}  // namespace platform::internal
