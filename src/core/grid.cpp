#include "core/grid.h"

namespace vexlo {
namespace {

struct Tables {
  std::array<PeerList, kCellCount> peers{};
  std::array<UnitList, 27> units{};

  Tables() {
    for (int i = 0; i < 9; ++i) {
      for (int j = 0; j < 9; ++j) {
        units[i][j] = static_cast<std::uint8_t>(9 * i + j);                       // row i+1
        units[9 + i][j] = static_cast<std::uint8_t>(9 * j + i);                   // column i+1
        const int r = 3 * (i / 3) + j / 3, c = 3 * (i % 3) + j % 3;               // box i+1
        units[18 + i][j] = static_cast<std::uint8_t>(9 * r + c);
      }
    }
    for (int a = 0; a < kCellCount; ++a) {
      int n = 0;
      for (int b = 0; b < kCellCount; ++b) {
        const bool sameRow = a / 9 == b / 9, sameCol = a % 9 == b % 9;
        const bool sameBox = BoxOf(RowOfIndex(a), ColOfIndex(a)) == BoxOf(RowOfIndex(b), ColOfIndex(b));
        if (a != b && (sameRow || sameCol || sameBox)) peers[a][n++] = static_cast<std::uint8_t>(b);
      }
    }
  }
};

const Tables& GridTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

const PeerList& PeersOf(int index) { return GridTables().peers[index]; }

const std::array<UnitList, 27>& Units() { return GridTables().units; }

bool IsPuzzleString(std::string_view s) {
  if (s.size() != kCellCount) return false;
  for (char ch : s) {
    if (ch < '0' || ch > '9') return false;
  }
  return true;
}

bool IsValidSolution(std::string_view s) {
  if (s.size() != kCellCount) return false;
  for (char ch : s) {
    if (DigitOf(ch) == 0) return false;
  }
  for (const UnitList& unit : Units()) {
    unsigned seen = 0;
    for (std::uint8_t cell : unit) seen |= 1u << DigitOf(s[cell]);
    if (seen != 0x3FEu) return false;
  }
  return true;
}

bool IsBankLineText(std::string_view s) {
  if (s.size() != kCellCount) return false;
  for (char ch : s) {
    if (DigitOf(ch) == 0 && (ch < 'A' || ch > 'I')) return false;
  }
  return true;
}

std::string BankLinePuzzle(std::string_view line) {
  std::string out(line);
  for (char& ch : out) {
    if (ch >= 'A' && ch <= 'I') ch = '0';
  }
  return out;
}

std::string BankLineSolution(std::string_view line) {
  std::string out(line);
  for (char& ch : out) {
    if (ch >= 'A' && ch <= 'I') ch = static_cast<char>('1' + (ch - 'A'));
  }
  return out;
}

std::string MakeBankLine(std::string_view puzzle, std::string_view solution) {
  std::string out(solution);
  for (std::size_t i = 0; i < out.size() && i < puzzle.size(); ++i) {
    if (DigitOf(puzzle[i]) == 0) out[i] = static_cast<char>('A' + (solution[i] - '1'));
  }
  return out;
}

std::string_view TrimText(std::string_view s) {
  auto blank = [](char ch) { return static_cast<unsigned char>(ch) <= ' ' || ch == '\x7f'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace vexlo
