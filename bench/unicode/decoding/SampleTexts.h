// The inputs of the decoding benchmark: about a megabyte of prose each.
#pragma once

#include <string>

namespace decodingbench {

// English prose with an accented word now and then: nearly all ASCII.
const std::string& AsciiHeavyUtf8();
// Prose in Latin, Cyrillic, Greek, Han and Hiragana scripts with some emoji:
// one- to four-byte sequences, mostly two and three.
const std::string& MixedScriptUtf8();
// The mixed-script prose as UTF-16 little-endian, without a mark.
const std::string& MixedScriptUtf16LE();

}  // namespace decodingbench
