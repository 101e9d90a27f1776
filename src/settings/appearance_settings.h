#pragma once
// The player's colour choices as the Appearance dialog holds them: per group a "Default
// Color" switch and the colours of its panels; conversion from and to the settings store
// and application to a board.

#include <optional>
#include <string_view>

#include "board/board.h"
#include "board/color.h"
#include "settings/appearance_store.h"

namespace vexlo {

enum class AppearanceGroup { Background, Digits, Highlight };

// Colours a group uses while its "Default Color" switch is on.
namespace builtin_appearance {
inline constexpr Color kBackground1 = colors::kWhite;
inline constexpr Color kBackground2 = Rgb(247, 247, 217);  // 14284791
inline constexpr Color kFontFix = colors::kBlack;
inline constexpr Color kFontBig = colors::kBlue;
inline constexpr Color kFontCandidate = colors::kBlack;
inline constexpr Color kHighlight = Rgb(255, 255, 0);  // 65535
}  // namespace builtin_appearance

struct AppearanceSettings {
  bool backgroundDefault = true;
  Color boardColor1 = 0;
  Color boardColor2 = 0;
  bool fontDefault = true;
  Color fontFix = 0;
  Color fontBig = 0;
  Color fontCandidate = 0;
  bool highlightDefault = true;
  Color highlight = 0;

  bool operator==(const AppearanceSettings&) const = default;
};

// A stored colour: a decimal whole number that fits the three colour bytes. Anything else
// (empty, signs, blanks, hex, larger numbers) is not a colour.
std::optional<Color> ParseColorText(std::string_view text);

// The settings the store describes; nothing when one of its colours is not a colour.
// A switch is on only when its flag is exactly "1".
std::optional<AppearanceSettings> SettingsFromStore(const AppearanceStore& store);

// Writes one group of the settings into the store: its flag ("1" or "0") and its colours.
void WriteGroup(const AppearanceSettings& settings, AppearanceGroup group, AppearanceStore& store);

// Re-reads the store from the backend and returns its settings. When a stored colour is
// damaged, every value goes back to its default, in the store and in the backend.
AppearanceSettings ReloadAppearance(AppearanceStore& store, KeyValueStore& backend);

// Sets the board's colour properties from the settings and repaints it showing all
// candidates; the candidate panels of open cells take their cell's background.
void ApplyAppearance(const AppearanceSettings& settings, TPICSD33& board);

}  // namespace vexlo
