#pragma once
// Colour marking: the table of marks that the colour repaint lays over the board, and the
// sixteen colours the player chooses from.

#include <array>

#include "board/color.h"

namespace vexlo {

// The sixteen standard colours of the marking grid, in grid order (4 x 4, row-major).
inline constexpr std::array<Color, 16> kColorGridColors = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
    Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(192, 192, 192),
    Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
    Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};

// The grid entry selected when the window is created: yellow.
inline constexpr int kDefaultMarkingColorIndex = 11;

// One colour per cell (part 0) and per candidate panel (parts 1..9), rows and columns 1..9.
class ColorMarks {
 public:
  // The value that stands for "no mark" (RGB 205, 201, 192).
  static constexpr Color kNoMark = 12634573;

  ColorMarks() { Clear(); }

  Color& at(int row, int col, int part) { return marks_[Index(row, col, part)]; }
  Color at(int row, int col, int part) const { return marks_[Index(row, col, part)]; }
  void Clear() { marks_.fill(kNoMark); }

 private:
  static int Index(int row, int col, int part) { return ((row - 1) * 9 + (col - 1)) * 10 + part; }
  std::array<Color, 9 * 9 * 10> marks_{};
};

}  // namespace vexlo
