#pragma once
// The hint engine's view of the grid: its own cell numbering, candidate masks and the fixed
// tables every technique shares.
//
// Engine index k = 9r + p, r the row (0..8, board rows A..I) and p a position that
// interleaves the columns: positions 0..8 are board columns 1, 4, 7, 2, 5, 8, 3, 6, 9.
// So p % 3 is the box column and p / 3 the column inside the box, and every unit is an
// arithmetic run of nine indexes (first, step):
//   row r       (9r, 1)
//   column p    (p, 9)
//   box (b, c)  (27b + c, 3)   b the band, c the box column; box number 3b + c

#include <array>
#include <bit>
#include <cstdint>

namespace vexlo::hints {

using Mask = std::uint16_t;  // bit d - 1 set: digit d is a candidate

inline constexpr Mask kAllDigits = 0x1FF;
inline constexpr int kCells = 81;

constexpr Mask DigitBit(int d) { return static_cast<Mask>(1u << (d - 1)); }
constexpr bool Holds(Mask m, int d) { return (m & DigitBit(d)) != 0; }
constexpr int BitCount(Mask m) { return std::popcount(static_cast<unsigned>(m)); }
// The lowest digit of a non-empty mask.
constexpr int LowestDigit(Mask m) { return std::countr_zero(static_cast<unsigned>(m)) + 1; }

constexpr int RowOf(int k) { return k / 9; }
constexpr int PosOf(int k) { return k % 9; }
constexpr int BandOf(int k) { return k / 27; }
constexpr int BoxColOf(int k) { return k % 3; }
constexpr int BoxOfIndex(int k) { return 3 * BandOf(k) + BoxColOf(k); }
constexpr int BoxFirst(int box) { return 27 * (box / 3) + box % 3; }

// Board column (1..9) of position p, and back.
constexpr int BoardColOfPos(int p) { return 3 * (p % 3) + p / 3 + 1; }
constexpr int PosOfBoardCol(int col) { return 3 * ((col - 1) % 3) + (col - 1) / 3; }
// Engine index of board cell (row, col), both 1-based.
constexpr int IndexOfBoardCell(int row, int col) { return 9 * (row - 1) + PosOfBoardCol(col); }

constexpr bool SameBox(int a, int b) {
  return BandOf(a) == BandOf(b) && BoxColOf(a) == BoxColOf(b);
}
constexpr bool ArePeers(int a, int b) {
  return a != b && (RowOf(a) == RowOf(b) || PosOf(a) == PosOf(b) || SameBox(a, b));
}

// A set of cells as a 81-bit map, for the quick set tests of the chain search.
struct CellSet {
  std::uint64_t lo = 0;  // cells 0..63
  std::uint64_t hi = 0;  // cells 64..80

  constexpr void Add(int k) {
    if (k < 64) {
      lo |= std::uint64_t{1} << k;
    } else {
      hi |= std::uint64_t{1} << (k - 64);
    }
  }
  constexpr bool Empty() const { return (lo | hi) == 0; }
  friend constexpr CellSet operator&(CellSet a, CellSet b) { return {a.lo & b.lo, a.hi & b.hi}; }
};

// The 20 peers of every cell in ascending engine order, and the same as cell sets.
struct PeerTables {
  std::array<std::array<std::uint8_t, 20>, kCells> list{};
  std::array<CellSet, kCells> set{};
};

constexpr PeerTables BuildPeerTables() {
  PeerTables t;
  for (int k = 0; k < kCells; ++k) {
    int n = 0;
    for (int q = 0; q < kCells; ++q) {
      if (ArePeers(k, q)) {
        t.list[k][n++] = static_cast<std::uint8_t>(q);
        t.set[k].Add(q);
      }
    }
  }
  return t;
}

inline constexpr PeerTables kPeers = BuildPeerTables();

}  // namespace vexlo::hints
