#pragma once
// One board cell: its game state and the view state that the board's repaints compute.

#include <array>
#include <string>

#include "board/color.h"

namespace vexlo {

enum class CellState : int { Fixed = 1, BigNumber = 2, Open = 3 };

// One of the nine 13 x 13 candidate panels of a cell; panel d shows digit d.
struct CandidatePanel {
  bool visible = true;
  Color background = colors::kWhite;
  int fontSize = 10;
  Color fontColor = colors::kMaroon;
  bool isEnter = false;  // hover frame
};

class TPicNode {
 public:
  // Game state.
  int row = 0;
  int col = 0;
  std::string digits;
  CellState state = CellState::BigNumber;
  bool isError = false;
  int isAuto = 0;  // 1 when the program filled in the candidates

  // View state of the cell itself.
  std::string caption = " ";
  Color background = colors::kWhite;
  int fontSize = 25;
  Color fontColor = colors::kBlack;
  bool isEnter = false;  // hover frame

  // Candidate panels, index 0..8 for digits 1..9.
  std::array<CandidatePanel, 9> panels;
  CandidatePanel& panel(int digit) { return panels[digit - 1]; }
  const CandidatePanel& panel(int digit) const { return panels[digit - 1]; }

  void setcolor(Color color);  // background of the nine panels
  void setFontSize(int size);  // font size of the nine panels
  void setFontColor(Color color);
  void Hide();     // hides the nine panels
  void Show();     // shows the nine panels
  void showhxs();  // shows panel d exactly when d occurs in digits
};

}  // namespace vexlo
