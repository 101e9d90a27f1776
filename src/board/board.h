#pragma once
// The board model: 81 cells with their game state (state, digits, flags) and the view state
// that the repaint operations compute (captions, fonts, colours, visible candidate panels).
// A Qt widget draws the view state; nothing here knows about widgets.

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "board/cell.h"
#include "board/color.h"

namespace vexlo {

// The boards of the program differ only in their display settings.
enum class BoardPreset { Default, MainWindow, ImportCreate, Solution };

class TPICSD33 {
 public:
  explicit TPICSD33(BoardPreset preset = BoardPreset::Default);

  // Display settings (published properties).
  Color UNFoucsColor1;  // boxes 1, 3, 5, 7, 9
  Color UNFoucsColor2;  // boxes 2, 4, 6, 8
  int FONTSize1;        // fixed digit
  int FONTSize2;        // big number
  int FONTSize3;        // candidates
  Color FONTColor1;
  Color FONTColor2;
  Color FONTColor3;
  int nd = 0;  // Level of the puzzle on the board (0..5)
  Color errorcolor;
  Color highcolor;
  std::string FontName;    // font of the cells' captions (candidate panels keep their own)
  bool outerBevelLowered;  // the main window's board sits in a lowered frame

  // Font of the candidate panels, which do not take the board's font.
  static constexpr const char* kPanelFontName = "Tahoma";

  // Cells, 1-based row and column.
  TPicNode& cell(int row, int col) { return cells_[Index(row, col)]; }
  const TPicNode& cell(int row, int col) const { return cells_[Index(row, col)]; }

  // Geometry of the cells inside the 422 x 422 board.
  static constexpr int kBoardSize = 422;
  static constexpr int kCellSize = 46;
  static int CellLeft(int col);  // 2, 48, 94, 142, ...
  static int CellTop(int row) { return CellLeft(row); }

  static int BoxOf(int row, int col);
  Color BoxColor(int row, int col) const;

  // The 20 cells sharing a row, column or box with (row, col), row-major, as (row, col) pairs.
  using Peers = std::array<std::pair<int, int>, 20>;
  static const Peers& PeersOf(int row, int col);
  // Fixed digit or big number.
  static bool IsPlaced(const TPicNode& c) { return c.state != CellState::Open; }

  // Hover flag of a cell (digit 0) or of one of its candidate panels (digit 1..9). Returns
  // whether it changed; only a change needs a repaint.
  bool SetEnter(int row, int col, int digit, bool on);

  void LayoutCells();
  void PaintAll();
  void PaintPencil();
  void PaintFiltered(const std::string& filter);
  void PaintAllCands();
  void PaintDigitCands(int digit);
  void HideOpenCands();
  std::string FreeDigits(int row, int col) const;
  std::string ReduceCands(int row, int col) const;
  static std::string RemoveChars(std::string s, const std::string& chars);
  void RemoveFromPeers(int row, int col);
  void RestoreToPeers(int row, int col, const std::string& t);
  void FindConflict();
  bool HasError() const;
  bool IsSolved();
  std::string GetPuzzleString() const;

  // Bumped by every change of what the board shows; a widget repaints when it moved.
  std::uint64_t revision() const { return revision_; }
  void Touch() { ++revision_; }

 private:
  static int Index(int row, int col) { return (row - 1) * 9 + (col - 1); }
  void ApplyPreset(BoardPreset preset);
  // Background and caption as the pencil view lays them down (also the filtered views).
  void PaintBaseOf(TPicNode& c) const;
  // Caption and font of a fixed digit or a big number.
  void PaintPlacedOf(TPicNode& c) const;
  template <class ShowsCands>
  void PaintCandidates(ShowsCands shows);

  std::array<TPicNode, 81> cells_;
  std::uint64_t revision_ = 0;
};

}  // namespace vexlo
