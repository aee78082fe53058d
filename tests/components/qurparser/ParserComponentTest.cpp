#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ComponentCalls.h"
#include "KOR.h"
#include "QURParser.h"

namespace {

using namespace component_test;

std::int32_t HostRefuses() { return 0; }

class ParserComponent : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(QURStart(KORGetLookupFunction(), &HostReady), 1); }
  void TearDown() override { QURStop(); }

  KORContainer UTF8(const char* text) {
    KORContainer made = nullptr;
    EXPECT_EQ(reinterpret_cast<QURNewUTF8Proc>(Find(kQURNewStringInterface, kQURNewStringMethods[kQURNewUTF8]))(
                  text, -1, &made),
              nullptr);
    return made;
  }
  KORContainer UTF16(const char16_t* text) {
    KORContainer made = nullptr;
    EXPECT_EQ(reinterpret_cast<QURNewUTF16Proc>(Find(kQURNewStringInterface, kQURNewStringMethods[kQURNewUTF16]))(
                  text, -1, kQURUTF16, &made),
              nullptr);
    return made;
  }
  std::string Text(KORContainer string) {
    using S = _t_ZQURStringInterface;
    char buffer[256];
    std::int32_t copied = 0;
    EXPECT_EQ((Method<S, S::copyUTF8Proc>(S::copyUTF8)(string, buffer, sizeof buffer, &copied)), nullptr);
    return std::string(buffer, static_cast<std::size_t>(copied));
  }
};

TEST(ParserComponentStart, StartPublishesEverythingAndTheLastStopWithdrawsIt) {
  const KORMethodName& create = kQURNewSAX2ParserMethods[kQURNewSAX2Parser];
  ASSERT_EQ(Find(kQURNewSAX2ParserInterface, create), nullptr);
  ASSERT_EQ(QURStart(KORGetLookupFunction(), &HostReady), 1);
  ASSERT_EQ(QURStart(KORGetLookupFunction(), &HostReady), 1);
  EXPECT_NE(Find(kQURNewSAX2ParserInterface, create), nullptr);
  using P = _t_ZQURSAX2ParserInterface;
  EXPECT_NE((Method<P, KORProc>(P::A_parse)), nullptr);
  QURStop();
  EXPECT_NE(Find(kQURNewSAX2ParserInterface, create), nullptr) << "starts nest";
  QURStop();
  EXPECT_EQ(Find(kQURNewSAX2ParserInterface, create), nullptr);
  EXPECT_EQ((Method<P, KORProc>(P::A_parse)), nullptr);
  QURStop();  // one stop too many changes nothing
}

TEST(ParserComponentStart, AStartWithoutLookupOrAgainstTheHostsWillFails) {
  EXPECT_EQ(QURStart(nullptr, &HostReady), 0);
  EXPECT_EQ(QURStart(KORGetLookupFunction(), &HostRefuses), 0);
  EXPECT_EQ(QURStart(KORGetLookupFunction(), nullptr), 0);
  EXPECT_EQ(Find(kQURNewSAX2ParserInterface, kQURNewSAX2ParserMethods[kQURNewSAX2Parser]), nullptr);
}

TEST_F(ParserComponent, StringsKeepTheirFormAndAnswerOnlyInIt) {
  using S = _t_ZQURStringInterface;
  KORContainer utf8 = UTF8("caf\xC3\xA9");
  KORContainer utf16 = UTF16(u"caf\u00e9");
  std::int32_t selector = -1;
  ASSERT_EQ((Method<S, S::getCharSelectorProc>(S::getCharSelector)(utf8, &selector)), nullptr);
  EXPECT_EQ(selector, kQURUTF8);
  ASSERT_EQ((Method<S, S::getCharSelectorProc>(S::getCharSelector)(utf16, &selector)), nullptr);
  EXPECT_EQ(selector, kQURUTF16);
  std::int32_t size = 0;
  ASSERT_EQ((Method<S, S::getSizeProc>(S::getSize)(utf8, kQURUTF16, &size)), nullptr);
  EXPECT_EQ(size, 4);
  ASSERT_EQ((Method<S, S::getSizeProc>(S::getSize)(utf8, kQURUTF8, &size)), nullptr);
  EXPECT_EQ(size, 5);

  const char16_t* wide = nullptr;
  KORErrorHandle refused = Method<S, S::w_strProc>(S::w_str)(utf8, &wide);
  EXPECT_NE(refused, nullptr) << "w_str answers only for a UTF-16 string";
  ReleaseError(refused);
  ASSERT_EQ((Method<S, S::w_strProc>(S::w_str)(utf16, &wide)), nullptr);
  EXPECT_EQ(std::u16string(wide), u"caf\u00e9");

  char equal = 0;
  ASSERT_EQ((Method<S, S::operatorEqualsProc>(S::operatorEquals)(utf8, utf16, &equal)), nullptr);
  EXPECT_EQ(equal, 'T');
  Release(utf8);
  Release(utf16);
}

TEST_F(ParserComponent, UTF8ReadsAsUTF16WithEveryLengthOfSequenceAndBadBytesReplaced) {
  using S = _t_ZQURStringInterface;
  // ASCII runs around 2-, 3- and 4-byte sequences, a stray continuation byte,
  // a truncated sequence and an overlong form.
  KORContainer utf8 = UTF8("ab\xC3\xA9" "cd\xE2\x82\xAC\xF0\x9F\x98\x80" "e\x80" "f\xE2\x82g\xC0\xAFh");
  const std::u16string expected = u"ab\u00e9cd\u20ac\U0001F600e\uFFFDf\uFFFD\uFFFDg\uFFFD\uFFFDh";
  std::int32_t size = 0;
  ASSERT_EQ((Method<S, S::getSizeProc>(S::getSize)(utf8, kQURUTF16, &size)), nullptr);
  EXPECT_EQ(size, static_cast<std::int32_t>(expected.size()));
  char16_t units[64] = {};
  std::int32_t copied = 0;
  ASSERT_EQ((Method<S, S::copyUTF16Proc>(S::copyUTF16)(utf8, units, 64, &copied)), nullptr);
  EXPECT_EQ(std::u16string(units, static_cast<std::size_t>(copied)), expected);
  Release(utf8);
}

TEST_F(ParserComponent, PCDATAConversionEscapesTheFiveReservedCharacters) {
  KORContainer source = UTF8("<a href=\"x\">&'</a>");
  KORContainer escaped = nullptr;
  ASSERT_EQ(reinterpret_cast<QURConvertToPCDATAProc>(
                Find(kQURNewStringInterface, kQURNewStringMethods[kQURConvertToPCDATA]))(source, &escaped),
            nullptr);
  EXPECT_EQ(Text(escaped), "&lt;a href=&quot;x&quot;&gt;&amp;&apos;&lt;/a&gt;");
  KORContainer joined = nullptr;
  ASSERT_EQ(reinterpret_cast<QURNewFromAppendProc>(
                Find(kQURNewStringInterface, kQURNewStringMethods[kQURNewFromAppend]))(source, escaped, &joined),
            nullptr);
  EXPECT_EQ(Text(joined), Text(source) + Text(escaped));
  for (KORContainer c : {source, escaped, joined}) Release(c);
}

TEST_F(ParserComponent, ObjectMethodsRefuseHandlesOfAnotherKind) {
  using P = _t_ZQURSAX2ParserInterface;
  KORContainer string = UTF8("not a parser");
  char value = 'x';
  KORErrorHandle error = Method<P, P::getFeatureProc>(P::getFeature)(string, string, &value);
  ASSERT_NE(error, nullptr);
  ReleaseError(error);
  char isParser = 'x';
  ASSERT_EQ(reinterpret_cast<QURGetSAX2ParserInstanceProc>(
                Find(kQURNewSAX2ParserInterface, kQURNewSAX2ParserMethods[kQURGetSAX2ParserInstance]))(string,
                                                                                                    &isParser),
            nullptr);
  EXPECT_EQ(isParser, 0);
  Release(string);
}

TEST_F(ParserComponent, OnlySAX2ParsersCanBeMade) {
  auto create =
      reinterpret_cast<QURNewSAX2ParserProc>(Find(kQURNewSAX2ParserInterface, kQURNewSAX2ParserMethods[kQURNewSAX2Parser]));
  KORContainer parser = nullptr;
  KORErrorHandle refused = create(1, &parser);
  EXPECT_NE(refused, nullptr);
  EXPECT_EQ(parser, nullptr);
  ReleaseError(refused);
  ASSERT_EQ(create(kQURSAX2ParserKind, &parser), nullptr);
  Release(parser);
}

// A released parser's memory is where the next one is made: it must start
// afresh, without the handler registered on the one before.
TEST_F(ParserComponent, AParserMadeAfterAnotherWasReleasedHasNoneOfItsHandlers) {
  using P = _t_ZQURSAX2ParserInterface;
  auto create =
      reinterpret_cast<QURNewSAX2ParserProc>(Find(kQURNewSAX2ParserInterface, kQURNewSAX2ParserMethods[kQURNewSAX2Parser]));
  static const QURReleaseTable keep{[](void*) {}};
  static const QURContentHandlerCallbacks content{};
  static int handler = 0;
  KORContainer first = nullptr;
  ASSERT_EQ(create(kQURSAX2ParserKind, &first), nullptr);
  ASSERT_EQ((Method<P, P::A_setContentHandlerProc>(P::A_setContentHandler)(first, &handler, &keep, &content)), nullptr);
  const auto contentHandlerOf = [](KORContainer parser) {
    KORContainer registered = nullptr;
    EXPECT_EQ((Method<P, P::getObjectProc>(P::getContentHandler)(parser, &registered)), nullptr);
    if (registered != nullptr) Release(registered);
    return registered;
  };
  ASSERT_NE(contentHandlerOf(first), nullptr);
  Release(first);

  KORContainer second = nullptr;
  KORContainer third = nullptr;
  ASSERT_EQ(create(kQURSAX2ParserKind, &second), nullptr);
  ASSERT_EQ(create(kQURSAX2ParserKind, &third), nullptr);
  EXPECT_EQ(contentHandlerOf(second), nullptr);
  EXPECT_EQ(contentHandlerOf(third), nullptr);
  Release(second);
  Release(third);
}

// A document of many blocks, served in reads of at most what is asked.
struct SteppedDocument {
  static inline std::string bytes;
  static inline std::size_t position = 0;
  static inline int reads = 0;
  static inline int elements = 0;

  static KORErrorHandle Read(KORContainer, unsigned char* buffer, std::uint32_t maximum, std::uint32_t* count) {
    ++reads;
    *count = static_cast<std::uint32_t>(std::min<std::size_t>(maximum, bytes.size() - position));
    std::copy_n(bytes.data() + position, *count, buffer);
    position += *count;
    return nullptr;
  }
  static KORErrorHandle Start(KORContainer, KORContainer, KORContainer, KORContainer, KORContainer) {
    ++elements;
    return nullptr;
  }
  static void Forget(void*) {}
};

TEST_F(ParserComponent, AParseFedStepByStepReadsOneBlockPerStepAndAParseRunToItsEndReadsTheSame) {
  using P = _t_ZQURSAX2ParserInterface;
  constexpr int kElements = 20000;
  SteppedDocument::bytes = "<r>";
  for (int i = 0; i < kElements; ++i) SteppedDocument::bytes += "<e>some text</e>";
  SteppedDocument::bytes += "</r>";
  const int blocks = static_cast<int>((SteppedDocument::bytes.size() + 65535) / 65536);
  ASSERT_GT(blocks, 3);

  KORContainer parser = nullptr;
  ASSERT_EQ(reinterpret_cast<QURNewSAX2ParserProc>(
                Find(kQURNewSAX2ParserInterface, kQURNewSAX2ParserMethods[kQURNewSAX2Parser]))(kQURSAX2ParserKind,
                                                                                              &parser),
            nullptr);
  static const QURReleaseTable forget{&SteppedDocument::Forget};
  static const QURContentHandlerCallbacks content = [] {
    QURContentHandlerCallbacks callbacks{};
    callbacks.startElement = &SteppedDocument::Start;
    return callbacks;
  }();
  static const QURBinInputStreamCallbacks stream = [] {
    QURBinInputStreamCallbacks callbacks{};
    callbacks.readBytes = &SteppedDocument::Read;
    return callbacks;
  }();
  static int handler = 0;
  static int source = 0;
  ASSERT_EQ((Method<P, P::A_setContentHandlerProc>(P::A_setContentHandler)(parser, &handler, &forget, &content)),
            nullptr);

  char more = 0;
  ASSERT_EQ((Method<P, P::A_parseFirstProc>(P::A_parseFirst)(parser, &source, 0, 0, &forget, &stream, &more)), nullptr);
  int steps = 1;
  while (more == 'T') {
    ASSERT_EQ((Method<P, P::parseNextProc>(P::parseNext)(parser, &more)), nullptr);
    ++steps;
  }
  EXPECT_EQ(steps, blocks + 1) << "a step for each block, and one that reads the end";
  EXPECT_EQ(SteppedDocument::reads, steps);
  EXPECT_EQ(SteppedDocument::elements, kElements + 1);

  SteppedDocument::position = 0;
  SteppedDocument::reads = 0;
  SteppedDocument::elements = 0;
  ASSERT_EQ((Method<P, P::A_parseProc>(P::A_parse)(parser, &source, 0, 0, &forget, &stream)), nullptr);
  EXPECT_EQ(SteppedDocument::reads, blocks + 1);
  EXPECT_EQ(SteppedDocument::elements, kElements + 1);
  Release(parser);
}

}  // namespace
