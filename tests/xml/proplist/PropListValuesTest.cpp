#include <gtest/gtest.h>

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "Arborix.h"

namespace {

// Every getter, each given a distinctive value, so that "untouched" is visible.
struct AllOutputs {
  double number = -1.5;
  std::list<std::int32_t> signedList{-9};
  std::int32_t signed32 = -9;
  std::list<std::uint32_t> unsignedList{9};
  std::uint32_t unsigned32 = 9;
  std::list<std::uint16_t> shortList{9};
  std::uint16_t unsigned16 = 9;
  std::list<bool> boolList{true};
  bool flag = true;
  std::list<std::string> stringList{"s"};
  std::string narrow = "s";
  std::list<UTF16String> textList{u"u"};
  UTF16String text = u"u";

  // How many getters found the key with the kind they ask for.
  int ReadFrom(const PropList& list, const UTF16String& key) {
    return list.GetValue(key, number) + list.GetValue(key, signedList) + list.GetValue(key, signed32) +
           list.GetValue(key, unsignedList) + list.GetValue(key, unsigned32) + list.GetValue(key, shortList) +
           list.GetValue(key, unsigned16) + list.GetValue(key, boolList) + list.GetValue(key, flag) +
           list.GetValue(key, stringList) + list.GetValue(key, narrow) + list.GetValue(key, textList) +
           list.GetValue(key, text);
  }

  bool Untouched() const {
    return number == -1.5 && signedList == std::list<std::int32_t>{-9} && signed32 == -9 &&
           unsignedList == std::list<std::uint32_t>{9} && unsigned32 == 9 &&
           shortList == std::list<std::uint16_t>{9} && unsigned16 == 9 && boolList == std::list<bool>{true} &&
           flag && stringList == std::list<std::string>{"s"} && narrow == "s" &&
           textList == std::list<UTF16String>{u"u"} && text == u"u";
  }
};

TEST(PropListValues, MissingKeyFailsEveryGetterAndTouchesNothing) {
  PropList list;
  list.SetValue(u"other", std::int32_t{1});
  AllOutputs outputs;
  EXPECT_EQ(outputs.ReadFrom(list, u"missing"), 0);
  EXPECT_TRUE(outputs.Untouched());
}

TEST(PropListValues, EachKindIsReadOnlyByItsOwnGetter) {
  PropList list;
  list.SetValue(u"k", std::int32_t{5});
  AllOutputs outputs;
  EXPECT_EQ(outputs.ReadFrom(list, u"k"), 1);
  EXPECT_EQ(outputs.signed32, 5);

  list.SetValue(u"k", std::string("bytes"));
  outputs = AllOutputs();
  EXPECT_EQ(outputs.ReadFrom(list, u"k"), 1);
  EXPECT_EQ(outputs.narrow, "bytes");

  list.SetValue(u"k", std::list<std::uint16_t>{1, 2});
  outputs = AllOutputs();
  EXPECT_EQ(outputs.ReadFrom(list, u"k"), 1);
  EXPECT_EQ(outputs.shortList, (std::list<std::uint16_t>{9, 1, 2}));

  // A UTF16String answers both its own getter and the double getter.
  list.SetValue(u"k", UTF16String(u"12"));
  outputs = AllOutputs();
  EXPECT_EQ(outputs.ReadFrom(list, u"k"), 2);
  EXPECT_EQ(outputs.text, u"12");
  EXPECT_EQ(outputs.number, 12.0);
}

TEST(PropListValues, ScalarsOfEveryKindReadBackExactly) {
  PropList list;
  list.SetValue(u"s32", std::int32_t{-2147483647 - 1});
  list.SetValue(u"u32", std::uint32_t{4294967295u});
  list.SetValue(u"u16", std::uint16_t{65535});
  list.SetValue(u"bool", false);
  list.SetValue(u"bytes", std::string("\xC3\xA9\0z", 4));
  list.SetValue(u"text", UTF16String(u"\xD83D\xDE00"));
  std::int32_t s32 = 0;
  std::uint32_t u32 = 0;
  std::uint16_t u16 = 0;
  bool flag = true;
  std::string bytes = "old content";
  UTF16String text = u"old content";
  EXPECT_TRUE(list.GetValue(u"s32", s32));
  EXPECT_TRUE(list.GetValue(u"u32", u32));
  EXPECT_TRUE(list.GetValue(u"u16", u16));
  EXPECT_TRUE(list.GetValue(u"bool", flag));
  EXPECT_TRUE(list.GetValue(u"bytes", bytes));
  EXPECT_TRUE(list.GetValue(u"text", text));
  EXPECT_EQ(s32, -2147483647 - 1);
  EXPECT_EQ(u32, 4294967295u);
  EXPECT_EQ(u16, 65535);
  EXPECT_FALSE(flag);
  EXPECT_EQ(bytes, std::string("\xC3\xA9\0z", 4));
  EXPECT_EQ(text, u"\xD83D\xDE00");
}

TEST(PropListValues, StringLiteralsAreStoredAsTextsNotAsTrue) {
  PropList list;
  list.SetValue(u"Title", u"My document");
  list.SetValue(u"Path", "/home/zoe");
  const char16_t* const title = u"Pointer";
  list.NewSubList(u"sub")->SetValue(u"Name", title);
  AllOutputs outputs;
  EXPECT_EQ(outputs.ReadFrom(list, u"Title"), 2);  // the text and the double getter
  EXPECT_EQ(outputs.text, u"My document");
  EXPECT_TRUE(outputs.flag);
  outputs = AllOutputs();
  EXPECT_EQ(outputs.ReadFrom(list, u"Path"), 1);
  EXPECT_EQ(outputs.narrow, "/home/zoe");
  UTF16String name;
  EXPECT_TRUE(list.GetSubList(u"sub")->GetValue(u"Name", name));
  EXPECT_EQ(name, u"Pointer");
}

TEST(PropListValues, ListGettersAppendToWhatTheCallerHeld) {
  PropList list;
  list.SetValue(u"k", std::list<std::int32_t>{2, 3});
  list.SetValue(u"empty", std::list<std::int32_t>{});
  std::list<std::int32_t> out{1};
  EXPECT_TRUE(list.GetValue(u"k", out));
  EXPECT_EQ(out, (std::list<std::int32_t>{1, 2, 3}));
  EXPECT_TRUE(list.GetValue(u"empty", out));
  EXPECT_EQ(out, (std::list<std::int32_t>{1, 2, 3}));
  // An empty array keeps its element kind.
  std::list<std::uint32_t> otherKind{7};
  EXPECT_FALSE(list.GetValue(u"empty", otherKind));
}

TEST(PropListValues, SettingAListReplacesAllItsElements) {
  PropList list;
  list.SetValue(u"k", std::list<std::string>{"a", "b", "c"});
  list.SetValue(u"k", std::list<std::string>{"z"});
  std::list<std::string> out;
  EXPECT_TRUE(list.GetValue(u"k", out));
  EXPECT_EQ(out, (std::list<std::string>{"z"}));

  list.SetValue(u"k", std::list<bool>{true, false, true});
  std::list<bool> flags;
  EXPECT_TRUE(list.GetValue(u"k", flags));
  EXPECT_EQ(flags, (std::list<bool>{true, false, true}));
  EXPECT_FALSE(list.GetValue(u"k", out));
}

TEST(PropListValues, ListsOfEveryElementKindReadBackInOrder) {
  PropList list;
  list.SetValue(u"s32", std::list<std::int32_t>{-1, 0, 1});
  list.SetValue(u"u32", std::list<std::uint32_t>{4294967295u, 0});
  list.SetValue(u"u16", std::list<std::uint16_t>{3, 2, 1});
  list.SetValue(u"text", std::list<UTF16String>{u"x", u"", u"y"});
  std::list<std::int32_t> s32;
  std::list<std::uint32_t> u32;
  std::list<std::uint16_t> u16;
  std::list<UTF16String> text;
  EXPECT_TRUE(list.GetValue(u"s32", s32));
  EXPECT_TRUE(list.GetValue(u"u32", u32));
  EXPECT_TRUE(list.GetValue(u"u16", u16));
  EXPECT_TRUE(list.GetValue(u"text", text));
  EXPECT_EQ(s32, (std::list<std::int32_t>{-1, 0, 1}));
  EXPECT_EQ(u32, (std::list<std::uint32_t>{4294967295u, 0}));
  EXPECT_EQ(u16, (std::list<std::uint16_t>{3, 2, 1}));
  EXPECT_EQ(text, (std::list<UTF16String>{u"x", u"", u"y"}));
}

TEST(PropListSubLists, NewSubListTwiceGivesTheSameListWithItsContent) {
  PropList list;
  PropList* first = list.NewSubList(u"sub");
  first->SetValue(u"inner", true);
  PropList* second = list.NewSubList(u"sub");
  EXPECT_EQ(first, second);
  EXPECT_EQ(list.GetSubList(u"sub"), first);
  bool flag = false;
  EXPECT_TRUE(second->GetValue(u"inner", flag));
  EXPECT_TRUE(flag);
}

TEST(PropListSubLists, NewSubListReplacesAValueAndAValueReplacesTheSubList) {
  PropList list;
  list.SetValue(u"k", std::uint32_t{1});
  PropList* sub = list.NewSubList(u"k");
  ASSERT_NE(sub, nullptr);
  std::uint32_t number = 0;
  EXPECT_FALSE(list.GetValue(u"k", number));
  sub->NewSubList(u"deeper")->SetValue(u"x", std::list<bool>{true});

  list.SetValue(u"k", std::string("text"));
  EXPECT_EQ(list.GetSubList(u"k"), nullptr);
  std::string text;
  EXPECT_TRUE(list.GetValue(u"k", text));
}

TEST(PropListSubLists, GetSubListNeverCreatesAnEntry) {
  PropList list;
  list.SetValue(u"value", false);
  EXPECT_EQ(list.GetSubList(u"absent"), nullptr);
  EXPECT_EQ(list.GetSubList(u"value"), nullptr);
  UTF16String text;
  EXPECT_FALSE(list.GetValue(u"absent", text));
}

TEST(PropListSubLists, ClearEmptiesTheListAndItsNesting) {
  PropList list;
  list.NewSubList(u"a")->NewSubList(u"b")->SetValue(u"c", std::int32_t{1});
  list.SetValue(u"d", std::list<UTF16String>{u"x"});
  list.Clear();
  EXPECT_EQ(list.GetSubList(u"a"), nullptr);
  std::list<UTF16String> out;
  EXPECT_FALSE(list.GetValue(u"d", out));
  list.SetValue(u"a", true);
  bool flag = false;
  EXPECT_TRUE(list.GetValue(u"a", flag));
}

TEST(PropListSubLists, DeepNestingIsDestroyedWithoutExhaustingTheStack) {
  constexpr int kDepth = 1'000'000;
  auto nestDeeply = [](PropList& list) {
    PropList* innermost = &list;
    for (int i = 0; i < kDepth; ++i) {
      innermost = innermost->NewSubList(u"n");
    }
    innermost->SetValue(u"leaf", true);
  };
  auto list = std::make_unique<PropList>();
  nestDeeply(*list);
  list->Clear();
  EXPECT_EQ(list->GetSubList(u"n"), nullptr);
  nestDeeply(*list);
  list->SetValue(u"n", false);
  EXPECT_EQ(list->GetSubList(u"n"), nullptr);
  nestDeeply(*list);
  list.reset();
}

// Lists share the library's node memory: lists made and destroyed on several
// threads at once must each keep exactly their own entries. Not built for
// Windows: its tests run under Wine on an emulated 32-bit CPU here, where a
// program that starts a second thread crashes.
#ifndef _WIN32
TEST(PropListMemory, ListsBuiltOnSeveralThreadsAtOnceKeepTheirOwnEntries) {
  constexpr int kThreads = 4;
  constexpr int kEntries = 2000;
  std::vector<int> faults(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &faults] {
      for (int round = 0; round < 5; ++round) {
        PropList list;
        for (int i = 0; i < kEntries; ++i) {
          const UTF16String key = u"entry number " + UTF8to16(std::to_string(i));
          list.SetValue(key, std::list<std::int32_t>{t, i, round});
          list.NewSubList(key + u".sub")->SetValue(u"text", std::string(40, static_cast<char>('a' + t)));
        }
        for (int i = 0; i < kEntries; ++i) {
          const UTF16String key = u"entry number " + UTF8to16(std::to_string(i));
          std::list<std::int32_t> numbers;
          std::string text;
          const PropList* sub = list.GetSubList(key + u".sub");
          if (!list.GetValue(key, numbers) || numbers != std::list<std::int32_t>{t, i, round} || sub == nullptr ||
              !sub->GetValue(u"text", text) || text != std::string(40, static_cast<char>('a' + t))) {
            ++faults[static_cast<std::size_t>(t)];
          }
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(faults, std::vector<int>(kThreads, 0));
}
#endif

}  // namespace
