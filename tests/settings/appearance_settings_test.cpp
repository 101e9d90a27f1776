#include "settings/appearance_settings.h"

#include <gtest/gtest.h>

#include "settings/appearance_sample.h"
#include "settings/memory_key_value_store.h"

namespace vexlo {
namespace {

using V = AppearanceValue;

AppearanceStore DefaultStore() {
  AppearanceStore store;
  SetDefaultAppearance(store);
  return store;
}

TEST(AppearanceSettings, ColourTextMustBeAWholeNumberThatFitsThreeBytes) {
  const std::pair<const char*, std::optional<Color>> cases[] = {
      {"0", 0u},
      {"65535", 65535u},
      {"16777215", 16777215u},
      {"007", 7u},
      {"16777216", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"-1", std::nullopt},
      {"+5", std::nullopt},
      {" 5", std::nullopt},
      {"5 ", std::nullopt},
      {"0x10", std::nullopt},
      {"$FF", std::nullopt},
      {"yellow", std::nullopt},
      {"1.5", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseColorText(text), expected) << '"' << text << '"';
  }
}

TEST(AppearanceSettings, SwitchIsOnOnlyForExactlyOne) {
  const std::pair<const char*, bool> cases[] = {
      {"1", true}, {"01", false},   {"1 ", false}, {"0", false},
      {"", false}, {"true", false}, {"2", false},
  };
  for (const auto& [flag, on] : cases) {
    AppearanceStore store = DefaultStore();
    store[V::FontUseDefault] = flag;
    auto settings = SettingsFromStore(store);
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->fontDefault, on) << '"' << flag << '"';
  }
}

TEST(AppearanceSettings, DamagedColourResetsEveryValueInStoreAndBackend) {
  for (const char* damaged : {"abc", "", "16777216", "-1"}) {
    MemoryKeyValueStore backend;
    AppearanceStore store = DefaultStore();
    store[V::BackgroundUseDefault] = "0";
    store[V::BoardColor1] = "255";
    store[V::HighlightColor] = damaged;
    SaveAppearanceStore(store, backend);

    AppearanceSettings settings = ReloadAppearance(store, backend);
    EXPECT_EQ(settings, *SettingsFromStore(DefaultStore())) << damaged;
    EXPECT_EQ(store.values, DefaultStore().values);
    EXPECT_EQ(backend.values.at("reg_board_background_use_default"), "1");
    EXPECT_EQ(backend.values.at("reg_Board_color1"), "13891060");
    EXPECT_EQ(backend.values.at("reg_HighLight_color"), "65535");
  }
}

TEST(AppearanceSettings, WriteGroupTouchesOnlyThatGroup) {
  AppearanceSettings s = *SettingsFromStore(DefaultStore());
  s.backgroundDefault = false;
  s.boardColor1 = 255;
  s.fontDefault = false;
  s.fontBig = 128;
  AppearanceStore store = DefaultStore();
  WriteGroup(s, AppearanceGroup::Digits, store);
  EXPECT_EQ(store[V::FontUseDefault], "0");
  EXPECT_EQ(store[V::FontColorBig], "128");
  EXPECT_EQ(store[V::BackgroundUseDefault], "1");
  EXPECT_EQ(store[V::BoardColor1], "13891060");
}

TEST(AppearanceSettings, DefaultSwitchesApplyTheBuiltInColours) {
  AppearanceSettings s = *SettingsFromStore(DefaultStore());
  TPICSD33 board(BoardPreset::MainWindow);
  ApplyAppearance(s, board);
  EXPECT_EQ(board.UNFoucsColor1, 16777215u);
  EXPECT_EQ(board.UNFoucsColor2, 14284791u);
  EXPECT_EQ(board.FONTColor1, 0u);
  EXPECT_EQ(board.FONTColor2, 16711680u);
  EXPECT_EQ(board.FONTColor3, 0u);
  EXPECT_EQ(board.highcolor, 65535u);
}

TEST(AppearanceSettings, ChosenColoursReachTheBoardAndItsCandidatePanels) {
  AppearanceStore store = DefaultStore();
  store[V::BackgroundUseDefault] = "0";  // the stored shades are equal: no box chequer
  store[V::FontUseDefault] = "0";
  store[V::FontColorFix] = "1";
  store[V::FontColorBig] = "2";
  store[V::FontColorCandidate] = "3";
  store[V::HighlightUseDefault] = "0";
  store[V::HighlightColor] = "4";
  TPICSD33 board;
  FillAppearanceSample(board);
  ApplyAppearance(*SettingsFromStore(store), board);

  EXPECT_EQ(board.UNFoucsColor1, 13891060u);
  EXPECT_EQ(board.UNFoucsColor2, 13891060u);
  EXPECT_EQ(board.highcolor, 4u);
  const TPicNode& fixed = board.cell(1, 2);
  const TPicNode& big = board.cell(1, 3);
  const TPicNode& open = board.cell(2, 1);   // "4689", box 1
  const TPicNode& open2 = board.cell(1, 7);  // "48", box 3
  EXPECT_EQ(fixed.fontColor, 1u);
  EXPECT_EQ(big.fontColor, 2u);
  EXPECT_EQ(open.panel(4).fontColor, 3u);
  EXPECT_TRUE(open.panel(4).visible);
  EXPECT_EQ(open.background, 13891060u);
  EXPECT_EQ(open.panel(4).background, 13891060u);
  EXPECT_EQ(open2.panel(8).background, 13891060u);
  EXPECT_EQ(board.cell(4, 4).background, 13891060u);  // box 5 and box 2 ...
  EXPECT_EQ(board.cell(1, 4).background, 13891060u);  // ... no longer differ
}

TEST(AppearanceSample, FixedBigAndCandidateCellsWithFivesHighlighted) {
  TPICSD33 board;
  FillAppearanceSample(board);
  board.highcolor = 42;
  HighlightAppearanceSample(board);
  int fixed = 0, big = 0, open = 0, highlighted = 0;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const TPicNode& cell = board.cell(row, col);
      fixed += cell.state == CellState::Fixed;
      big += cell.state == CellState::BigNumber;
      open += cell.state == CellState::Open;
      if (cell.digits == "5") {
        ++highlighted;
        EXPECT_EQ(cell.background, 42u);
      } else {
        EXPECT_NE(cell.background, 42u);
      }
    }
  }
  EXPECT_EQ(fixed, 25);
  EXPECT_EQ(big, 14);
  EXPECT_EQ(open, 42);
  EXPECT_EQ(highlighted, 9);
  EXPECT_EQ(board.cell(1, 2).digits, "1");
  EXPECT_EQ(board.cell(3, 1).digits, "246789");
  EXPECT_EQ(board.cell(1, 3).caption, "5");
}

}  // namespace
}  // namespace vexlo
