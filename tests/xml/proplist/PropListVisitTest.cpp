#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "arborix/PropList.h"

namespace {

using Visited = std::vector<std::pair<UTF16String, PropKind>>;

Visited Visit(const PropList& list) {
  Visited visited;
  list.VisitEntries([&visited](const UTF16String& key, PropKind kind) { visited.emplace_back(key, kind); });
  return visited;
}

TEST(PropListVisit, EveryKindIsVisitedWithItsKeyInKeyOrder) {
  PropList list;
  // Set in an order other than the keys', so that only the key order can
  // give the order expected.
  list.SetValue(u"m", std::list<std::int32_t>{-1});
  list.SetValue(u"a", std::string("8-bit"));
  list.SetValue(u"l", std::list<std::uint32_t>{1});
  list.SetValue(u"b", UTF16String(u"text"));
  list.SetValue(u"k", std::list<std::uint16_t>{1});
  list.SetValue(u"c", true);
  list.SetValue(u"j", std::list<bool>{});
  list.SetValue(u"d", std::uint16_t{16});
  list.SetValue(u"i", std::list<UTF16String>{u"x"});
  list.SetValue(u"e", std::uint32_t{32});
  list.SetValue(u"h", std::list<std::string>{"x", "y"});
  list.SetValue(u"f", std::int32_t{-32});
  list.NewSubList(u"g");
  const Visited expected{
      {u"a", PropKind::String},         {u"b", PropKind::UnicodeString},     {u"c", PropKind::Bool},
      {u"d", PropKind::Unsigned16},     {u"e", PropKind::Unsigned32},        {u"f", PropKind::Signed32},
      {u"g", PropKind::SubList},        {u"h", PropKind::StringList},        {u"i", PropKind::UnicodeStringList},
      {u"j", PropKind::BoolList},       {u"k", PropKind::Unsigned16List},    {u"l", PropKind::Unsigned32List},
      {u"m", PropKind::Signed32List},
  };
  EXPECT_EQ(Visit(list), expected);
}

TEST(PropListVisit, KeysComeInTheOrderOfTheirCodeUnits) {
  PropList list;
  list.SetValue(u"a", true);
  list.SetValue(u"B", true);
  list.SetValue(u"A", true);
  list.SetValue(u"", true);
  list.SetValue(u"AA", true);
  const Visited expected{{u"", PropKind::Bool},
                         {u"A", PropKind::Bool},
                         {u"AA", PropKind::Bool},
                         {u"B", PropKind::Bool},
                         {u"a", PropKind::Bool}};
  EXPECT_EQ(Visit(list), expected);
}

TEST(PropListVisit, ADoubleIsVisitedAsTheTextItIsStoredAs) {
  PropList list;
  list.SetValue(u"scale", 0.5);
  EXPECT_EQ(Visit(list), (Visited{{u"scale", PropKind::UnicodeString}}));
}

TEST(PropListVisit, ASubListIsOneEntryWhoseOwnEntriesAreVisitedThroughIt) {
  PropList list;
  PropList* sub = list.NewSubList(u"sub");
  sub->SetValue(u"inner", std::int32_t{1});
  sub->NewSubList(u"deeper")->SetValue(u"deepest", false);
  list.SetValue(u"top", std::uint16_t{2});
  EXPECT_EQ(Visit(list), (Visited{{u"sub", PropKind::SubList}, {u"top", PropKind::Unsigned16}}));
  EXPECT_EQ(Visit(*list.GetSubList(u"sub")),
            (Visited{{u"deeper", PropKind::SubList}, {u"inner", PropKind::Signed32}}));
  EXPECT_EQ(Visit(*sub->GetSubList(u"deeper")), (Visited{{u"deepest", PropKind::Bool}}));
}

TEST(PropListVisit, AnEntryGivenAnotherKindIsVisitedWithItsNewKind) {
  PropList list;
  list.NewSubList(u"k")->SetValue(u"gone", true);
  list.SetValue(u"k", std::list<std::uint32_t>{1, 2});
  EXPECT_EQ(Visit(list), (Visited{{u"k", PropKind::Unsigned32List}}));
  list.SetValue(u"k", std::uint32_t{3});
  EXPECT_EQ(Visit(list), (Visited{{u"k", PropKind::Unsigned32}}));
}

TEST(PropListVisit, AnEmptyOrClearedListVisitsNothing) {
  PropList list;
  EXPECT_TRUE(Visit(list).empty());
  list.SetValue(u"k", true);
  list.NewSubList(u"s");
  list.Clear();
  EXPECT_TRUE(Visit(list).empty());
}

TEST(PropListVisit, AnExceptionFromTheVisitorEndsTheVisitAndReachesTheCaller) {
  PropList list;
  list.SetValue(u"a", true);
  list.SetValue(u"b", true);
  int calls = 0;
  EXPECT_THROW(list.VisitEntries([&calls](const UTF16String&, PropKind) {
    ++calls;
    throw std::runtime_error("stop");
  }),
               std::runtime_error);
  EXPECT_EQ(calls, 1);
}

#if defined(__GNUC__) && !defined(__arm__) && !defined(__aarch64__)
// The slot of a virtual member function in its class's virtual table, read
// from a pointer to it as the Itanium C++ ABI lays one out: the byte offset
// into the table, plus one. Slots 0 and 1 hold the two destructors.
template <typename Member>
std::ptrdiff_t SlotOf(Member member) {
  struct Layout {
    std::ptrdiff_t pointer;
    std::ptrdiff_t adjustment;
  };
  static_assert(sizeof(Member) == sizeof(Layout));
  Layout layout{};
  std::memcpy(&layout, &member, sizeof layout);
  return (layout.pointer - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

template <typename Value>
using Getter = bool (PropList::*)(const UTF16String&, Value&) const;
template <typename Value>
using Setter = void (PropList::*)(const UTF16String&, const Value&);

TEST(PropListVirtualTable, TheVirtualOperationsKeepTheirSlots) {
  using std::int32_t;
  using std::list;
  using std::string;
  using std::uint16_t;
  using std::uint32_t;
  EXPECT_EQ(SlotOf(static_cast<Getter<double>>(&PropList::GetValue)), 2);
  EXPECT_EQ(SlotOf(static_cast<Getter<list<int32_t>>>(&PropList::GetValue)), 3);
  EXPECT_EQ(SlotOf(static_cast<Getter<int32_t>>(&PropList::GetValue)), 4);
  EXPECT_EQ(SlotOf(static_cast<Getter<list<uint32_t>>>(&PropList::GetValue)), 5);
  EXPECT_EQ(SlotOf(static_cast<Getter<uint32_t>>(&PropList::GetValue)), 6);
  EXPECT_EQ(SlotOf(static_cast<Getter<list<uint16_t>>>(&PropList::GetValue)), 7);
  EXPECT_EQ(SlotOf(static_cast<Getter<uint16_t>>(&PropList::GetValue)), 8);
  EXPECT_EQ(SlotOf(static_cast<Getter<list<bool>>>(&PropList::GetValue)), 9);
  EXPECT_EQ(SlotOf(static_cast<Getter<bool>>(&PropList::GetValue)), 10);
  EXPECT_EQ(SlotOf(static_cast<Getter<list<string>>>(&PropList::GetValue)), 11);
  EXPECT_EQ(SlotOf(static_cast<Getter<string>>(&PropList::GetValue)), 12);
  EXPECT_EQ(SlotOf(static_cast<Getter<list<UTF16String>>>(&PropList::GetValue)), 13);
  EXPECT_EQ(SlotOf(static_cast<Getter<UTF16String>>(&PropList::GetValue)), 14);
  EXPECT_EQ(SlotOf(static_cast<Setter<double>>(&PropList::SetValue)), 15);
  EXPECT_EQ(SlotOf(static_cast<Setter<list<int32_t>>>(&PropList::SetValue)), 16);
  EXPECT_EQ(SlotOf(static_cast<Setter<int32_t>>(&PropList::SetValue)), 17);
  EXPECT_EQ(SlotOf(static_cast<Setter<list<uint32_t>>>(&PropList::SetValue)), 18);
  EXPECT_EQ(SlotOf(static_cast<Setter<uint32_t>>(&PropList::SetValue)), 19);
  EXPECT_EQ(SlotOf(static_cast<Setter<list<uint16_t>>>(&PropList::SetValue)), 20);
  EXPECT_EQ(SlotOf(static_cast<Setter<uint16_t>>(&PropList::SetValue)), 21);
  EXPECT_EQ(SlotOf(static_cast<Setter<list<bool>>>(&PropList::SetValue)), 22);
  EXPECT_EQ(SlotOf(static_cast<Setter<bool>>(&PropList::SetValue)), 23);
  EXPECT_EQ(SlotOf(static_cast<Setter<list<string>>>(&PropList::SetValue)), 24);
  EXPECT_EQ(SlotOf(static_cast<Setter<string>>(&PropList::SetValue)), 25);
  EXPECT_EQ(SlotOf(static_cast<Setter<list<UTF16String>>>(&PropList::SetValue)), 26);
  EXPECT_EQ(SlotOf(static_cast<Setter<UTF16String>>(&PropList::SetValue)), 27);
  EXPECT_EQ(SlotOf(&PropList::GetSubList), 28);
  EXPECT_EQ(SlotOf(&PropList::NewSubList), 29);
  EXPECT_EQ(SlotOf(&PropList::Clear), 30);
  EXPECT_EQ(SlotOf(&PropList::AppendXML), 31);
}
#endif

}  // namespace
