#include "storage/print_page.h"

#include <gtest/gtest.h>

#include "settings/language_active.h"
#include "storage/board_fixture.h"

namespace vexlo {
namespace {

const std::string kCellStart = R"(<td style="border: 1px solid rgb(170, 170, 170);)";

TEST(PrintPageTest, TemplateHasItsFixedLinesAndCellLinesInBoxOrder) {
  const std::vector<std::string> page = PrintTemplate(60);
  ASSERT_EQ(page.size(), 201u);
  EXPECT_EQ(page[0], R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)");
  EXPECT_EQ(page[5], "<html><head>");
  EXPECT_EQ(
      page[17],
      R"(<tbody><tr><td style="font-family: verdana; font-size: 8pt; color: rgb(0, 0, 0); text-align: center;">1</td>)");
  EXPECT_EQ(
      page[25],
      R"(<td style="font-family: verdana; font-size: 8pt; color: rgb(0, 0, 0); text-align: center;">9</td>)");
  EXPECT_EQ(page[29], R"(<tbody><tr><td style="height: 60px;" valign="middle">A</td></tr>)");
  EXPECT_EQ(page[37], R"(<tr><td style="height: 60px;" valign="middle">I</td></tr>)");
  EXPECT_EQ(page[38], "</tbody></table></td>");
  EXPECT_EQ(page[39], R"(<td valign="top">)");
  EXPECT_EQ(page[198], "</td></tr></tbody></table>");
  EXPECT_EQ(page[200], "</body></html>");
  EXPECT_EQ(PrintTemplate(115)[33],
            R"(<tr><td style="height: 115px;" valign="middle">E</td></tr>)");

  EXPECT_EQ(FindCellLine(page, 1, 1), 46);
  EXPECT_EQ(page[FindCellLine(page, 1, 4) - 1].substr(0, 6), "node14");
  EXPECT_LT(FindCellLine(page, 3, 3), FindCellLine(page, 1, 4));  // box by box
  EXPECT_EQ(FindCellLine(page, 0, 0), 1);
  EXPECT_NE(page[44].find(R"(name="A1" id="A1")"), std::string::npos);
  EXPECT_NE(page[60].find(R"(name="A2" id="A1")"), std::string::npos);
  EXPECT_NE(page[76].find(R"(name="A3" id="A1")"), std::string::npos);
  EXPECT_NE(page[110].find(R"(name="B2" id="B2")"), std::string::npos);
}

TEST(PrintPageTest, CellMarkupToTheCharacter) {
  const PrintBuilder c1 = PrintBuilderFor(PrintStyle::WithCandidates, PaperSize::A4);
  TPicNode fixed;
  fixed.state = CellState::Fixed;
  fixed.digits = "5";
  TPicNode big;
  big.state = CellState::BigNumber;
  big.digits = "7";
  TPicNode open;
  open.state = CellState::Open;
  open.digits = "249";
  EXPECT_EQ(
      CellMarkup(c1, fixed),
      R"(<td style="border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 22pt; color: black; width: 60px; height: 60px; text-align: center;">5</td>)");
  EXPECT_EQ(
      CellMarkup(c1, big),
      R"(<td style="border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 22pt; color: blue; width: 60px; height: 60px; text-align: center;">7</td>)");
  EXPECT_EQ(
      CellMarkup(c1, open),
      R"(<td style="border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 7pt; color: black; width: 60px; height: 60px; text-align: left; vertical-align: top;">249 &nbsp;</td>)");

  const PrintBuilder n3 = PrintBuilderFor(PrintStyle::Normal, PaperSize::A2);
  EXPECT_EQ(
      CellMarkup(n3, open),
      R"(<td style="border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 20pt; color: black; width: 115px; height: 115px; text-align: left; vertical-align: top;"> &nbsp;</td>)");

  // Seven candidates wrap after the sixth on A2 only.
  open.digits = "1234789";
  EXPECT_TRUE(CellMarkup(PrintBuilderFor(PrintStyle::WithCandidates, PaperSize::A2), open)
                  .ends_with(">123478<br/>9 &nbsp;</td>"));
  EXPECT_TRUE(CellMarkup(PrintBuilderFor(PrintStyle::WithCandidates, PaperSize::A3), open)
                  .ends_with(">1234789 &nbsp;</td>"));
  open.digits = "";
  EXPECT_TRUE(CellMarkup(c1, open).ends_with("\"> &nbsp;</td>"));

  // Text from a damaged file never becomes markup.
  big.digits = "<b>";
  EXPECT_TRUE(CellMarkup(c1, big).ends_with(">&lt;b&gt;</td>"));
}

TEST(PrintPageTest, EveryBuilderFillsAllCellsWithBlueBigNumbers) {
  const LanguageTable chinese = BuiltInTable(Language::Chinese);
  const TPICSD33 board = testing::SampleBoard();
  for (PrintStyle style : {PrintStyle::Normal, PrintStyle::WithCandidates}) {
    for (PaperSize paper : {PaperSize::A4, PaperSize::A3, PaperSize::A2}) {
      const PrintBuilder builder = PrintBuilderFor(style, paper);
      const std::vector<std::string> page = BuildPrintPage(board, builder, chinese);
      ASSERT_EQ(page.size(), 201u);
      EXPECT_EQ(
          page[9],
          R"(<meta http-equiv="Content-Type" content="text/html;charset=utf8"></head><body bgcolor="white">)");
      EXPECT_EQ(page[12], "<font size=5>\xE6\x95\xB0\xE7\x8B\xAC</font><br>");
      EXPECT_EQ(page[13], chinese.LangText("frmprintselect.sudokuby"));
      int cells = 0;
      for (const std::string& line : page) {
        cells += line.starts_with(kCellStart);
        EXPECT_FALSE(line.starts_with("node"));
      }
      EXPECT_EQ(cells, 81);
      const std::string& big = page[FindCellLine(PrintTemplate(60), 1, 1) - 1];
      EXPECT_NE(big.find("color: blue;"), std::string::npos);
      EXPECT_TRUE(big.ends_with(">7</td>"));
      const std::string& candidates = page[FindCellLine(PrintTemplate(60), 1, 5) - 1];
      EXPECT_EQ(candidates.find("249") != std::string::npos, style == PrintStyle::WithCandidates);
    }
  }
  EXPECT_EQ(BuildPrintPage(board, PrintBuilderFor(PrintStyle::Normal, PaperSize::A4),
                           BuiltInTable(Language::English))[12],
            "<font size=5>Sudoku</font><br>");
}

}  // namespace
}  // namespace vexlo
