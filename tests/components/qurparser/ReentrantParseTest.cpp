// A parser called back into from its own callbacks: while Expat is parsing,
// nothing may feed it again, start another parse on it or change its
// handlers. Expat is not instrumented by the sanitizers, so a fault here
// shows under valgrind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ComponentCalls.h"
#include "KOR.h"
#include "QURParser.h"

namespace {

using namespace component_test;
using P = _t_ZQURSAX2ParserInterface;

constexpr std::intptr_t kWrongStateID = 5;

// A document served from memory in reads of at most what is asked, with a
// content handler that counts elements and, on element `turnAt`, runs `turn`.
// Each tag is a document of its own, so that one parse may run inside another.
template <int Tag>
struct Document {
  static inline std::string bytes;
  static inline std::size_t position = 0;
  static inline int elements = 0;
  static inline int turnAt = 0;
  static inline std::function<void()> turn;

  static void Reset(std::string text) {
    bytes = std::move(text);
    position = 0;
    elements = 0;
    turnAt = 0;
    turn = nullptr;
  }
  static KORErrorHandle Read(KORContainer, unsigned char* buffer, std::uint32_t maximum, std::uint32_t* count) {
    *count = static_cast<std::uint32_t>(std::min<std::size_t>(maximum, bytes.size() - position));
    std::copy_n(bytes.data() + position, *count, buffer);
    position += *count;
    return nullptr;
  }
  static KORErrorHandle Start(KORContainer, KORContainer, KORContainer, KORContainer, KORContainer) {
    if (++elements == turnAt && turn) turn();
    return nullptr;
  }
  static inline const QURBinInputStreamCallbacks stream = [] {
    QURBinInputStreamCallbacks callbacks{};
    callbacks.readBytes = &Read;
    return callbacks;
  }();
  static inline const QURContentHandlerCallbacks content = [] {
    QURContentHandlerCallbacks callbacks{};
    callbacks.startElement = &Start;
    return callbacks;
  }();
};

int released = 0;
void Forget(void*) { ++released; }
const QURReleaseTable forget{&Forget};
int source = 0;
int handler = 0;

// A document far larger than what Expat has buffered when the handler turns.
std::string ManyElements(int count) {
  std::string text = "<r>";
  for (int i = 0; i < count; ++i) text += "<e/>";
  return text + "</r>";
}

class ParserReentry : public ::testing::Test {
 protected:
  static constexpr int kElements = 400000;

  void SetUp() override {
    ASSERT_EQ(QURStart(KORGetLookupFunction(), &HostReady), 1);
    parser_ = NewSAX2Parser();
    ASSERT_NE(parser_, nullptr);
    Document<0>::Reset(ManyElements(kElements));
    Document<0>::turnAt = 1000;
    released = 0;
    ASSERT_EQ((Method<P, P::A_setContentHandlerProc>(P::A_setContentHandler)(parser_, &handler, &forget,
                                                                               &Document<0>::content)),
              nullptr);
  }
  void TearDown() override {
    if (parser_ != nullptr) Release(parser_);
    QURStop();
  }

  // Runs `call` from inside the handler; records the ID of the error it
  // returned (0 for none).
  void TurnWith(std::function<KORErrorHandle()> call) {
    Document<0>::turn = [this, call] {
      KORErrorHandle error = call();
      answers_.push_back(error == nullptr ? 0 : ErrorID(error));
      if (error != nullptr) ReleaseError(error);
    };
  }
  KORErrorHandle ParseNext() {
    char more = 0;
    return Method<P, P::parseNextProc>(P::parseNext)(parser_, &more);
  }
  KORErrorHandle ParseWhole() {
    return Method<P, P::A_parseProc>(P::A_parse)(parser_, &source, 0, 0, &forget, &Document<0>::stream);
  }
  KORErrorHandle ParseStepByStep() {
    char more = 0;
    KORErrorHandle error =
        Method<P, P::A_parseFirstProc>(P::A_parseFirst)(parser_, &source, 0, 0, &forget, &Document<0>::stream, &more);
    while (error == nullptr && more == 'T') error = Method<P, P::parseNextProc>(P::parseNext)(parser_, &more);
    return error;
  }

  KORContainer parser_ = nullptr;
  std::vector<std::intptr_t> answers_;
};

TEST_F(ParserReentry, ParseNextFromInsideAHandlerIsRefusedAndTheParseReadsEveryElementOnce) {
  TurnWith([this] { return ParseNext(); });
  EXPECT_EQ(ParseWhole(), nullptr);
  EXPECT_EQ(Document<0>::elements, kElements + 1);
  EXPECT_EQ(answers_, std::vector<std::intptr_t>{kWrongStateID});
}

TEST_F(ParserReentry, ParseNextFromInsideAHandlerOfAParseFedStepByStepIsRefused) {
  TurnWith([this] { return ParseNext(); });
  EXPECT_EQ(ParseStepByStep(), nullptr);
  EXPECT_EQ(Document<0>::elements, kElements + 1);
  EXPECT_EQ(answers_, std::vector<std::intptr_t>{kWrongStateID});
}

TEST_F(ParserReentry, StartingAnotherParseOrChangingHandlersFromInsideAHandlerIsRefused) {
  static int other = 0;
  Document<0>::turn = [this] {
    const std::vector<KORErrorHandle> errors = {
        ParseWhole(),
        [this] {
          char more = 0;
          return Method<P, P::A_parseFirstProc>(P::A_parseFirst)(parser_, &source, 0, 0, &forget,
                                                                 &Document<0>::stream, &more);
        }(),
        Method<P, P::parseBySystemIdProc>(P::parse)(parser_, nullptr),
        Method<P, P::parseBySystemIdProc>(P::parseFirst)(parser_, nullptr),
        Method<P, P::setContentHandlerProc>(P::setContentHandler)(parser_, nullptr, nullptr),
        Method<P, P::setErrorHandlerProc>(P::setErrorHandler)(parser_, nullptr, nullptr),
        Method<P, P::A_setContentHandlerProc>(P::A_setContentHandler)(parser_, &other, &forget,
                                                                      &Document<0>::content),
    };
    for (KORErrorHandle error : errors) {
      answers_.push_back(error == nullptr ? 0 : ErrorID(error));
      if (error != nullptr) ReleaseError(error);
    }
  };
  EXPECT_EQ(ParseWhole(), nullptr);
  EXPECT_EQ(Document<0>::elements, kElements + 1);
  EXPECT_EQ(answers_, std::vector<std::intptr_t>(7, kWrongStateID));
  EXPECT_EQ(released, 4) << "the two refused streams, the refused handler, and the parsed stream";
}

TEST_F(ParserReentry, AHandlerThatReleasesTheLastReferenceToItsParserLetsTheParseFinishFirst) {
  TurnWith([this] {
    Release(std::exchange(parser_, nullptr));
    return KORErrorHandle{};
  });
  EXPECT_EQ(ParseWhole(), nullptr);
  EXPECT_EQ(Document<0>::elements, kElements + 1);
  EXPECT_EQ(released, 2) << "the stream, and the handler with the parser once the parse was over";
}

TEST_F(ParserReentry, AHandlerOfAParseFedStepByStepThatReleasesItsParserEndsTheParseAfterTheStep) {
  KORContainer handle = parser_;
  TurnWith([this] {
    Release(std::exchange(parser_, nullptr));
    return KORErrorHandle{};
  });
  char more = 0;
  EXPECT_EQ((Method<P, P::A_parseFirstProc>(P::A_parseFirst)(handle, &source, 0, 0, &forget, &Document<0>::stream,
                                                              &more)),
            nullptr);
  EXPECT_EQ(released, 2) << "the parser went with its handler and its unfinished parse's stream";
  KORErrorHandle refused = Method<P, P::parseNextProc>(P::parseNext)(handle, &more);
  EXPECT_NE(refused, nullptr) << "the handle is no parser any more";
  ReleaseError(refused);
}

TEST_F(ParserReentry, AParseOnAnotherParserRunsToItsEndFromInsideAHandler) {
  Document<1>::Reset("<a><b/><c/></a>");
  TurnWith([] {
    KORContainer inner = NewSAX2Parser();
    KORErrorHandle error = Method<P, P::A_setContentHandlerProc>(P::A_setContentHandler)(inner, &handler, &forget,
                                                                                         &Document<1>::content);
    if (error == nullptr) {
      error = Method<P, P::A_parseProc>(P::A_parse)(inner, &source, 0, 0, &forget, &Document<1>::stream);
    }
    Release(inner);
    return error;
  });
  EXPECT_EQ(ParseWhole(), nullptr);
  EXPECT_EQ(Document<0>::elements, kElements + 1);
  EXPECT_EQ(Document<1>::elements, 3);
  EXPECT_EQ(answers_, std::vector<std::intptr_t>{0});
}

}  // namespace
