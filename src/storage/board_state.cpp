#include "storage/board_state.h"

namespace vexlo {

namespace {

// Spaces and control characters, removed at both ends of the rest of the text.
bool IsTrimmed(char ch) { return static_cast<unsigned char>(ch) <= ' '; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string WriteBoardState(const TPICSD33& board) {
  std::string text;
  text.reserve(890);
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const TPicNode& cell = board.cell(row, col);
      text += std::to_string(static_cast<int>(cell.state));
      text += cell.digits;
      if (row != 9 || col != 9) text += ',';
    }
  }
  return text;
}

std::string BoardStateReadResult::Message() const {
  if (ok) return {};
  std::string cell;
  cell += static_cast<char>('A' + row - 1);
  cell += static_cast<char>('0' + col);
  return "Cannot read the board state: cell " + cell + " holds \"" + token + "\".";
}

BoardStateReadResult ReadBoardState(TPICSD33& board, std::string_view text) {
  std::string_view rest = text;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      std::string_view token;
      const std::size_t comma = rest.find(',');
      if (comma != std::string_view::npos) {
        token = rest.substr(0, comma);
        rest = Trim(rest.substr(comma + 1));
      } else {
        // No comma left: every remaining cell reads this same token.
        token = Trim(rest);
      }
      TPicNode& cell = board.cell(row, col);
      cell.digits = std::string(token.empty() ? token : token.substr(1));
      // A state other than 1, 2 or 3 would leave a cell that no part of the game can
      // handle, so it fails like any other unreadable token.
      if (token.empty() || token.front() < '1' || token.front() > '3') {
        board.Touch();
        return {false, row, col, std::string(token)};
      }
      cell.state = static_cast<CellState>(token.front() - '0');
    }
  }
  board.Touch();
  return {};
}

}  // namespace vexlo
