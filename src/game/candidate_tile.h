#pragma once
// What the main window knows of the candidate tile, the small window that edits the digits
// of one open cell.

namespace vexlo {

struct TileState {
  bool visible = false;   // the tile window is shown
  bool tileOpen = false;  // a click on a cell first closes the tile and does nothing else
  int tileRow = 0;
  int tileCol = 0;
};

}  // namespace vexlo
