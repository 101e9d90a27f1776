#include "settings/appearance_sample.h"

#include <array>
#include <string_view>

namespace vexlo {

namespace {

// "(d)" a fixed digit, "d*" a big number, anything else the candidates of an open cell.
constexpr std::array<std::array<std::string_view, 9>, 9> kSample = {{
    {"48", "(1)", "5*", "(6)", "2*", "(9)", "48", "3*", "(7)"},
    {"4689", "48", "(3)", "(7)", "48", "5*", "(2)", "1469", "1468"},
    {"246789", "2478", "2679", "148", "(3)", "148", "5*", "1469", "1468"},
    {"2467", "3*", "1267", "489", "4789", "4678", "147", "1467", "(5)"},
    {"467", "47", "(8)", "5*", "(1)", "467", "(3)", "(2)", "9*"},
    {"5*", "(9)", "167", "3*", "47", "(2)", "147", "(8)", "146"},
    {"3*", "(6)", "79", "(2)", "(5)", "1478", "14789", "1479", "148"},
    {"(1)", "5*", "79", "489", "(6)", "3*", "4789", "479", "(2)"},
    {"2789", "278", "(4)", "189", "789", "178", "6*", "(5)", "(3)"},
}};

bool IsFixedEntry(std::string_view entry) { return entry.front() == '('; }

}  // namespace

void FillAppearanceSample(TPICSD33& board) {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      std::string_view entry = kSample[row - 1][col - 1];
      TPicNode& cell = board.cell(row, col);
      cell.isError = false;
      if (IsFixedEntry(entry)) {
        cell.state = CellState::Fixed;
        cell.digits = std::string(entry.substr(1, 1));
      } else {
        cell.digits = std::string(entry.substr(0, entry.find('*')));
        cell.state = cell.digits.size() == 1 ? CellState::BigNumber : CellState::Open;
      }
    }
  }
  board.PaintAll();
}

void HighlightAppearanceSample(TPICSD33& board) {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      TPicNode& cell = board.cell(row, col);
      if (cell.digits == "5") cell.background = board.highcolor;
    }
  }
  board.Touch();
}

}  // namespace vexlo
