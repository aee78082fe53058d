// The parser lends its strings and attribute lists to the handler for one
// callback and fills them again for later ones; what a handler keeps or
// changes must not leak from one callback into another.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "KOR.h"
#include "ParserTestSupport.h"
#include "QURParser.h"
#include "arborix/XMLEntryExit.h"

namespace {

using parser_test::MemoryStream;
using parser_test::NewPlainParser;
using Lines = std::vector<std::u16string>;

// Keeps every name, text and attribute list it is lent: copies of the names
// and lists, the texts moved out of what the callback handed it.
class KeepingHandler : public HQURContentHandlerBase {
 public:
  struct Kept {
    std::vector<CQURString> names;
    std::vector<CQURString> texts;
    std::vector<CQURAttributes> lists;
  };
  explicit KeepingHandler(Kept* kept) : kept_(kept) {}
  void startElement(CQURString&, CQURString& localName, CQURString&, CQURAttributes& attributes) override {
    kept_->names.push_back(localName);
    kept_->lists.push_back(attributes);
  }
  void endElement(CQURString&, CQURString& localName, CQURString&) override { kept_->names.push_back(localName); }
  void characters(CQURString& text) override { kept_->texts.push_back(std::move(text)); }

 private:
  Kept* kept_;
};

// Overwrites the text of every element name it is lent, after noting what it was.
class RewritingHandler : public HQURContentHandlerBase {
 public:
  explicit RewritingHandler(Lines* names) : names_(names) {}
  void startElement(CQURString&, CQURString& localName, CQURString&, CQURAttributes&) override {
    Note(u"start ", localName);
  }
  void endElement(CQURString&, CQURString& localName, CQURString&) override { Note(u"end ", localName); }

 private:
  void Note(const std::u16string& event, CQURString& name) {
    names_->push_back(event + name.GetText());
    using S = _t_ZQURStringInterface;
    const std::string procedure = std::string(S::kKind.prefix) + S::kMethods[S::setStringUTF16] + "Meth";
    const auto set = reinterpret_cast<S::setStringUTF16Proc>(
        KORGetLookupFunction()(S::kKind.signature, S::kMethods[S::setStringUTF16], procedure.c_str()));
    ASSERT_NE(set, nullptr);
    ASSERT_EQ(set(name.Handle(), u"overwritten", 11), nullptr);
  }

  Lines* names_;
};

// Looks both attributes of every start tag up by index through the parser's
// own method, keeping the answer to the first lookup over the second.
class LookingUpHandler : public HQURContentHandlerBase {
 public:
  explicit LookingUpHandler(Lines* values) : values_(values) {}
  void startElement(CQURString&, CQURString&, CQURString&, CQURAttributes& attributes) override {
    using A = _t_ZQURAttributesInterface;
    const std::string procedure = std::string(A::kKind.prefix) + A::kMethods[A::getValueByIx] + "Meth";
    const auto byIndex = reinterpret_cast<A::byIndexProc>(
        KORGetLookupFunction()(A::kKind.signature, A::kMethods[A::getValueByIx], procedure.c_str()));
    ASSERT_NE(byIndex, nullptr);
    KORContainer first = nullptr;
    KORContainer second = nullptr;
    char found = 0;
    ASSERT_EQ(byIndex(attributes.Handle(), 0, &first, &found), nullptr);
    ASSERT_EQ(byIndex(attributes.Handle(), 1, &second, &found), nullptr);
    CQURString kept(CQURHandle::Adopt(first));
    CQURString latest(CQURHandle::Adopt(second));
    values_->push_back(kept.GetText() + u" " + latest.GetText());
  }

 private:
  Lines* values_;
};

Lines TextsOf(std::vector<CQURString>& strings) {
  Lines texts;
  for (CQURString& string : strings) texts.push_back(string.GetText());
  return texts;
}

class LentParserObjects : public ::testing::Test {
 protected:
  XMLEntryExit connection_;
};

TEST_F(LentParserObjects, WhatAHandlerKeepsIsNotOverwrittenByLaterCallbacks) {
  KeepingHandler::Kept kept;
  {
    CQURSAX2Parser parser = NewPlainParser();
    parser.A_setContentHandler(new KeepingHandler(&kept));
    parser.A_parse(new MemoryStream("<a x='1'>one<b x='2'>two</b><a x='3'/>three</a>"));
  }
  EXPECT_EQ(TextsOf(kept.names), (Lines{u"a", u"b", u"b", u"a", u"a", u"a"}));
  EXPECT_EQ(TextsOf(kept.texts), (Lines{u"one", u"two", u"three"}));
  Lines values;
  for (const CQURAttributes& list : kept.lists) {
    UTF16String value;
    EXPECT_TRUE(list.getValue(u"x", value));
    values.push_back(value);
  }
  EXPECT_EQ(values, (Lines{u"1", u"2", u"3"}));
}

TEST_F(LentParserObjects, AHandlerThatRewritesTheNamesItIsLentStillGetsTheTrueNames) {
  Lines names;
  CQURSAX2Parser parser = NewPlainParser();
  parser.A_setContentHandler(new RewritingHandler(&names));
  parser.A_parse(new MemoryStream("<a><b/><b/><a/></a>"));
  EXPECT_EQ(names, (Lines{u"start a", u"start b", u"end b", u"start b", u"end b", u"start a", u"end a", u"end a"}));
}

}  // namespace

namespace {

TEST_F(LentParserObjects, AnAnswerACallerStillHoldsIsNotOverwrittenByTheNextLookup) {
  Lines values;
  CQURSAX2Parser parser = NewPlainParser();
  parser.A_setContentHandler(new LookingUpHandler(&values));
  parser.A_parse(new MemoryStream("<a x='1' y='2'><b x='3' y='4'/></a>"));
  EXPECT_EQ(values, (Lines{u"1 2", u"3 4"}));
}

}  // namespace
