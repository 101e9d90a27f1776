#include "core/puzzle_holder.h"

#include <utility>

#include "core/grid.h"

namespace vexlo {

TQJ::TQJ() : own_(RandomEngine::ClockSeed()) {
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      node(r, c).row = r;
      node(r, c).col = c;
    }
  }
}

LoadError TQJ::LoadBankLine(std::string_view line) {
  if (line.size() != kCellCount) return LoadError::BadLength;
  if (!IsBankLineText(line)) return LoadError::BadCharacter;
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      const char ch = line[CellIndex(r, c)];
      TNode& n = node(r, c);
      n.row = r;
      n.col = c;
      n.given = DigitOf(ch) != 0;
      n.value = n.given ? DigitOf(ch) : ch - 'A' + 1;
    }
  }
  Shuffle(200);
  return LoadError::None;
}

void TQJ::Shuffle(int n) {
  RandomSource& rng = Random();
  for (int step = 0; step < n; ++step) {
    const int t = rng.Uniform(1, 7);
    const int a = rng.Uniform(1, 3);
    int b = rng.Uniform(1, 2);
    if (a == 1) b = b + 1;
    if (a == 2 && b == 2) b = 3;
    if (t <= 3) {
      SwapColumns(3 * (t - 1) + a, 3 * (t - 1) + b);
    } else if (t <= 6) {
      SwapRows(3 * (t - 4) + a, 3 * (t - 4) + b);
    } else {
      const int x = rng.Uniform(1, 9);
      int y = rng.Uniform(1, 9);
      if (y == x) y = x == 9 ? 1 : x + 1;
      ExchangeDigits(x, y);
    }
  }
}

void TQJ::SwapColumns(int c1, int c2) {
  for (int r = 1; r <= 9; ++r) {
    std::swap(node(r, c1).value, node(r, c2).value);
    std::swap(node(r, c1).given, node(r, c2).given);
  }
}

void TQJ::SwapRows(int r1, int r2) {
  for (int c = 1; c <= 9; ++c) {
    std::swap(node(r1, c).value, node(r2, c).value);
    std::swap(node(r1, c).given, node(r2, c).given);
  }
}

void TQJ::ExchangeDigits(int x, int y) {
  for (auto& row : nodes_) {
    for (TNode& n : row) {
      if (n.value == x) {
        n.value = y;
      } else if (n.value == y) {
        n.value = x;
      }
    }
  }
}

std::string TQJ::GetSolution() const {
  std::string out;
  out.reserve(kCellCount);
  for (const auto& row : nodes_) {
    for (const TNode& n : row) {
      if (n.value < 1 || n.value > 9) return {};
      out += static_cast<char>('0' + n.value);
    }
  }
  return out;
}

std::string TQJ::GetPuzzle() const {
  std::string out;
  out.reserve(kCellCount);
  for (const auto& row : nodes_) {
    for (const TNode& n : row) {
      out += n.given && n.value >= 1 && n.value <= 9 ? static_cast<char>('0' + n.value) : '0';
    }
  }
  return out;
}

void TQJ::ClearValues() {
  for (auto& row : nodes_) {
    for (TNode& n : row) n.value = 0;
  }
}

LoadError TQJ::AcceptText(std::string_view& s) {
  s = TrimText(s);
  if (s.size() != kCellCount) {
    ClearValues();
    return LoadError::BadLength;
  }
  return IsPuzzleString(s) ? LoadError::None : LoadError::BadCharacter;
}

LoadError TQJ::LoadPuzzle(std::string_view s) {
  const LoadError error = AcceptText(s);
  if (error != LoadError::None) return error;
  ClearValues();
  for (int i = 0; i < kCellCount; ++i) {
    TNode& n = node(RowOfIndex(i), ColOfIndex(i));
    n.value = s[i] - '0';
    n.given = n.value != 0;
  }
  return LoadError::None;
}

LoadError TQJ::LoadSolution(std::string_view s) {
  const LoadError error = AcceptText(s);
  if (error != LoadError::None) return error;
  for (int i = 0; i < kCellCount; ++i) node(RowOfIndex(i), ColOfIndex(i)).value = s[i] - '0';
  return LoadError::None;
}

}  // namespace vexlo
