#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "KOR.h"
#include "ParserTestSupport.h"
#include "QURParser.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/client/CKORError.h"
#include "arborix/client/ZEVException.h"

namespace {

KORLookupFunction Lookup() { return KORGetLookupFunction(); }

template <class Proc>
Proc Find(const char* component, const char* name) {
  return reinterpret_cast<Proc>(Lookup()(component, name, name));
}

void Unregister(const char* component) {
  Find<KORUnregisterInterfaceProc>(kKORComponent, "KORUnregisterInterface")(component);
}

void Register(const char* component, const KORMethodName& name, KORProc proc) {
  auto registerProc = Find<KORRegisterProcAddressProc>(kKORComponent, "KORRegisterProcAddress");
  ASSERT_EQ(registerProc(component, name.method, name.procedure, proc), nullptr);
}

// Parses a small document; true when it went through.
bool ParseSucceeds() {
  try {
    parser_test::Events("<a>ok</a>");
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

TEST(XMLEntryExit, ParsingWithoutOneThrowsAndSaysWhatToDo) {
  try {
    CQURSAX2Parser::New();
    FAIL() << "no parser without a started client layer";
  } catch (const ZEVException& error) {
    EXPECT_NE(std::string(error.what()).find("construct an XMLEntryExit"), std::string::npos) << error.what();
  }
}

TEST(XMLEntryExit, ASecondOneKeepsTheConnectionUntilTheLastGoes) {
  auto first = std::make_unique<XMLEntryExit>();
  {
    XMLEntryExit second;
    EXPECT_TRUE(ParseSucceeds());
  }
  EXPECT_TRUE(ParseSucceeds()) << "the first one still lives";
  first.reset();
  EXPECT_FALSE(ParseSucceeds());
}

TEST(XMLEntryExit, StoppingAndStartingAgainParsesAgain) {
  for (int round = 0; round < 3; ++round) {
    XMLEntryExit connection;
    EXPECT_TRUE(ParseSucceeds()) << "round " << round;
  }
  EXPECT_FALSE(ParseSucceeds());
}

TEST(XMLEntryExit, AMissingBrokerInterfaceFailsTheStartAndEveryParseAfterIt) {
  KORProc saved[std::size(kKORMemoryMethods)];
  for (std::size_t i = 0; i < std::size(kKORMemoryMethods); ++i) {
    saved[i] = Lookup()(kKORMemoryInterface, kKORMemoryMethods[i].method, kKORMemoryMethods[i].procedure);
  }
  Unregister(kKORMemoryInterface);
  {
    XMLEntryExit connection;
    try {
      CQURSAX2Parser::New();
      FAIL() << "the start failed, so must the parse";
    } catch (const ZEVException& error) {
      EXPECT_NE(std::string(error.what()).find("could not be started"), std::string::npos) << error.what();
    }
  }
  for (std::size_t i = 0; i < std::size(kKORMemoryMethods); ++i) Register(kKORMemoryInterface, kKORMemoryMethods[i], saved[i]);
  XMLEntryExit connection;
  EXPECT_TRUE(ParseSucceeds());
}

TEST(XMLEntryExit, AMissingBrokerProcedureFailsTheStart) {
  const KORProc saved = Lookup()(kKORComponent, "KORIsMultiThreaded", "KORIsMultiThreaded");
  auto registerProc = Find<KORRegisterProcAddressProc>(kKORComponent, "KORRegisterProcAddress");
  // Unregistering the broker's own component would take the two procedures
  // used here with it: put them all back afterwards.
  const KORProc own[] = {reinterpret_cast<KORProc>(registerProc),
                         Lookup()(kKORComponent, "KORReportError", "KORReportError"),
                         Lookup()(kKORComponent, "KORUnregisterInterface", "KORUnregisterInterface"),
                         Lookup()(kKORComponent, "KORGetUnregisterCount", "KORGetUnregisterCount")};
  const char* names[] = {"KORRegisterProcAddress", "KORReportError", "KORUnregisterInterface",
                         "KORGetUnregisterCount"};
  Unregister(kKORComponent);
  for (std::size_t i = 0; i < std::size(names); ++i) registerProc(kKORComponent, names[i], names[i], own[i]);
  {
    XMLEntryExit connection;
    EXPECT_FALSE(ParseSucceeds());
  }
  registerProc(kKORComponent, "KORIsMultiThreaded", "KORIsMultiThreaded", saved);
  XMLEntryExit connection;
  EXPECT_TRUE(ParseSucceeds());
}

int gNewCalls = 0;
int gCopyCalls = 0;
QURNewSAX2ParserProc gRealNew = nullptr;
_t_ZQURStringInterface::copyUTF16Proc gRealCopy = nullptr;

KORErrorHandle CountingNew(std::int32_t kind, KORContainer* result) {
  ++gNewCalls;
  return gRealNew(kind, result);
}

KORErrorHandle CountingCopy(KORContainer string, char16_t* buffer, std::int32_t capacity, std::int32_t* copied) {
  ++gCopyCalls;
  return gRealCopy(string, buffer, capacity, copied);
}

KORErrorHandle OutOfMemoryNew(std::int32_t, KORContainer* result) {
  *result = nullptr;
  return reinterpret_cast<KORGetCoreErrorProc>(Lookup()(kKORErrorInterface, "GetCoreError", "KORGetCoreErrorProc"))(
      kKORCoreErrorOutOfMemory);
}

TEST(XMLEntryExit, AfterAnInterfaceIsUnregisteredTheNextAccessLooksItUpAgain) {
  XMLEntryExit connection;
  ASSERT_TRUE(ParseSucceeds());  // every table is cached now
  gNewCalls = 0;
  gCopyCalls = 0;

  // The factory, replaced under the same names after an unregistration.
  const KORMethodName& newName = kQURNewSAX2ParserMethods[kQURNewSAX2Parser];
  const KORMethodName& instanceName = kQURNewSAX2ParserMethods[kQURGetSAX2ParserInstance];
  gRealNew = reinterpret_cast<QURNewSAX2ParserProc>(Lookup()(kQURNewSAX2ParserInterface, newName.method, newName.procedure));
  const KORProc instance = Lookup()(kQURNewSAX2ParserInterface, instanceName.method, instanceName.procedure);
  Unregister(kQURNewSAX2ParserInterface);
  Register(kQURNewSAX2ParserInterface, newName, reinterpret_cast<KORProc>(&CountingNew));
  Register(kQURNewSAX2ParserInterface, instanceName, instance);

  // A method of the string objects, likewise.
  using Strings = _t_ZQURStringInterface;
  KORProc methods[std::size(Strings::kMethods)];
  std::string procedures[std::size(Strings::kMethods)];
  for (std::size_t i = 0; i < std::size(Strings::kMethods); ++i) {
    procedures[i] = std::string(Strings::kKind.prefix) + Strings::kMethods[i] + "Meth";
    methods[i] = Lookup()(Strings::kKind.signature, Strings::kMethods[i], procedures[i].c_str());
  }
  gRealCopy = reinterpret_cast<Strings::copyUTF16Proc>(methods[Strings::copyUTF16]);
  methods[Strings::copyUTF16] = reinterpret_cast<KORProc>(&CountingCopy);
  Unregister(Strings::kKind.signature);
  for (std::size_t i = 0; i < std::size(Strings::kMethods); ++i) {
    Register(Strings::kKind.signature, KORMethodName{Strings::kMethods[i], procedures[i].c_str()}, methods[i]);
  }

  EXPECT_EQ(parser_test::Events("<a>t</a>").size(), 5u);
  EXPECT_EQ(gNewCalls, 1) << "the parser came from the factory registered last";
  EXPECT_GE(gCopyCalls, 3) << "the names and the text were read through the method registered last";
}

TEST(XMLEntryExit, AFactoryWithAMissingEntryIsAMissingInterface) {
  XMLEntryExit connection;
  const KORMethodName& newName = kQURNewSAX2ParserMethods[kQURNewSAX2Parser];
  const KORProc create = Lookup()(kQURNewSAX2ParserInterface, newName.method, newName.procedure);
  Unregister(kQURNewSAX2ParserInterface);
  Register(kQURNewSAX2ParserInterface, newName, create);
  try {
    CQURSAX2Parser::New();
    FAIL();
  } catch (const CKORError& error) {
    EXPECT_STREQ(error.what(), "Missing Interface");
    EXPECT_EQ(error.Component(), "KOR");
  }
}

TEST(XMLEntryExit, OutOfMemoryFromTheParserBecomesBadAlloc) {
  XMLEntryExit connection;
  const KORMethodName& newName = kQURNewSAX2ParserMethods[kQURNewSAX2Parser];
  const KORMethodName& instanceName = kQURNewSAX2ParserMethods[kQURGetSAX2ParserInstance];
  const KORProc instance = Lookup()(kQURNewSAX2ParserInterface, instanceName.method, instanceName.procedure);
  Unregister(kQURNewSAX2ParserInterface);
  Register(kQURNewSAX2ParserInterface, newName, reinterpret_cast<KORProc>(&OutOfMemoryNew));
  Register(kQURNewSAX2ParserInterface, instanceName, instance);
  try {
    CQURSAX2Parser::New();
    FAIL();
  } catch (const CKORError&) {
    FAIL() << "\"ZEV\"/1 is raised as std::bad_alloc";
  } catch (const std::bad_alloc& error) {
    EXPECT_STREQ(error.what(), "bad allocation");
  }
}

}  // namespace
