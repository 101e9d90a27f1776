#include "core/search_board.h"

#include <bit>

namespace vexlo::search {
namespace {

struct Tables {
  std::uint8_t peers[81][20];
  std::uint8_t unitsOf[81][3];  // row, column, box unit of a cell
  std::uint8_t units[27][9];
  std::uint32_t unitBits[81];   // the three units of a cell as bits of a 27-bit mask
};

constexpr Tables MakeTables() {
  Tables t{};
  for (int i = 0; i < 9; ++i) {
    for (int j = 0; j < 9; ++j) {
      t.units[i][j] = static_cast<std::uint8_t>(9 * i + j);
      t.units[9 + i][j] = static_cast<std::uint8_t>(9 * j + i);
      t.units[18 + i][j] = static_cast<std::uint8_t>(9 * (3 * (i / 3) + j / 3) + 3 * (i % 3) + j % 3);
    }
  }
  for (int a = 0; a < 81; ++a) {
    const int ra = a / 9, ca = a % 9, ba = 3 * (ra / 3) + ca / 3;
    t.unitsOf[a][0] = static_cast<std::uint8_t>(ra);
    t.unitsOf[a][1] = static_cast<std::uint8_t>(9 + ca);
    t.unitsOf[a][2] = static_cast<std::uint8_t>(18 + ba);
    t.unitBits[a] = (1u << ra) | (1u << (9 + ca)) | (1u << (18 + ba));
    int n = 0;
    for (int b = 0; b < 81; ++b) {
      const int rb = b / 9, cb = b % 9, bb = 3 * (rb / 3) + cb / 3;
      if (a != b && (ra == rb || ca == cb || ba == bb)) t.peers[a][n++] = static_cast<std::uint8_t>(b);
    }
  }
  return t;
}

constexpr Tables kTables = MakeTables();

constexpr std::array<std::uint8_t, 512> MakeBitCounts() {
  std::array<std::uint8_t, 512> n{};
  for (int m = 1; m < 512; ++m) n[m] = static_cast<std::uint8_t>(n[m >> 1] + (m & 1));
  return n;
}

// Portable builds have no popcount instruction; a table is faster than the library call.
constexpr std::array<std::uint8_t, 512> kBitCount = MakeBitCounts();

}  // namespace

int DigitOfBit(Mask bit) { return std::countr_zero(static_cast<unsigned>(bit)) + 1; }

void Board::Reset() {
  cand.fill(kAllDigits);
  placed.fill(0);
  open[0] = ~std::uint64_t{0};
  open[1] = (std::uint64_t{1} << 17) - 1;
  remaining = 81;
  dirty = (1u << 27) - 1;
}

bool Board::Place(int cell, Mask bit) {
  // Pending placements: the first one, each cell at most once as a naked single, and the
  // emptied peers of the last placement (which end the call).
  std::uint8_t cells[128];
  Mask bits[128];
  int top = 0;
  std::uint32_t touched = 0;  // kept in a register, stored once
  cells[top] = static_cast<std::uint8_t>(cell);
  bits[top++] = bit;
  while (top > 0) {
    --top;
    const int c = cells[top];
    const Mask b = bits[top];
    if (!IsOpen(c)) {
      if (cand[c] != b) return false;
      continue;
    }
    const std::uint8_t* u = kTables.unitsOf[c];
    if (((placed[u[0]] | placed[u[1]] | placed[u[2]]) & b) || !(cand[c] & b)) {
      dirty |= touched;
      return false;
    }
    placed[u[0]] |= b;
    placed[u[1]] |= b;
    placed[u[2]] |= b;
    cand[c] = b;
    touched |= kTables.unitBits[c];
    open[c >> 6] &= ~(std::uint64_t{1} << (c & 63));
    --remaining;
    // Branch-free: most peers do not hold the digit, and mispredictions cost more than
    // the unconditional stores.
    bool emptied = false;
    for (std::uint8_t p : kTables.peers[c]) {
      const Mask m = cand[p];
      const Mask left = static_cast<Mask>(m & ~b);
      const bool changed = (m & b) != 0;
      cand[p] = left;
      emptied |= changed & (left == 0);
      touched |= changed ? kTables.unitBits[p] : 0u;
      cells[top] = p;
      bits[top] = left;
      top += changed & ((left & (left - 1)) == 0);
    }
    if (emptied) {
      dirty |= touched;
      return false;
    }
  }
  dirty |= touched;
  return true;
}

bool Board::Restrict(int cell, Mask mask) {
  return (cand[cell] & mask) != 0 && Eliminate(cell, static_cast<Mask>(kAllDigits & ~mask));
}

bool Board::Propagate() {
  for (;;) {
    if (!HiddenSingles()) return false;
    if (remaining == 0) return true;
    bool changed = false;
    if (!LockedCandidates(changed)) return false;
    if (!changed) return true;
  }
}

bool Board::HiddenSingles() {
  while (dirty) {
    const int u = std::countr_zero(dirty);
    dirty &= dirty - 1;
    const std::uint8_t* cells = kTables.units[u];
    Mask once = 0, twice = 0;
    for (int i = 0; i < 9; ++i) {
      const Mask m = cand[cells[i]];
      twice |= once & m;
      once |= m;
    }
    if (once != kAllDigits) return false;
    Mask hidden = static_cast<Mask>(once & ~twice & ~placed[u]);
    while (hidden) {
      const Mask b = static_cast<Mask>(hidden & -hidden);
      hidden ^= b;
      int where = -1;
      for (int i = 0; i < 9; ++i) {
        if (cand[cells[i]] & b) where = cells[i];
      }
      if (where < 0 || !Place(where, b)) return false;
    }
  }
  return true;
}

bool Board::Eliminate(int cell, Mask digits) {
  const Mask m = cand[cell];
  if (!(m & digits)) return true;
  if (!IsOpen(cell)) return false;
  const Mask left = static_cast<Mask>(m & ~digits);
  if (left == 0) return false;
  if ((left & (left - 1)) == 0) return Place(cell, left);
  cand[cell] = left;
  dirty |= kTables.unitBits[cell];
  return true;
}

bool Board::LockedCandidates(bool& changed) {
  // A segment is the three cells where a row (or column) crosses a box.
  Mask rowSeg[9][3], colSeg[9][3];
  for (int r = 0; r < 9; ++r) {
    for (int s = 0; s < 3; ++s) {
      const int c = 9 * r + 3 * s;
      rowSeg[r][s] = cand[c] | cand[c + 1] | cand[c + 2];
      const int d = 27 * s + r;  // column r, rows 3s..3s+2
      colSeg[r][s] = cand[d] | cand[d + 9] | cand[d + 18];
    }
  }
  for (int line = 0; line < 9; ++line) {
    const int band = 3 * (line / 3), l1 = band + (line + 1) % 3, l2 = band + (line + 2) % 3;
    for (int s = 0; s < 3; ++s) {
      const int s1 = (s + 1) % 3, s2 = (s + 2) % 3;
      // Row `line`, box in stack s.
      Mask lineRest = rowSeg[line][s1] | rowSeg[line][s2];
      Mask boxRest = rowSeg[l1][s] | rowSeg[l2][s];
      Mask pointing = rowSeg[line][s] & ~boxRest & lineRest;
      Mask claiming = rowSeg[line][s] & ~lineRest & boxRest;
      if (pointing | claiming) {
        changed = true;
        for (int i = 0; i < 3; ++i) {
          if (!Eliminate(9 * line + 3 * s1 + i, pointing) || !Eliminate(9 * line + 3 * s2 + i, pointing) ||
              !Eliminate(9 * l1 + 3 * s + i, claiming) || !Eliminate(9 * l2 + 3 * s + i, claiming))
            return false;
        }
      }
      // Column `line`, box in band s.
      lineRest = colSeg[line][s1] | colSeg[line][s2];
      boxRest = colSeg[l1][s] | colSeg[l2][s];
      pointing = colSeg[line][s] & ~boxRest & lineRest;
      claiming = colSeg[line][s] & ~lineRest & boxRest;
      if (pointing | claiming) {
        changed = true;
        for (int i = 0; i < 3; ++i) {
          if (!Eliminate(9 * (3 * s1 + i) + line, pointing) || !Eliminate(9 * (3 * s2 + i) + line, pointing) ||
              !Eliminate(9 * (3 * s + i) + l1, claiming) || !Eliminate(9 * (3 * s + i) + l2, claiming))
            return false;
        }
      }
    }
  }
  return true;
}

bool Board::Load(std::string_view givens) {
  Reset();
  for (int i = 0; i < 81 && i < static_cast<int>(givens.size()); ++i) {
    const char ch = givens[i];
    if (ch < '1' || ch > '9') continue;
    const Mask b = BitOf(ch - '0');
    if (!IsOpen(i) ? cand[i] != b : !Place(i, b)) return false;
  }
  return Propagate();
}

std::string Board::Text() const {
  std::string out(81, '0');
  for (int i = 0; i < 81; ++i) {
    if (!IsOpen(i)) out[i] = static_cast<char>('0' + DigitOfBit(cand[i]));
  }
  return out;
}

namespace {

struct Counter {
  int limit;
  int found = 0;
  Board* first;
  bool backwards;  // which end of the grid the cell choice starts from
  long budget;     // guesses left before this attempt gives up
};

// The open cell with the fewest candidates; among equals the first in row-major order, or
// the last one when `backwards`.
int BestCell(const Board& b, bool backwards) {
  int best = -1, bestCount = 10;
  for (int w = 0; w < 2; ++w) {
    const int word = backwards ? 1 - w : w;
    std::uint64_t bits = b.open[word];
    while (bits) {
      const int bit = backwards ? 63 - std::countl_zero(bits) : std::countr_zero(bits);
      bits &= ~(std::uint64_t{1} << bit);
      const int cell = 64 * word + bit;
      const int n = kBitCount[b.cand[cell]];
      if (n < bestCount) {
        best = cell;
        bestCount = n;
        if (n <= 2) return best;
      }
    }
  }
  return best;
}

// False when the budget ran out before the count was decided.
bool Count(Board& b, Counter& counter) {
  if (b.remaining == 0) {
    if (counter.found++ == 0 && counter.first) *counter.first = b;
    return true;
  }
  if (--counter.budget < 0) return false;
  const int cell = BestCell(b, counter.backwards);
  Mask rest = b.cand[cell];
  while (rest) {
    const Mask bit = static_cast<Mask>(rest & -rest);
    rest ^= bit;
    if (rest == 0) {
      // Last candidate: no need to keep the board.
      return !(b.Place(cell, bit) && b.Propagate()) || Count(b, counter);
    }
    Board next = b;
    if (next.Place(cell, bit) && next.Propagate() && !Count(next, counter)) return false;
    if (counter.found >= counter.limit) return true;
  }
  return true;
}

}  // namespace

// A depth-first search sometimes sinks into a large branch without a solution that another
// cell order would have left at once. The search therefore runs with a guess budget,
// alternating between two cell orders and doubling the budget after each pair of attempts;
// any attempt that ends decides the count, so the result never depends on the order. The
// first budget covers every puzzle of the public hard sets in one attempt.
int CountSolutions(const Board& board, int limit, Board* first) {
  for (long budget = 2048;; budget *= 2) {
    for (bool backwards : {false, true}) {
      Counter counter{limit, 0, first, backwards, budget};
      Board work = board;
      if (Count(work, counter)) return counter.found;
    }
  }
}

Board ExtremeSolution(const Board& board, const Board& witness, Extreme order) {
  Board state = board;
  Board best = witness;
  for (int step = 0; step < 81; ++step) {
    const int cell = order.reverseCells ? 80 - step : step;
    if (!state.IsOpen(cell)) continue;
    for (;;) {
      // Candidates that come before the witness's digit in the wanted order.
      const Mask have = best.cand[cell];
      const Mask before =
          order.largestDigit ? static_cast<Mask>(kAllDigits & ~((have << 1) - 1)) : static_cast<Mask>(have - 1);
      if (!(state.cand[cell] & before)) break;
      Board trial = state;
      Board found;
      if (!trial.Restrict(cell, before) || !trial.Propagate() || CountSolutions(trial, 1, &found) == 0) break;
      best = found;
    }
    // `best` extends `state`, so this cannot fail.
    state.Place(cell, best.cand[cell]);
    state.Propagate();
  }
  return best;
}

}  // namespace vexlo::search
