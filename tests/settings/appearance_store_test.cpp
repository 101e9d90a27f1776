#include "settings/appearance_store.h"

#include <gtest/gtest.h>

#include "settings/memory_key_value_store.h"

namespace vexlo {
namespace {

using V = AppearanceValue;

const std::map<std::string, std::string> kDefaultBackend = {
    {"reg_board_background_use_default", "1"},
    {"reg_Board_color1", "13891060"},
    {"reg_Board_color2", "13891060"},
    {"reg_Font_use_default", "1"},
    {"reg_Font_color_Fix", "0"},
    {"reg_Font_color_Big", "16711680"},
    {"reg_Font_color_Candidate", "0"},
    {"reg_HighLight_use_default", "1"},
    {"reg_HighLight_color", "65535"},
};

TEST(AppearanceStore, FirstRunWritesTheNineDefaultsUnderTheirNames) {
  MemoryKeyValueStore backend;
  AppearanceStore store;
  LoadAppearanceStore(store, backend);
  EXPECT_EQ(backend.values, kDefaultBackend);
  EXPECT_EQ(store[V::BoardColor1], "13891060");
  EXPECT_EQ(store[V::BoardColor2], "13891060");
  EXPECT_EQ(store[V::HighlightColor], "65535");
}

TEST(AppearanceStore, SavedValuesComeBackUnchanged) {
  MemoryKeyValueStore backend;
  AppearanceStore saved;
  for (std::size_t i = 0; i < kAppearanceValueCount; ++i) saved.values[i] = std::to_string(i * 7);
  saved[V::BackgroundUseDefault] = "0";
  ASSERT_TRUE(SaveAppearanceStore(saved, backend));
  EXPECT_EQ(backend.values.at("reg_Font_color_Candidate"), "42");

  AppearanceStore loaded;
  LoadAppearanceStore(loaded, backend);
  EXPECT_EQ(loaded.values, saved.values);
  EXPECT_EQ(backend.writes, 1);  // an existing, complete backend is only read
}

TEST(AppearanceStore, MissingBackgroundFlagResetsEveryValue) {
  MemoryKeyValueStore backend;
  backend.values = {{"reg_Font_use_default", "0"}, {"reg_Font_color_Big", "255"}};
  AppearanceStore store;
  LoadAppearanceStore(store, backend);
  EXPECT_EQ(backend.values, kDefaultBackend);
  EXPECT_EQ(store[V::FontColorBig], "16711680");
}

TEST(AppearanceStore, OtherMissingValuesReadAsEmptyText) {
  MemoryKeyValueStore backend;
  backend.values = {{"reg_board_background_use_default", "0"}, {"reg_Board_color1", "255"}};
  AppearanceStore store;
  LoadAppearanceStore(store, backend);
  EXPECT_EQ(store[V::BoardColor1], "255");
  EXPECT_EQ(store[V::HighlightColor], "");
  EXPECT_EQ(backend.writes, 0);
}

TEST(AppearanceStore, UnwritableBackendLeavesTheDefaultsInTheStore) {
  MemoryKeyValueStore backend;
  backend.readOnly = true;
  AppearanceStore store;
  LoadAppearanceStore(store, backend);
  EXPECT_FALSE(SaveAppearanceStore(store, backend));
  EXPECT_TRUE(backend.values.empty());
  EXPECT_EQ(store[V::BackgroundUseDefault], "1");
  EXPECT_EQ(store[V::FontColorBig], "16711680");
}

}  // namespace
}  // namespace vexlo
