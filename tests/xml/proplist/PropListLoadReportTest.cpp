#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "TempDir.h"
#include "arborix/PropListUtils.h"
#include "arborix/XMLEntryExit.h"

namespace {

class PropListLoadReportTest : public ::testing::Test {
 protected:
  // Loads `text` into `list`; the report starts filled with leftovers that
  // the load must clear.
  PropListLoadReport Load(const std::string& text, PropList& list) {
    File file(folder_.Write("load.xml", text));
    PropListLoadReport report{{XMLParseFailed, 9, 9, "left from before"}, u"left"};
    PropListUtils::LoadPropList(file, list, report);
    return report;
  }

  XMLEntryExit connection_;
  testsupport::TempDir folder_;
};

TEST_F(PropListLoadReportTest, AFileThatBreaksOffReportsWhereAndEmptiesTheList) {
  PropList list;
  list.SetValue(u"before", true);
  const PropListLoadReport report =
      Load("<prop.map>\n<prop.list>\n<prop.pair>\n<key>k</key>\n<string>v</strin>\n", list);
  EXPECT_EQ(report.fault.status, XMLParseTagMismatch);
  EXPECT_EQ(report.fault.line, 5);
  EXPECT_EQ(report.fault.column, 12);
  EXPECT_EQ(report.fault.message, "mismatched tag");
  EXPECT_EQ(report.rootElement, u"prop.map");
  bool value = false;
  EXPECT_FALSE(list.GetValue(u"before", value)) << "a failed load empties the list, as LoadPropList does";
}

TEST_F(PropListLoadReportTest, AWellFormedFileReportsNoFaultAndItsRootElement) {
  PropList list;
  const PropListLoadReport report = Load(
      "<?xml version='1.0' encoding='UTF-8'?>\n<prop.map>\n<prop.list>\n<prop.pair>\n<key>n</key>\n"
      "<int type='signed' size='32'>-3</int>\n</prop.pair>\n</prop.list>\n</prop.map>\n",
      list);
  EXPECT_EQ(report.fault.status, XMLParseOK);
  EXPECT_EQ(report.fault.line, 0);
  EXPECT_EQ(report.fault.column, 0);
  EXPECT_EQ(report.fault.message, "");
  EXPECT_EQ(report.rootElement, u"prop.map");
  std::int32_t n = 0;
  EXPECT_TRUE(list.GetValue(u"n", n));
  EXPECT_EQ(n, -3);
}

TEST_F(PropListLoadReportTest, AnotherRootElementIsNamedAndItsListStillLoads) {
  PropList list;
  const PropListLoadReport report =
      Load("<settings><prop.list><prop.pair><key>k</key><true/></prop.pair></prop.list></settings>", list);
  EXPECT_EQ(report.fault.status, XMLParseOK);
  EXPECT_EQ(report.rootElement, u"settings");
  bool value = false;
  EXPECT_TRUE(list.GetValue(u"k", value));
  EXPECT_TRUE(value);
}

TEST_F(PropListLoadReportTest, AFileWithoutAnElementReportsAFaultAndNoRootElement) {
  PropList list;
  const PropListLoadReport report = Load("", list);
  EXPECT_NE(report.fault.status, XMLParseOK);
  EXPECT_FALSE(report.fault.message.empty());
  EXPECT_EQ(report.rootElement, u"");
}

}  // namespace
