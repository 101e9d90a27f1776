#pragma once
// Grid conventions shared by every part of the game: 1-based rows and columns, row-major
// walks, boxes numbered 1..9 row-major, the 20 peers of a cell, and the three 81-character
// puzzle texts (puzzle, solution, bank line).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vexlo {

inline constexpr int kGridSize = 9;
inline constexpr int kCellCount = 81;
inline constexpr int kPeerCount = 20;

// Box number 1..9 of a cell, row-major; 0 when row or column is outside 1..9.
constexpr int BoxOf(int row, int col) {
  if (row < 1 || row > 9 || col < 1 || col > 9) return 0;
  return 3 * ((row - 1) / 3) + ((col - 1) / 3) + 1;
}

// Zero-based position 0..80 of cell (row, col) in an 81-character text.
constexpr int CellIndex(int row, int col) { return 9 * (row - 1) + (col - 1); }
constexpr int RowOfIndex(int index) { return index / 9 + 1; }
constexpr int ColOfIndex(int index) { return index % 9 + 1; }

// The 20 cells sharing a row, column or box with the cell at `index` (0..80), ascending.
using PeerList = std::array<std::uint8_t, kPeerCount>;
const PeerList& PeersOf(int index);
inline const PeerList& PeersOf(int row, int col) { return PeersOf(CellIndex(row, col)); }

// The 27 units (rows 1..9, columns 1..9, boxes 1..9 in this order) as cell indices.
using UnitList = std::array<std::uint8_t, kGridSize>;
const std::array<UnitList, 27>& Units();

// Digit value of "1".."9", else 0.
constexpr int DigitOf(char ch) { return ch >= '1' && ch <= '9' ? ch - '0' : 0; }

// "1".."9" givens, "0" empty.
bool IsPuzzleString(std::string_view s);
// 81 digits "1".."9" forming a complete grid with no digit twice in a unit.
bool IsValidSolution(std::string_view s);
// 81 characters, each "1".."9" (a given) or "A".."I" (an empty cell and its solution).
bool IsBankLineText(std::string_view s);

// Pieces of a bank line; both expect IsBankLineText.
std::string BankLinePuzzle(std::string_view line);    // letters become "0"
std::string BankLineSolution(std::string_view line);  // letters become their digit
// A bank line from a puzzle and its solution (same length 81, givens agree).
std::string MakeBankLine(std::string_view puzzle, std::string_view solution);

// Removes leading and trailing white space and control characters.
std::string_view TrimText(std::string_view s);

}  // namespace vexlo
