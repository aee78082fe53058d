#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "KOR.h"
#include "platform/DebuggerOutputListener.h"

namespace {

template <class Proc>
Proc Entry(const char* interfaceName, const KORMethodName* names, int index) {
  return reinterpret_cast<Proc>(KORGetLookupFunction()(interfaceName, names[index].method, names[index].procedure));
}
template <class Proc>
Proc Own(const char* name) {
  return reinterpret_cast<Proc>(KORGetLookupFunction()(kKORComponent, name, name));
}
template <class Proc>
Proc Container(int index) {
  return Entry<Proc>(kKORContainerInterface, kKORContainerMethods, index);
}
template <class Proc>
Proc Error(int index) {
  return Entry<Proc>(kKORErrorInterface, kKORErrorMethods, index);
}
template <class Proc>
Proc String(int index) {
  return Entry<Proc>(kKORStringInterface, kKORStringMethods, index);
}

int gDestroyed = 0;
void CountDestruction(void*) { ++gDestroyed; }

KORContainer NewContainer(const char* signature, void* instance, KORInstanceDestroyFunction destroy = nullptr) {
  KORContainer container = nullptr;
  EXPECT_EQ(Container<KORNewContainerProc>(kKORContainerNewContainer)(signature, instance, destroy, &container),
            nullptr);
  return container;
}

TEST(Broker, EveryProcedureOfItsInterfacesCanBeLookedUp) {
  const KORLookupFunction lookup = KORGetLookupFunction();
  for (const char* name : {"KORRegisterProcAddress", "KORReportError", "KORUnregisterInterface",
                           "KORGetUnregisterCount", "KORIsMultiThreaded"}) {
    EXPECT_NE(lookup(kKORComponent, name, name), nullptr) << name;
  }
  const struct {
    const char* name;
    const KORMethodName* entries;
    std::size_t count;
  } interfaces[] = {{kKORContainerInterface, kKORContainerMethods, std::size(kKORContainerMethods)},
                    {kKORMemoryInterface, kKORMemoryMethods, std::size(kKORMemoryMethods)},
                    {kKORStringInterface, kKORStringMethods, std::size(kKORStringMethods)},
                    {kKORErrorInterface, kKORErrorMethods, std::size(kKORErrorMethods)}};
  for (const auto& table : interfaces) {
    for (std::size_t i = 0; i < table.count; ++i) {
      EXPECT_NE(lookup(table.name, table.entries[i].method, table.entries[i].procedure), nullptr)
          << table.name << " " << table.entries[i].method;
    }
  }
  EXPECT_EQ(lookup(kKORContainerInterface, "Release", "NoSuchProc"), nullptr);
}

TEST(Broker, UnregisteringRemovesTheComponentAndAdvancesTheCount) {
  auto registerProc = Own<KORRegisterProcAddressProc>("KORRegisterProcAddress");
  auto unregister = Own<KORUnregisterInterfaceProc>("KORUnregisterInterface");
  auto count = Own<KORGetUnregisterCountProc>("KORGetUnregisterCount");
  const KORProc proc = reinterpret_cast<KORProc>(&CountDestruction);
  ASSERT_EQ(registerProc("TestComponent", "M1", "P1", proc), nullptr);
  ASSERT_EQ(registerProc("TestComponent", "M2", "P2", proc), nullptr);
  EXPECT_EQ(KORGetLookupFunction()("TestComponent", "M1", "P1"), proc);
  const std::uint32_t before = count();
  EXPECT_EQ(unregister("TestComponent"), 2);
  EXPECT_EQ(count(), before + 1);
  EXPECT_EQ(KORGetLookupFunction()("TestComponent", "M1", "P1"), nullptr);
  KORErrorHandle refused = registerProc("TestComponent", nullptr, "P1", proc);
  EXPECT_NE(refused, nullptr) << "a nameless registration is refused";
  Error<KORErrorReleaseProc>(kKORErrorRelease)(refused);
}

TEST(Broker, ContainersCountReferencesAndDestroyTheirInstancesWithTheLast) {
  gDestroyed = 0;
  int object = 0;
  KORContainer container = NewContainer("Counted", &object, &CountDestruction);
  auto addRef = Container<KORAddRefContainerProc>(kKORContainerAddRef);
  auto release = Container<KORReleaseContainerProc>(kKORContainerRelease);
  EXPECT_EQ(addRef(container), 2);
  EXPECT_EQ(*Container<KORGetRefCountAddrProc>(kKORContainerDebugGetRefCountAddr)(container), 2);
  EXPECT_EQ(release(container), 1);
  EXPECT_EQ(gDestroyed, 0);
  EXPECT_EQ(release(container), 0);
  EXPECT_EQ(gDestroyed, 1);
  EXPECT_EQ(addRef(container), 0) << "a dead handle is no live container";
  EXPECT_EQ(release(container), -1);
  EXPECT_EQ(gDestroyed, 1);
}

TEST(Broker, APointerTheBrokerNeverMadeIsNoContainer) {
  struct {
    long words[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  } lookalike;
  auto* foreign = reinterpret_cast<KORContainer>(&lookalike);
  EXPECT_EQ(Container<KORAddRefContainerProc>(kKORContainerAddRef)(foreign), 0);
  EXPECT_EQ(Container<KORReleaseContainerProc>(kKORContainerRelease)(foreign), -1);
  EXPECT_EQ(Container<KORGetRefCountAddrProc>(kKORContainerDebugGetRefCountAddr)(foreign), nullptr);
  EXPECT_EQ(lookalike.words[0], 1) << "a foreign pointer is never written through";

  KORContainer container = NewContainer("Counted", nullptr);
  auto* inside = reinterpret_cast<KORContainer>(reinterpret_cast<char*>(container) + 1);
  EXPECT_EQ(Container<KORAddRefContainerProc>(kKORContainerAddRef)(inside), 0) << "only a handle's own address counts";
  EXPECT_EQ(Container<KORReleaseContainerProc>(kKORContainerRelease)(container), 0);
}

TEST(Broker, ManyLiveContainersStayDistinctAndEachDiesWithItsLastReference) {
  gDestroyed = 0;
  auto release = Container<KORReleaseContainerProc>(kKORContainerRelease);
  auto addRef = Container<KORAddRefContainerProc>(kKORContainerAddRef);
  std::vector<KORContainer> containers;
  std::vector<int> objects(1000);
  for (int& object : objects) containers.push_back(NewContainer("Counted", &object, &CountDestruction));
  for (std::size_t i = 0; i < containers.size(); ++i) {
    ASSERT_EQ(Container<KORGetInstanceProc>(kKORContainerGetInstance)(containers[i], 1), &objects[i]);
  }
  for (std::size_t i = 0; i < containers.size(); i += 2) EXPECT_EQ(release(containers[i]), 0);
  EXPECT_EQ(gDestroyed, 500);
  for (std::size_t i = 0; i < containers.size(); ++i) {
    EXPECT_EQ(addRef(containers[i]), i % 2 == 0 ? 0 : 2) << "container " << i;
  }
  // New containers may take the places of dead ones; the survivors are untouched.
  KORContainer reborn = NewContainer("Counted", nullptr, &CountDestruction);
  EXPECT_EQ(addRef(reborn), 2);
  EXPECT_EQ(release(reborn), 1);
  EXPECT_EQ(release(reborn), 0);
  for (std::size_t i = 1; i < containers.size(); i += 2) {
    EXPECT_EQ(release(containers[i]), 1);
    EXPECT_EQ(release(containers[i]), 0);
  }
  EXPECT_EQ(gDestroyed, 1001);
}

TEST(Broker, DecrementWithoutDeleteNeverDestroys) {
  gDestroyed = 0;
  KORContainer container = NewContainer("Counted", nullptr, &CountDestruction);
  EXPECT_EQ(Container<KORDecrementWithoutDeleteProc>(kKORContainerDecrementWithoutDelete)(container), 0);
  EXPECT_EQ(gDestroyed, 0);
  EXPECT_EQ(Container<KORAddRefContainerProc>(kKORContainerAddRef)(container), 1);
  EXPECT_EQ(Container<KORReleaseContainerProc>(kKORContainerRelease)(container), 0);
  EXPECT_EQ(gDestroyed, 1);
}

TEST(Broker, ThePrimaryInstanceSitsAtThePublishedOffset) {
  int object = 0;
  KORContainer container = NewContainer("Primary", &object);
  const std::int32_t offset = Container<KORGetOffsetToPrimaryInstProc>(kKORContainerGetOffsetToPrimaryInstance)();
  const auto& slot = *reinterpret_cast<const KORInstanceSlot*>(reinterpret_cast<const char*>(container) + offset);
  EXPECT_EQ(slot.instance, &object);
  EXPECT_STREQ(String<KORGetCStringProc>(kKORGetCString)(slot.signature), "Primary");
  EXPECT_EQ(Container<KORGetSignatureProc>(kKORContainerGetSignature)(container, 1), slot.signature);
  Container<KORReleaseContainerProc>(kKORContainerRelease)(container);
}

TEST(Broker, InstancesAreFoundByNumberAndBySignature) {
  int first = 0;
  int second = 0;
  int third = 0;
  const KORInstanceSpec specs[] = {{"One", &first, nullptr}, {"Two", &second, nullptr}};
  KORContainer container = nullptr;
  ASSERT_EQ(Container<KORNewFullContainerProc>(kKORContainerNewFullContainer)(2, specs, &container), nullptr);
  const KORInstanceSpec more{"Three", &third, nullptr};
  ASSERT_EQ(Container<KORRegisterInstanceProc>(kKORContainerRegisterInstance)(container, &more), nullptr);
  auto atom = String<KORNewStringAtomProc>(kKORNewStringAtom);
  KORStringAtom three = atom("Three");
  KORStringAtom none = atom("None");
  EXPECT_EQ(Container<KORNGetInstanceProc>(kKORContainerNGetInstance)(container, three), &third);
  EXPECT_EQ(Container<KORNGetInstanceProc>(kKORContainerNGetInstance)(container, none), nullptr);
  EXPECT_EQ(Container<KORGetInstanceProc>(kKORContainerGetInstance)(container, 2), &second);
  EXPECT_EQ(Container<KORGetInstanceProc>(kKORContainerGetInstance)(container, 4), nullptr);
  String<KORDeleteStringAtomProc>(kKORDeleteStringAtom)(three);
  String<KORDeleteStringAtomProc>(kKORDeleteStringAtom)(none);
  Container<KORReleaseContainerProc>(kKORContainerRelease)(container);
}

TEST(Broker, SignaturesAreAnsweredByInstanceNumberAndNoneForADeadContainer) {
  int first = 0;
  int second = 0;
  const KORInstanceSpec specs[] = {{"One", &first, nullptr}, {"Two", &second, nullptr}};
  KORContainer container = nullptr;
  ASSERT_EQ(Container<KORNewFullContainerProc>(kKORContainerNewFullContainer)(2, specs, &container), nullptr);
  auto signature = Container<KORGetSignatureProc>(kKORContainerGetSignature);
  auto text = String<KORGetCStringProc>(kKORGetCString);
  EXPECT_STREQ(text(signature(container, 1)), "One");
  EXPECT_STREQ(text(signature(container, 2)), "Two");
  EXPECT_EQ(signature(container, 3), nullptr);
  EXPECT_EQ(Container<KORReleaseContainerProc>(kKORContainerRelease)(container), 0);
  EXPECT_EQ(signature(container, 1), nullptr) << "a dead handle has no primary instance";
}

void ChildMethod() {}
void ParentMethod() {}

TEST(Broker, MethodsAreFoundThroughTheSignatureAndItsParentInterfaces) {
  const KORMethodName parentNames[] = {{"Shared", "SharedProc"}, {"Own", "OwnProc"}};
  const KORProc parentProcs[] = {&ParentMethod, &ParentMethod};
  const KORMethodName childNames[] = {{"Own", "OwnProc"}};
  const KORProc childProcs[] = {&ChildMethod};
  auto registerInterface = Container<KORRegisterInterfaceProc>(kKORContainerRegisterInterface);
  ASSERT_EQ(registerInterface("TestParent", nullptr, 2, parentNames, parentProcs), nullptr);
  ASSERT_EQ(registerInterface("TestChild", "TestParent", 1, childNames, childProcs), nullptr);
  KORContainer container = NewContainer("TestChild", nullptr);
  auto atom = String<KORNewStringAtomProc>(kKORNewStringAtom);
  KORStringAtom own = atom("Own");
  KORStringAtom ownProc = atom("OwnProc");
  KORStringAtom shared = atom("Shared");
  KORStringAtom sharedProc = atom("SharedProc");
  EXPECT_EQ(Container<KORGetMethodProc>(kKORContainerGetMethod)(container, own, ownProc, 1), &ChildMethod);
  EXPECT_EQ(Container<KORGetMethodProc>(kKORContainerGetMethod)(container, shared, sharedProc, 1), &ParentMethod);
  EXPECT_EQ(Container<KORGetParentMethodProc>(kKORContainerGetParentMethod)(container, own, ownProc, 1),
            &ParentMethod);
  for (KORStringAtom a : {own, ownProc, shared, sharedProc}) String<KORDeleteStringAtomProc>(kKORDeleteStringAtom)(a);
  Container<KORReleaseContainerProc>(kKORContainerRelease)(container);
  Own<KORUnregisterInterfaceProc>("KORUnregisterInterface")("TestChild");
  Own<KORUnregisterInterfaceProc>("KORUnregisterInterface")("TestParent");
}

TEST(Broker, ACloneKeepsTheOriginalAliveAndOwnsNothing) {
  gDestroyed = 0;
  KORContainer original = NewContainer("Counted", nullptr, &CountDestruction);
  KORContainer clone = nullptr;
  ASSERT_EQ(Container<KORCloneContainerProc>(kKORContainerCloneContainer)(original, &clone), nullptr);
  auto release = Container<KORReleaseContainerProc>(kKORContainerRelease);
  EXPECT_EQ(release(original), 1);
  EXPECT_EQ(gDestroyed, 0);
  EXPECT_EQ(release(clone), 0);
  EXPECT_EQ(gDestroyed, 1);
}

TEST(Broker, StringAtomsAreInternedAndCounted) {
  auto atom = String<KORNewStringAtomProc>(kKORNewStringAtom);
  auto drop = String<KORDeleteStringAtomProc>(kKORDeleteStringAtom);
  KORStringAtom a = atom("interned");
  KORStringAtom b = atom(std::string("intern").append("ed").c_str());
  EXPECT_EQ(a, b);
  EXPECT_NE(a, atom("other"));
  drop(atom("other"));
  drop(atom("other"));
  drop(a);
  EXPECT_STREQ(String<KORGetCStringProc>(kKORGetCString)(b), "interned") << "one reference is left";
  drop(b);
  EXPECT_EQ(atom(nullptr), nullptr);
}

TEST(Broker, ErrorsCarryComponentIDMessageAndSource) {
  KORErrorHandle error = Error<KORNewErrorProc>(kKORNewError)("it broke", "Tester", 42, "here.cpp", 7);
  auto text = String<KORGetCStringProc>(kKORGetCString);
  EXPECT_STREQ(text(Error<KORErrorGetMessageProc>(kKORErrorGetMessage)(error)), "it broke");
  EXPECT_STREQ(text(Error<KORErrorGetComponentProc>(kKORErrorGetComponent)(error)), "Tester");
  EXPECT_EQ(Error<KORErrorGetIDProc>(kKORErrorGetID)(error), 42);
  const char* file = nullptr;
  std::int32_t line = 0;
  Error<KORGetErrorInfoProc>(kKORGetErrorInfo)(error, &file, &line);
  EXPECT_STREQ(file, "here.cpp");
  EXPECT_EQ(line, 7);
  Error<KORErrorReleaseProc>(kKORErrorRelease)(error);
}

TEST(Broker, CoreErrorOneIsOutOfMemoryAndCoreErrorsOutliveEveryRelease) {
  KORErrorHandle outOfMemory = Error<KORGetCoreErrorProc>(kKORGetCoreError)(kKORCoreErrorOutOfMemory);
  auto release = Error<KORErrorReleaseProc>(kKORErrorRelease);
  release(outOfMemory);
  release(outOfMemory);
  auto text = String<KORGetCStringProc>(kKORGetCString);
  EXPECT_STREQ(text(Error<KORErrorGetComponentProc>(kKORErrorGetComponent)(outOfMemory)), "ZEV");
  EXPECT_EQ(Error<KORErrorGetIDProc>(kKORErrorGetID)(outOfMemory), 1);
  KORErrorHandle generic = Error<KORGetCoreErrorProc>(kKORGetCoreError)(kKORCoreErrorGeneric);
  EXPECT_NE(generic, outOfMemory);
  EXPECT_EQ(Error<KORErrorGetIDProc>(kKORErrorGetID)(generic), 0);
}

TEST(Broker, MemoryBlocksRememberTheirSize) {
  auto alloc = Entry<KORMemAllocProc>(kKORMemoryInterface, kKORMemoryMethods, kKORMemAlloc);
  auto realloc = Entry<KORMemReallocProc>(kKORMemoryInterface, kKORMemoryMethods, kKORMemRealloc);
  auto size = Entry<KORMemGetBlockSizeProc>(kKORMemoryInterface, kKORMemoryMethods, kKORMemGetBlockSize);
  auto release = Entry<KORMemFreeProc>(kKORMemoryInterface, kKORMemoryMethods, kKORMemFree);
  auto* block = static_cast<char*>(alloc(10));
  ASSERT_NE(block, nullptr);
  std::memcpy(block, "0123456789", 10);
  EXPECT_EQ(size(block), 10u);
  block = static_cast<char*>(realloc(block, 1000));
  EXPECT_EQ(size(block), 1000u);
  EXPECT_EQ(std::string(block, 10), "0123456789");
  release(block);
  release(nullptr);
  EXPECT_EQ(alloc(static_cast<std::size_t>(-1)), nullptr);
}

TEST(Broker, AReportedErrorIsWrittenToTheDebuggerOutput) {
  std::vector<std::u16string> heard;
  platform::SetDebuggerOutputListener([&](std::u16string_view text) { heard.emplace_back(text); });
  KORErrorHandle error = Error<KORNewErrorProc>(kKORNewError)("gone wrong", "Tester", 5, nullptr, 0);
  Own<KORReportErrorProc>("KORReportError")(error);
  Error<KORErrorReleaseProc>(kKORErrorRelease)(error);
  platform::SetDebuggerOutputListener({});
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"KOR: Tester 5: gone wrong\n"}));
}

}  // namespace
