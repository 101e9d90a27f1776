#include "settings/language_table.h"

#include <gtest/gtest.h>

namespace vexlo {
namespace {

TEST(LanguageTableTest, KeysMatchWhateverTheLetterCase) {
  const LanguageTable table = LanguageTable::FromText(
      "frmimport.label1.caption=Enter a string\n"
      "frm_about.Button1.caption=Close\n");
  EXPECT_EQ(table.LangText("frmImport.Label1.Caption"), "Enter a string");
  EXPECT_EQ(table.LangText("FRMIMPORT.LABEL1.CAPTION"), "Enter a string");
  EXPECT_EQ(table.LangText("frm_about.button1.caption"), "Close");
  EXPECT_TRUE(table.HasKey("Frm_About.BUTTON1.Caption"));
}

TEST(LanguageTableTest, ValueIsEverythingAfterTheFirstEqualsSignWithItsBlanks) {
  const LanguageTable table = LanguageTable::FromText(
      "frmprintselect.sudoku=<font size=5>Sudoku</font><br>\n"
      "msg_ndtxt_veryeasy=  Level:Very Easy\n"
      "mnfile.caption=ファイル  \n"
      "a==b=\n");
  EXPECT_EQ(table.LangText("frmprintselect.sudoku"), "<font size=5>Sudoku</font><br>");
  EXPECT_EQ(table.LangText("msg_ndtxt_veryeasy"), "  Level:Very Easy");
  EXPECT_EQ(table.LangText("mnfile.caption"), "ファイル  ");
  EXPECT_EQ(table.LangText("a"), "=b=");
}

TEST(LanguageTableTest, MissingKeysAndEmptyValuesGiveEmptyText) {
  const LanguageTable table = LanguageTable::FromText("n1.caption=\nbtsave.hint=Save\n");
  EXPECT_EQ(table.LangText("btsavepic.hint"), "");
  EXPECT_FALSE(table.HasKey("btsavepic.hint"));
  EXPECT_EQ(table.LangText("n1.caption"), "");
  EXPECT_TRUE(table.HasKey("n1.caption"));
  // A key is only a whole key: neither a prefix nor the text with its "=".
  EXPECT_EQ(table.LangText("btsave"), "");
  EXPECT_EQ(table.LangText("btsave.hint="), "");
  EXPECT_EQ(LanguageTable().LangText("btsave.hint"), "");
}

TEST(LanguageTableTest, FirstLineWinsForARepeatedKey) {
  const LanguageTable table =
      LanguageTable::FromText("mnfile.caption=&File\nMNFILE.caption=Second\nmnfile.caption=\n");
  EXPECT_EQ(table.LangText("mnFile.caption"), "&File");
  EXPECT_EQ(table.Entries().size(), 3u);
}

TEST(LanguageTableTest, LinesWithoutEqualsSignAreKeptButHoldNoEntry) {
  const LanguageTable table = LanguageTable::FromText("a=1\n\nstray line\nb=2\n\n\n");
  EXPECT_EQ(table.Lines().size(), 6u);
  ASSERT_EQ(table.Entries().size(), 2u);
  EXPECT_EQ(table.Entries()[1].first, "b");
  EXPECT_EQ(table.Entries()[1].second, "2");
  EXPECT_EQ(table.LangText("stray line"), "");
  EXPECT_EQ(table.LangText(""), "");
}

TEST(LanguageTableTest, ReadsCrLfLinesAndAByteOrderMark) {
  const LanguageTable table =
      LanguageTable::FromText("\xEF\xBB\xBFmnfile.caption=&File\r\nmsg_add=Add\r\n\r\nlast=x");
  EXPECT_EQ(table.LangText("mnfile.caption"), "&File");
  EXPECT_EQ(table.LangText("msg_add"), "Add");
  EXPECT_EQ(table.LangText("last"), "x");
  EXPECT_EQ(table.Lines().size(), 4u);
  EXPECT_EQ(table.Lines()[2], "");
}

TEST(LanguageTableTest, FoldingTouchesOnlyAsciiLetters) {
  EXPECT_EQ(FoldKeyCase("frmImport.Label1.Caption_[5]"), "frmimport.label1.caption_[5]");
  EXPECT_EQ(FoldKeyCase("\xC3\x84X"), "\xC3\x84x");  // "ÄX": the UTF-8 bytes stay
}

}  // namespace
}  // namespace vexlo
