#pragma once
// What the main window knows of the candidate tile, the small window that edits the digits
// of one open cell.

#include <array>

namespace vexlo {

// Key codes the tile understands; any other code only writes the buttons into the cell.
inline constexpr int kTileKeyEscape = 27;
inline constexpr int kTileKey1 = '1';  // '1'..'9': the digit keys of the main keyboard

struct TileState {
  bool visible = false;   // the tile window is shown
  bool tileOpen = false;  // a click on a cell first closes the tile and does nothing else
  int tileRow = 0;
  int tileCol = 0;
  std::array<bool, 9> down{};  // A1 .. A9
};

}  // namespace vexlo
