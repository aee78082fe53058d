// UTF8to16 reads nothing beyond the bytes of its input. Every input is held
// in a string with spare capacity whose bytes from the input's end on (its
// terminator included) are poisoned when AddressSanitizer is present, so a
// read of any of them stops the test: the sanitize build checks the bounds,
// every build checks the results.
#include <gtest/gtest.h>

#include <string>

#include "Arborix.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define SUITE_POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define SUITE_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#else
#define SUITE_POISON(address, size) ((void)(address), (void)(size))
#define SUITE_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace {

constexpr std::size_t kLongestInput = 32;

// Converts `bytes` while everything behind them is unreadable.
UTF16String ConvertAtTheEdge(const std::string& bytes) {
  std::string input;
  input.reserve(kLongestInput + 16);  // on the heap, with room behind every length
  input.assign(bytes);
  char* const tail = input.data() + input.size();
  const std::size_t tailSize = input.capacity() + 1 - input.size();
  SUITE_POISON(tail, tailSize);
  UTF16String result = UTF8to16(input);
  SUITE_UNPOISON(tail, tailSize);
  return result;
}

std::string Ascii(std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
  return text;
}

UTF16String Widened(const std::string& ascii) { return UTF16String(ascii.begin(), ascii.end()); }

TEST(UTF8to16Bounds, AsciiOfEveryLengthUpTo32IsConvertedWithoutReadingBeyondIt) {
  for (std::size_t length = 0; length <= kLongestInput; ++length) {
    EXPECT_EQ(ConvertAtTheEdge(Ascii(length)), Widened(Ascii(length))) << "length " << length;
  }
}

TEST(UTF8to16Bounds, SequenceEndingTheInputIsReadWithinIt) {
  for (std::size_t length = 2; length <= kLongestInput; ++length) {
    const std::string ascii = Ascii(length - 2);
    EXPECT_EQ(ConvertAtTheEdge(ascii + "\xC3\xA9"), Widened(ascii) + u"\u00E9") << "length " << length;
  }
  for (std::size_t length = 4; length <= kLongestInput; ++length) {
    const std::string ascii = Ascii(length - 4);
    EXPECT_EQ(ConvertAtTheEdge(ascii + "\xF0\x9F\x98\x80"), Widened(ascii) + u"\xD83D\xDE00") << "length " << length;
  }
}

TEST(UTF8to16Bounds, SequenceCutByTheEndOfTheInputIsDroppedWithoutReadingOn) {
  const char* const cutSequences[] = {"\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xFC\x80\x80\x80\x80"};
  for (const std::string cut : cutSequences) {
    for (std::size_t length = cut.size(); length <= kLongestInput; ++length) {
      const std::string ascii = Ascii(length - cut.size());
      EXPECT_EQ(ConvertAtTheEdge(ascii + cut), Widened(ascii)) << "length " << length;
    }
  }
}

}  // namespace
