// The three tables compiled into the program: their key sets, order and the texts that
// other parts of the program rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "settings/language_active.h"

namespace vexlo {
namespace {

std::vector<std::string> KeysOf(const LanguageTable& table) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : table.Entries()) keys.emplace_back(key);
  return keys;
}

std::set<std::string> FoldedKeySet(const LanguageTable& table) {
  std::set<std::string> keys;
  for (const std::string& key : KeysOf(table)) keys.insert(FoldKeyCase(key));
  return keys;
}

bool IsToolButtonCaption(std::string_view key) {
  return key.ends_with(".caption") && (key.starts_with("bt") || key.starts_with("toolbutton")) &&
         !key.starts_with("bt_");
}

bool IsSeparatorKey(std::string_view key) {
  return key.size() > 1 && key[0] == 'n' && key[1] >= '0' && key[1] <= '9';
}

// Length of the UTF-8 sequence that starts with `lead`; 0 for a byte that cannot start one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 0;
}

// Well-formed UTF-8 (no stray or truncated sequences): a table saved in another code page
// would show garbage.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = SequenceLength(static_cast<unsigned char>(text[i]));
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
    }
    i += length;
  }
  return true;
}

TEST(BuiltInTablesTest, EnglishHas265UniqueLowerCaseEntries) {
  const LanguageTable en = BuiltInTable(Language::English);
  EXPECT_EQ(en.Lines().size(), 265u);
  const std::vector<std::string> keys = KeysOf(en);
  ASSERT_EQ(keys.size(), 265u);
  EXPECT_EQ(FoldedKeySet(en).size(), 265u);
  for (const std::string& key : keys) {
    EXPECT_EQ(key, FoldKeyCase(key));
  }
  EXPECT_EQ(keys.front(), "btdisplayyourgamelist.caption");
  EXPECT_EQ(keys.back(), "rb_one_number_hint");
}

TEST(BuiltInTablesTest, EnglishTextsOtherPartsRelyOn) {
  const LanguageTable en = BuiltInTable(Language::English);
  EXPECT_EQ(en.LangText("frmImport.Label1.Caption"),
            "Enter a string of 81 numbers(you can express blanks as 0, * , '.')");
  EXPECT_EQ(en.LangText("frmprintselect.sudoku"), "<font size=5>Sudoku</font><br>");
  EXPECT_TRUE(en.LangText("frmprintselect.sudokuby").starts_with("<font size=2>by Vexlo, "));
  EXPECT_EQ(en.LangText("msg_ndtxt_veryeasy"), "  Level:Very Easy");
  EXPECT_EQ(en.LangText("msg_Puzzlesolved"), "Puzzle solved");
  EXPECT_EQ(en.LangText("btsolve.caption"), "btsolve");
  EXPECT_EQ(en.LangText("btcreategentle.caption"), "?");
  EXPECT_EQ(en.LangText("n18.caption"), "-");
  EXPECT_EQ(en.LangText("toolbutton13.hint"), "");
  EXPECT_TRUE(en.HasKey("toolbutton13.hint"));
  // The Help menu shows these four links in every language: readable captions, not a run of
  // question marks left from a lost conversion.
  for (const char* key : {"mnc1.caption", "mnc2.caption", "mnc3.caption", "mnc4.caption"}) {
    EXPECT_EQ(en.LangText(key).find('?'), std::string::npos) << key;
    EXPECT_FALSE(en.LangText(key).empty()) << key;
  }
}

TEST(BuiltInTablesTest, ChineseHasTheEnglishKeysInTheSameOrder) {
  const LanguageTable zh = BuiltInTable(Language::Chinese);
  EXPECT_EQ(zh.Lines().size(), 265u);
  EXPECT_EQ(KeysOf(zh), KeysOf(BuiltInTable(Language::English)));
}

TEST(BuiltInTablesTest, ChineseTellingRows) {
  const LanguageTable zh = BuiltInTable(Language::Chinese);
  const std::vector<std::pair<std::string_view, std::string_view>> rows = {
      {"mnveryeasy.caption", "等级:入门"},
      {"mngentle.caption", "等级:初级"},
      {"mnmoderate.caption", "等级:中级"},
      {"mntough.caption", "等级:高级"},
      {"mndiabolical.caption", "等级:骨灰"},
      {"msg_ndtxt_veryeasy", "  等级:入门"},
      {"msg_ndtxt_unkown", "  等级:未知"},
      {"msg_frmgamelist_veryeasy", "入门"},
      {"msg_frmgamelist_gentle", "初级"},
      {"msg_frmgamelist_moderate", "中级"},
      {"msg_frmgamelist_tough", "高级"},
      {"msg_frmgamelist_diabolical", "骨灰"},
      {"msg_frmgamelist_unknown", "未知"},
      {"frmsave.radiogroup1.items[0]", "入门"},
      {"frmsave.radiogroup1.items[1]", "初级"},
      {"frmsave.radiogroup1.items[2]", "中级"},
      {"frmsave.radiogroup1.items[3]", "高级"},
      {"frmsave.radiogroup1.items[4]", "骨灰"},
      {"frmsave.radiogroup1.items[5]", "未知"},
      {"btsavepic.caption", "保存为图片"},
      {"btsavepic.hint", "保存为图片"},
      {"rb_none.caption", "纸笔模式"},
      {"rb_one.caption", "部分候选数"},
      {"rb_all.caption", "全部候选数"},
      {"msg_move", "删除"},
      {"msg_add", "增加"},
      {"frmsolover.doitforme", "确定"},
      {"frmsolover.thinking", "思考中..."},
      {"frmtile.advglowbutton1", "自动生成"},
      {"mnautochecknewversion.caption", "Auto Check New Version<CHN>"},
      {"mnchecknewversion.caption", "Check New Version<CHN>"},
      {"mncreatetxt.caption", "Create txt<CHN>"},
      {"mne2.caption", "Solving sudoku strategies<CHN>"},
      {"mnc1.caption", "Vexlo网站首页"},
      {"mnc2.caption", "数独论坛"},
      {"mnc3.caption", "数独技巧(英文)"},
      {"mnc4.caption", "在线数独"},
      {"msg_puzzle_solved", "恭喜您完成本题!!!"},
      {"msg_puzzlesolved", "恭喜您成功解题！！！"},
      {"frmprintselect.sudoku", "<font size=5>数独</font><br>"},
  };
  for (const auto& [key, value] : rows) EXPECT_EQ(zh.LangText(key), value) << key;
}

// Every entry the English table fills is translated, except the tool-button captions (the
// tool bars show images only) and the separators, which keep their "-".
TEST(BuiltInTablesTest, ChineseIsComplete) {
  const LanguageTable en = BuiltInTable(Language::English);
  const LanguageTable zh = BuiltInTable(Language::Chinese);
  for (const auto& [key, value] : zh.Entries()) {
    const bool may_be_empty =
        (IsToolButtonCaption(key) && key != "btsavepic.caption") || IsSeparatorKey(key);
    if (may_be_empty) {
      EXPECT_EQ(value, "") << key;
    } else {
      EXPECT_EQ(value.empty(), en.LangText(key).empty()) << key;
    }
  }
}

TEST(BuiltInTablesTest, JapaneseKeySetAndLayout) {
  const LanguageTable ja = BuiltInTable(Language::Japanese);
  ASSERT_EQ(ja.Lines().size(), 256u);
  // The tile's two texts were added to the table: its button would be blank without them.
  EXPECT_EQ(ja.Entries().size(), 251u);
  for (std::size_t line = 251; line < 256; ++line) EXPECT_EQ(ja.Lines()[line], "") << line;

  const std::set<std::string> en = FoldedKeySet(BuiltInTable(Language::English));
  const std::set<std::string> jp = FoldedKeySet(ja);
  std::set<std::string> missing;
  std::set<std::string> extra;
  std::ranges::set_difference(en, jp, std::inserter(missing, missing.end()));
  std::ranges::set_difference(jp, en, std::inserter(extra, extra.end()));
  EXPECT_EQ(missing, (std::set<std::string>{
                         "bthelp1.hint", "bthelp2.hint", "btsavepic.caption", "btsavepic.hint",
                         "frmcopy.labelblank.caption", "frmda.button1.caption", "frmda.caption",
                         "frmsolover.button2.caption", "frmsolover.caption", "frmsolover.doitforme",
                         "frmsolover.nexthint", "frmsolover.thinking", "msg_error",
                         "msg_no_error", "rb_all_number_hint", "rb_one_number_hint"}));
  EXPECT_EQ(extra, (std::set<std::string>{"btpaste.caption", "btpaste.hint"}));

  const std::vector<std::string> keys = KeysOf(ja);
  EXPECT_NE(std::ranges::find(keys, "frm_about.Button1.caption"), keys.end());
  for (const std::string& key : keys) {
    if (key != "frm_about.Button1.caption") {
      EXPECT_EQ(key, FoldKeyCase(key));
    }
  }
  EXPECT_EQ(ja.LangText("frm_about.button1.caption"), "閉じる");
  EXPECT_EQ(ja.LangText("mnfile.caption"), "ファイル  ");
  EXPECT_EQ(ja.LangText("btsavepic.hint"), "");
  EXPECT_EQ(ja.LangText("frmsolover.caption"), "");
}

TEST(BuiltInTablesTest, JapaneseIsComplete) {
  const LanguageTable ja = BuiltInTable(Language::Japanese);
  for (const auto& [key, value] : ja.Entries()) {
    const std::string folded = FoldKeyCase(key);
    const bool may_be_empty =
        IsToolButtonCaption(folded) || IsSeparatorKey(folded) || folded.starts_with("toolbutton");
    EXPECT_EQ(value.empty(), may_be_empty) << key;
  }
}

TEST(BuiltInTablesTest, TablesAreUtf8AndNameTheProgramVexlo) {
  for (Language language : {Language::English, Language::Chinese, Language::Japanese}) {
    const LanguageTable table = BuiltInTable(language);
    for (const std::string& line : table.Lines()) {
      EXPECT_TRUE(IsUtf8(line)) << line;
      const std::string folded = FoldKeyCase(line);
      for (std::size_t at = folded.find("vexlo"); at != std::string::npos;
           at = folded.find("vexlo", at + 1)) {
        EXPECT_EQ(line.substr(at, 5), "Vexlo") << line;
      }
    }
  }
}

TEST(ActiveLanguageTest, StartsInChineseAndSwitchesTables) {
  ActiveLanguage active;
  EXPECT_EQ(active.Current(), Language::Chinese);
  EXPECT_EQ(active.LangText("rb_none.caption"), "纸笔模式");
  active.SelectLanguage(Language::English);
  EXPECT_EQ(active.Current(), Language::English);
  EXPECT_EQ(active.LangText("RB_NONE.caption"), "Pencil and Paper");
  active.SelectLanguage(Language::Japanese);
  EXPECT_EQ(active.LangText("msg_no_error"), "");
  EXPECT_EQ(active.Table().Lines().size(), 256u);
}

TEST(ActiveLanguageTest, CodesRoundTrip) {
  for (Language language : {Language::English, Language::Chinese, Language::Japanese}) {
    EXPECT_EQ(LanguageFromCode(LanguageCode(language)), language);
  }
  EXPECT_EQ(LanguageCode(Language::Japanese), "ja");
  EXPECT_EQ(LanguageFromCode("fr"), std::nullopt);
  EXPECT_EQ(LanguageFromCode(""), std::nullopt);
}

}  // namespace
}  // namespace vexlo
