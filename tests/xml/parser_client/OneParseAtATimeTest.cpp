// Parsing runs one call at a time in the process. A parse that starts on a
// second thread while the first is inside a handler must fail at once with
// a clear error, and touch nothing; the first thread may still parse from
// inside its handler. Not built for Windows: its tests run under Wine on an
// emulated 32-bit CPU here, where a program that starts a second thread
// crashes.
#include <gtest/gtest.h>

#ifndef _WIN32

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ParserTestSupport.h"
#include "arborix/ParseXML.h"
#include "arborix/PropListUtils.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/client/ZEVException.h"

namespace {

using parser_test::Lifetimes;
using parser_test::MemoryStream;
using parser_test::RecordingContentHandler;

constexpr const char* kRefusal = "XML calls run one at a time: another thread is parsing";

// The message of what `call` threw, run on a thread of its own; "" when it
// returned.
std::string MessageOnAnotherThread(const std::function<void()>& call) {
  std::string message;
  std::thread other([&] {
    try {
      call();
    } catch (const ZEVException& e) {
      message = e.what();
    } catch (const std::exception& e) {
      message = std::string("not a ZEVException: ") + e.what();
    }
  });
  other.join();
  return message;
}

class OneParseAtATime : public ::testing::Test {
 protected:
  // Parses a small document whose first element runs `inside`.
  void ParseRunning(std::function<void()> inside) {
    std::vector<std::u16string> events;
    auto* handler = new RecordingContentHandler(&events);
    handler->onStartElement = [inside](CQURString&, CQURAttributes&) { inside(); };
    CQURSAX2Parser parser = parser_test::NewPlainParser();
    parser.A_setContentHandler(handler);
    parser.A_parse(new MemoryStream("<a/>"));
  }

  XMLEntryExit connection_;
};

TEST_F(OneParseAtATime, ABufferParseStartedOnAnotherThreadDuringAParseFails) {
  std::string refusal;
  ParseRunning([&] {
    refusal = MessageOnAnotherThread([] { ParseXMLBuffer(u"<b/>", false, nullptr); });
  });
  EXPECT_EQ(refusal, kRefusal);
}

TEST_F(OneParseAtATime, APropertyListLoadStartedOnAnotherThreadDuringAParseFailsWithTheListUntouched) {
  PropList list;
  list.SetValue(u"key", std::int32_t{7});
  std::string refusal;
  ParseRunning([&] {
    refusal = MessageOnAnotherThread([&] {
      File file("no-such-folder/settings.plist");
      PropListUtils::LoadPropList(file, list);
    });
  });
  EXPECT_EQ(refusal, kRefusal);
  std::int32_t value = 0;
  EXPECT_TRUE(list.GetValue(u"key", value));
  EXPECT_EQ(value, 7);
}

TEST_F(OneParseAtATime, AParserOfAnotherThreadRefusesToParseDuringAParseAndDestroysTheStream) {
  Lifetimes lifetimes;
  std::string refusal;
  ParseRunning([&] {
    refusal = MessageOnAnotherThread([&] {
      CQURSAX2Parser parser = parser_test::NewPlainParser();
      parser.A_parse(new MemoryStream("<c/>", &lifetimes));
    });
  });
  EXPECT_EQ(refusal, kRefusal);
  EXPECT_EQ(lifetimes.streamsDestroyed, 1);
}

TEST_F(OneParseAtATime, TheParsingThreadMayParseFromInsideItsHandlerAndAnyThreadOnceItIsOver) {
  XMLParseStatus nested = XMLParseFailed;
  ParseRunning([&] { nested = ParseXMLBuffer(u"<b/>", false, nullptr); });
  EXPECT_EQ(nested, XMLParseOK);
  XMLParseStatus afterwards = XMLParseFailed;
  EXPECT_EQ(MessageOnAnotherThread([&] { afterwards = ParseXMLBuffer(u"<c/>", false, nullptr); }), "");
  EXPECT_EQ(afterwards, XMLParseOK);
}

}  // namespace

#endif
