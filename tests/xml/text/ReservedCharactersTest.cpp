#include <gtest/gtest.h>

#include <string>

#include "Arborix.h"

namespace {

TEST(EncodeReservedCharacters, ReplacesTheFiveReservedCharactersAndAppends) {
  UTF16String input = u"a&b<c>d\"e'f";
  UTF16String output = u"kept:";
  EncodeReservedCharacters(input, output);
  EXPECT_EQ(output, u"kept:a&amp;b&lt;c&gt;d&quot;e&apos;f");
  EXPECT_EQ(input, u"a&b<c>d\"e'f");

  std::string narrowInput = "a&b<c>d\"e'f";
  std::string narrowOutput = "kept:";
  EncodeReservedCharacters(narrowInput, narrowOutput);
  EXPECT_EQ(narrowOutput, "kept:a&amp;b&lt;c&gt;d&quot;e&apos;f");
}

TEST(EncodeReservedCharacters, CopiesEverythingElseUnchanged) {
  UTF16String input = u"\t\r\n\x01 \x0126\x3C00\xD83D\xDE00 ;#";
  UTF16String output;
  EncodeReservedCharacters(input, output);
  EXPECT_EQ(output, input);

  // The bytes of multi-byte sequences never equal a reserved ASCII byte.
  std::string utf8 = "\xC3\xA9\xE2\x80\x9C\xF0\x9F\x98\x80\x7F\n";
  std::string narrowOutput;
  EncodeReservedCharacters(utf8, narrowOutput);
  EXPECT_EQ(narrowOutput, utf8);
}

TEST(EncodeReservedCharacters, OneStringAsInputAndOutputGetsItsEscapedFormAppended) {
  UTF16String text = u"a<b";
  EncodeReservedCharacters(text, text);
  EXPECT_EQ(text, u"a<ba&lt;b");

  // Long enough that appending must reallocate while the input is read.
  std::string narrow(1000, '&');
  EncodeReservedCharacters(narrow, narrow);
  EXPECT_EQ(narrow.size(), 1000u + 5000u);
  EXPECT_EQ(narrow.substr(995, 15), "&&&&&&amp;&amp;");
}

}  // namespace
