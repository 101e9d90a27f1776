#pragma once
// The appearance settings store: nine text values, named as in the settings backend, that
// say which board colours the player chose. The store is read from and written to the
// backend as a whole.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/key_value_store.h"

namespace vexlo {

// The nine values in the order they are read and written.
enum class AppearanceValue : std::size_t {
  BackgroundUseDefault,
  BoardColor1,
  BoardColor2,
  FontUseDefault,
  FontColorFix,
  FontColorBig,
  FontColorCandidate,
  HighlightUseDefault,
  HighlightColor,
};
inline constexpr std::size_t kAppearanceValueCount = 9;

// Names of the values in the backend; other tools and older versions read these names.
inline constexpr std::array<std::string_view, kAppearanceValueCount> kAppearanceValueNames = {
    "reg_board_background_use_default",
    "reg_Board_color1",
    "reg_Board_color2",
    "reg_Font_use_default",
    "reg_Font_color_Fix",
    "reg_Font_color_Big",
    "reg_Font_color_Candidate",
    "reg_HighLight_use_default",
    "reg_HighLight_color",
};

// What SetDefaultAppearance writes, in the same order.
inline constexpr std::array<std::string_view, kAppearanceValueCount> kAppearanceDefaults = {
    "1", "13891060", "13891060", "1", "0", "16711680", "0", "1", "65535",
};

struct AppearanceStore {
  std::array<std::string, kAppearanceValueCount> values;

  std::string& operator[](AppearanceValue v) { return values[static_cast<std::size_t>(v)]; }
  const std::string& operator[](AppearanceValue v) const {
    return values[static_cast<std::size_t>(v)];
  }
};

// Writes the default of every value into the store (not into the backend).
void SetDefaultAppearance(AppearanceStore& store);

// Backend -> store. A missing backend, or one without the background flag, gets the
// defaults written to it. Other missing values read as the empty text.
void LoadAppearanceStore(AppearanceStore& store, KeyValueStore& backend);

// Store -> backend. False when the backend cannot be written (the player is not told).
bool SaveAppearanceStore(const AppearanceStore& store, KeyValueStore& backend);

}  // namespace vexlo
