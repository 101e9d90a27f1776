#include "settings/language_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/language_active.h"

namespace vexlo {
namespace {

struct PassCase {
  TextPass pass;
  const char* name;
  std::optional<std::string> expected;  // nullopt: the control keeps its text
};

TEST(LanguageRulesTest, EachPassDecidesWhetherEmptyValuesApply) {
  const LanguageTable table = LanguageTable::FromText(
      "mnfile.caption=ファイル  \n"
      "mnnewgame.caption= \t&New Game\r\n"
      "n1.caption=\n"
      "n2.caption=-\n"
      "grpcolorpanel.caption=\n"
      "btsolve.caption=\n"
      "rb_none.caption=  Pencil  \n"
      "bt_clearcolor.caption=  Clear Marking \n"
      "bthelp1.caption=\n"
      "btsolve.hint=Show Solution\n");
  const PassCase cases[] = {
      {TextPass::MenuItems, "mnFile", "ファイル"},
      {TextPass::MenuItems, "mnNewGame", "&New Game"},
      {TextPass::MenuItems, "N1", std::nullopt},  // separator keeps its "-"
      {TextPass::MenuItems, "N2", "-"},
      {TextPass::MenuItems, "mnMissing", std::nullopt},
      {TextPass::GroupBoxes, "grpColorPanel", ""},
      {TextPass::GroupBoxes, "grpMissing", ""},
      {TextPass::ToolButtons, "btsolve", ""},
      {TextPass::RadioButtons, "rb_none", "  Pencil  "},
      {TextPass::CheckBoxes, "cbautoupdate", ""},
      {TextPass::SpeedButtons, "bt_clearcolor", "  Clear Marking "},
      {TextPass::SpeedButtons, "bthelp1", std::nullopt},
      {TextPass::SpeedButtons, "disnote1", std::nullopt},
      {TextPass::Hints, "btSolve", "Show Solution"},
      {TextPass::Hints, "btsavepic", ""},
  };
  for (const PassCase& c : cases) {
    EXPECT_EQ(PassText(c.pass, table, c.name), c.expected)
        << c.name << " in pass " << static_cast<int>(c.pass);
  }
}

TEST(LanguageRulesTest, PassesRunInTheirFixedOrderAndReadCaptionsThenHints) {
  ASSERT_EQ(kTextPasses.front(), TextPass::MenuItems);
  ASSERT_EQ(kTextPasses.back(), TextPass::Hints);
  EXPECT_EQ(PassKey(TextPass::ToolButtons, "btSolve"), "btSolve.caption");
  EXPECT_EQ(PassKey(TextPass::Hints, "btSolve"), "btSolve.hint");
}

TEST(LanguageRulesTest, BuiltInTablesThroughThePasses) {
  const LanguageTable zh = BuiltInTable(Language::Chinese);
  EXPECT_EQ(PassText(TextPass::MenuItems, zh, "N5"), std::nullopt);
  EXPECT_EQ(PassText(TextPass::MenuItems, zh, "mnVeryEasy"), "等级:入门");
  EXPECT_EQ(PassText(TextPass::ToolButtons, zh, "btsolve"), "");
  EXPECT_EQ(PassText(TextPass::ToolButtons, zh, "btsavepic"), "保存为图片");
  EXPECT_EQ(PassText(TextPass::RadioButtons, zh, "rb_all"), "全部候选数");

  const LanguageTable en = BuiltInTable(Language::English);
  EXPECT_EQ(PassText(TextPass::MenuItems, en, "N5"), "-");
  EXPECT_TRUE(IsSeparatorCaption(*PassText(TextPass::MenuItems, en, "N5")));
  EXPECT_EQ(PassText(TextPass::SpeedButtons, en, "bt_clearcolor"), "Clear Marking");

  const LanguageTable ja = BuiltInTable(Language::Japanese);
  EXPECT_EQ(PassText(TextPass::MenuItems, ja, "mnFile"), "ファイル");
  EXPECT_EQ(PassText(TextPass::Hints, ja, "btsavepic"), "");
  EXPECT_EQ(PassText(TextPass::Hints, ja, "bthelp1"), "");
  EXPECT_EQ(PassText(TextPass::Hints, ja, "btsave"), "現在の盤面を保存");
}

TEST(LanguageRulesTest, TrimmingRemovesOnlyOuterBlanks) {
  EXPECT_EQ(TrimBlanks("  a  b \t\r\n"), "a  b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks("\xE3\x80\x80x"), "\xE3\x80\x80x");  // an ideographic space is text
  EXPECT_FALSE(IsSeparatorCaption(" -"));
  EXPECT_FALSE(IsSeparatorCaption(""));
}

TEST(LanguageRulesTest, DialogKeysFindTheStoredEntries) {
  const LanguageTable en = BuiltInTable(Language::English);
  EXPECT_EQ(DialogTitleKey("frmsave"), "frmsave.caption");
  EXPECT_EQ(en.LangText(DialogTitleKey("frmsave")), "Save Your Game");
  EXPECT_EQ(DialogControlKey("frmImport", "Label1"), "frmImport.Label1.caption");
  EXPECT_EQ(en.LangText(DialogControlKey("frmImport", "Label1")),
            "Enter a string of 81 numbers(you can express blanks as 0, * , '.')");
  EXPECT_EQ(RadioItemKey("frmsave", "RadioGroup1", 5), "frmsave.RadioGroup1.items[5]");
  EXPECT_EQ(en.LangText(RadioItemKey("frmsave", "RadioGroup1", 5)), "Unknown or N/A");
  EXPECT_EQ(BuiltInTable(Language::Japanese).LangText(DialogControlKey("frm_about", "button1")),
            "閉じる");
}

}  // namespace
}  // namespace vexlo
