#pragma once
// Colours as stored in window definitions and the settings store: the low three bytes are
// red, green and blue, red in the lowest byte (so RGB(244, 46, 11) is 732916).

#include <cstdint>

namespace vexlo {

using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
         (static_cast<Color>(blue) << 16);
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFFu); }

namespace colors {
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kMaroon = Rgb(128, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kAqua = Rgb(0, 255, 255);
constexpr Color kFuchsia = Rgb(255, 0, 255);
}  // namespace colors

}  // namespace vexlo
