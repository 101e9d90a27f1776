#include "settings/appearance_settings.h"

#include <charconv>
#include <string>

namespace vexlo {

std::optional<Color> ParseColorText(std::string_view text) {
  constexpr Color kLargest = 0xFFFFFF;
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  unsigned long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > kLargest) {
    return std::nullopt;
  }
  return static_cast<Color>(value);
}

std::optional<AppearanceSettings> SettingsFromStore(const AppearanceStore& store) {
  using V = AppearanceValue;
  auto flag = [&](V v) { return store[v] == "1"; };
  bool damaged = false;
  auto color = [&](V v) {
    auto c = ParseColorText(store[v]);
    if (!c) damaged = true;
    return c.value_or(0);
  };
  AppearanceSettings s;
  s.backgroundDefault = flag(V::BackgroundUseDefault);
  s.boardColor1 = color(V::BoardColor1);
  s.boardColor2 = color(V::BoardColor2);
  s.fontDefault = flag(V::FontUseDefault);
  s.fontFix = color(V::FontColorFix);
  s.fontBig = color(V::FontColorBig);
  s.fontCandidate = color(V::FontColorCandidate);
  s.highlightDefault = flag(V::HighlightUseDefault);
  s.highlight = color(V::HighlightColor);
  if (damaged) return std::nullopt;
  return s;
}

void WriteGroup(const AppearanceSettings& s, AppearanceGroup group, AppearanceStore& store) {
  using V = AppearanceValue;
  auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
  auto text = [](Color c) { return std::to_string(c); };
  switch (group) {
    case AppearanceGroup::Background:
      store[V::BackgroundUseDefault] = flag(s.backgroundDefault);
      store[V::BoardColor1] = text(s.boardColor1);
      store[V::BoardColor2] = text(s.boardColor2);
      break;
    case AppearanceGroup::Digits:
      store[V::FontUseDefault] = flag(s.fontDefault);
      store[V::FontColorFix] = text(s.fontFix);
      store[V::FontColorBig] = text(s.fontBig);
      store[V::FontColorCandidate] = text(s.fontCandidate);
      break;
    case AppearanceGroup::Highlight:
      store[V::HighlightUseDefault] = flag(s.highlightDefault);
      store[V::HighlightColor] = text(s.highlight);
      break;
  }
}

AppearanceSettings ReloadAppearance(AppearanceStore& store, KeyValueStore& backend) {
  LoadAppearanceStore(store, backend);
  if (auto settings = SettingsFromStore(store)) return *settings;
  // A damaged colour resets all nine values rather than keeping the rest: the defaults are
  // a scheme known to be readable, and writing them back heals the backend once.
  SetDefaultAppearance(store);
  SaveAppearanceStore(store, backend);
  return *SettingsFromStore(store);
}

void ApplyAppearance(const AppearanceSettings& s, TPICSD33& board) {
  namespace b = builtin_appearance;
  board.UNFoucsColor1 = s.backgroundDefault ? b::kBackground1 : s.boardColor1;
  board.UNFoucsColor2 = s.backgroundDefault ? b::kBackground2 : s.boardColor2;
  board.FONTColor1 = s.fontDefault ? b::kFontFix : s.fontFix;
  board.FONTColor2 = s.fontDefault ? b::kFontBig : s.fontBig;
  board.FONTColor3 = s.fontDefault ? b::kFontCandidate : s.fontCandidate;
  board.highcolor = s.highlightDefault ? b::kHighlight : s.highlight;
  board.PaintAllCands();
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      TPicNode& cell = board.cell(row, col);
      if (cell.state == CellState::Open) cell.setcolor(cell.background);
    }
  }
  board.Touch();
}

}  // namespace vexlo
