#include "core/search_board.h"

#include <bit>

namespace vexlo::search {
namespace {

// Within a band a cell is its position 0..26: 9 * (row in band) + column.
constexpr std::uint32_t kBandCells = (1u << 27) - 1;
constexpr std::uint32_t kRowBits = 0x1FF;

struct Tables {
  // A row of a band (9 bits) -> the boxes of the band it touches (3 bits).
  std::uint8_t boxesOfRow[512];
  // Which row/box meetings of a band (bit 3 * row + box) still hold a digit -> the cells of
  // the meetings that take part in some way of giving each row and each box exactly one
  // cell of the digit. Each such way pairs the three rows with the three boxes one to one.
  std::uint32_t keep[512];
  std::uint32_t rowAndBoxPeers[27];  // same row or same box, the cell itself excluded
  std::uint16_t lone[512];           // a row with exactly one cell -> the row, else 0
  std::uint16_t keepMeets[512];      // as keep, but the meetings themselves (9 bits)
  std::uint16_t spreadColumns[8];    // bit j -> bit 3 * j
  std::uint8_t gatherColumns[512];   // bits 0, 3, 6 -> bits 0, 1, 2
};

constexpr Tables MakeTables() {
  Tables t{};
  for (int row = 0; row < 512; ++row) {
    for (int box = 0; box < 3; ++box) {
      if (row & (7 << (3 * box))) t.boxesOfRow[row] |= static_cast<std::uint8_t>(1 << box);
    }
  }
  constexpr int kPairings[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (int meets = 0; meets < 512; ++meets) {
    std::uint32_t kept = 0;
    for (const auto& boxOf : kPairings) {
      std::uint32_t need = 0;
      for (int row = 0; row < 3; ++row) need |= 1u << (3 * row + boxOf[row]);
      if ((meets & need) == need) kept |= need;
    }
    t.keepMeets[meets] = static_cast<std::uint16_t>(kept);
    for (int bit = 0; bit < 9; ++bit) {
      if (kept & (1u << bit)) t.keep[meets] |= 7u << (9 * (bit / 3) + 3 * (bit % 3));
    }
  }
  for (int a = 0; a < 27; ++a) {
    for (int b = 0; b < 27; ++b) {
      if (a != b && (a / 9 == b / 9 || (a % 9) / 3 == (b % 9) / 3)) t.rowAndBoxPeers[a] |= 1u << b;
    }
  }
  for (int j = 0; j < 8; ++j) {
    t.spreadColumns[j] = static_cast<std::uint16_t>((j & 1) | ((j & 2) << 2) | ((j & 4) << 4));
  }
  for (int m = 0; m < 512; ++m) t.gatherColumns[m] = static_cast<std::uint8_t>((m & 1) | ((m >> 2) & 2) | ((m >> 4) & 4));
  for (int row = 1; row < 512; ++row) t.lone[row] = (row & (row - 1)) == 0 ? static_cast<std::uint16_t>(row) : 0;
  return t;
}

constexpr Tables kTables = MakeTables();

constexpr std::array<std::uint8_t, 512> MakeDigitCounts() {
  std::array<std::uint8_t, 512> n{};
  for (int m = 1; m < 512; ++m) n[m] = static_cast<std::uint8_t>(n[m >> 1] + (m & 1));
  return n;
}

// Portable builds have no popcount instruction; a table is faster than the library call.
constexpr std::array<std::uint8_t, 512> kDigitCount = MakeDigitCounts();

// The columns (9 bits) that a band's cells touch.
constexpr std::uint32_t ColumnsOf(std::uint32_t cells) { return (cells | (cells >> 9) | (cells >> 18)) & kRowBits; }
// The cells of a band in the given columns, in all three rows.
constexpr std::uint32_t InEveryRow(std::uint32_t columns) { return columns | (columns << 9) | (columns << 18); }

}  // namespace

int DigitOfBit(Mask bit) { return std::countr_zero(static_cast<unsigned>(bit)) + 1; }

void Board::Reset() {
  cells_.fill(kBandCells);
  unsolved_.fill(kBandCells);
  dirty_ = 0;
  columnDirty_ = 0;
  remaining_ = 81;
}

bool Board::Load(std::string_view givens) {
  Reset();
  for (int i = 0; i < 81 && i < static_cast<int>(givens.size()); ++i) {
    const char ch = givens[i];
    if (ch >= '1' && ch <= '9' && !PlaceDigit(ch - '1', i / 27, i % 27)) return false;
  }
  return Propagate();
}

Mask Board::Candidates(int cell) const {
  const int band = cell / 27, pos = cell % 27;
  unsigned mask = 0;
  for (int d = 0; d < 9; ++d) mask |= ((cells_[3 * d + band] >> pos) & 1u) << d;
  return static_cast<Mask>(mask);
}

bool Board::Place(int cell, Mask bit) {
  const int band = cell / 27, pos = cell % 27;
  const int d = DigitOfBit(bit) - 1;
  if (!IsOpen(cell)) return ((cells_[3 * d + band] >> pos) & 1) != 0;
  return PlaceDigit(d, band, pos);
}

bool Board::PlaceDigit(int d, int band, int pos) { return PlaceCells(d, band, 1u << pos); }

bool Board::PlaceCells(int d, int band, std::uint32_t placed) {
  std::uint32_t& own = cells_[3 * d + band];
  std::uint32_t peers = 0;
  int count = 0;
  for (std::uint32_t rest = placed; rest; rest &= rest - 1, ++count) {
    peers |= kTables.rowAndBoxPeers[std::countr_zero(rest)];
  }
  // Each cell must still allow the digit, be open, and not see another of the cells.
  if ((own & unsolved_[band] & placed) != placed || (placed & peers)) return false;
  unsolved_[band] &= ~placed;
  remaining_ -= count;
  const std::uint32_t keepOwn = own & ~peers;
  // Only the masks that lose a cell need another look.
  std::uint32_t changed = 0, losers = 0;
  for (int e = 0; e < 9; ++e) {
    std::uint32_t& m = cells_[3 * e + band];
    const bool loses = (m & placed) != 0;
    losers |= static_cast<std::uint32_t>(loses) << e;
    changed |= static_cast<std::uint32_t>(loses) << (3 * e + band);
    m &= ~placed;
  }
  const std::uint32_t columns = InEveryRow(ColumnsOf(placed));
  for (int other : {(band + 1) % 3, (band + 2) % 3}) {
    std::uint32_t& m = cells_[3 * d + other];
    changed |= static_cast<std::uint32_t>((m & columns) != 0) << (3 * d + other);
    m &= ~columns;
  }
  changed &= ~(1u << (3 * d + band));
  changed |= static_cast<std::uint32_t>(keepOwn != own) << (3 * d + band);
  own = keepOwn;
  dirty_ |= changed;
  columnDirty_ |= losers;
  return true;
}

bool Board::Restrict(int cell, Mask mask) {
  const int band = cell / 27, pos = cell % 27;
  const std::uint32_t bit = 1u << pos;
  if ((Candidates(cell) & mask) == 0) return false;
  for (int d = 0; d < 9; ++d) {
    if ((mask >> d) & 1) continue;
    std::uint32_t& m = cells_[3 * d + band];
    if (m & bit) {
      m &= ~bit;
      dirty_ |= 1u << (3 * d + band);
      columnDirty_ |= 1u << d;
    }
  }
  return true;
}

// The band filter of one digit: keeps the cells that some one-to-one pairing of the band's
// rows and boxes can use, then places the digit in rows left with a single cell.
bool Board::FilterBand(int index) {
  const int band = index % 3;
  const std::uint32_t m = cells_[index];
  const std::uint32_t meets = kTables.boxesOfRow[m & kRowBits] |
                              (kTables.boxesOfRow[(m >> 9) & kRowBits] << 3) |
                              (kTables.boxesOfRow[m >> 18] << 6);
  const std::uint32_t kept = m & kTables.keep[meets];
  if (kept == 0) return false;
  if (kept != m) {
    cells_[index] = kept;
    columnDirty_ |= 1u << (index / 3);
  }
  const std::uint32_t singleRows = kTables.lone[kept & kRowBits] | (kTables.lone[(kept >> 9) & kRowBits] << 9) |
                                   (kTables.lone[kept >> 18] << 18);
  const std::uint32_t hits = kept & singleRows & unsolved_[band];
  return !hits || PlaceCells(index / 3, band, hits);
}

bool Board::NakedSingles(bool& placed) {
  for (int band = 0; band < 3; ++band) {
    const std::uint32_t open = unsolved_[band];
    if (!open) continue;
    std::uint32_t once = 0, twice = 0;
    for (int d = 0; d < 9; ++d) {
      const std::uint32_t m = cells_[3 * d + band];
      twice |= once & m;
      once |= m;
    }
    if (open & ~once) return false;
    std::uint32_t singles = open & ~twice;
    while (singles) {
      const int pos = std::countr_zero(singles);
      singles &= singles - 1;
      int digit = 0;
      while (digit < 9 && !((cells_[3 * digit + band] >> pos) & 1)) ++digit;
      // An earlier placement in this loop may have taken the cell's last candidate.
      if (digit == 9 || !PlaceDigit(digit, band, pos)) return false;
      placed = true;
    }
  }
  return true;
}

// The column side of a digit: the same one-to-one pairing, now of a stack's three columns
// with its three boxes, then the columns left with a single cell.
bool Board::ColumnFilter(bool& placed) {
  while (columnDirty_) {
    const int d = std::countr_zero(columnDirty_);
    columnDirty_ &= columnDirty_ - 1;
    std::uint32_t* const m = &cells_[3 * d];
    std::uint32_t fold[3], allowed[3] = {0, 0, 0};
    for (int band = 0; band < 3; ++band) fold[band] = ColumnsOf(m[band]);
    for (int stack = 0; stack < 3; ++stack) {
      const int shift = 3 * stack;
      const std::uint32_t meets = kTables.spreadColumns[(fold[0] >> shift) & 7] |
                                  (kTables.spreadColumns[(fold[1] >> shift) & 7] << 1) |
                                  (kTables.spreadColumns[(fold[2] >> shift) & 7] << 2);
      const std::uint32_t kept = kTables.keepMeets[meets];
      if (kept == 0) return false;
      for (int band = 0; band < 3; ++band) allowed[band] |= kTables.gatherColumns[kept >> band] << shift;
    }
    std::uint32_t once = 0, twice = 0;
    for (int band = 0; band < 3; ++band) {
      const std::uint32_t kept = m[band] & InEveryRow(allowed[band]);
      if (kept != m[band]) {
        m[band] = kept;
        dirty_ |= 1u << (3 * d + band);
      }
      for (int row = 0; row < 3; ++row) {
        const std::uint32_t line = (kept >> (9 * row)) & kRowBits;
        twice |= once & line;
        once |= line;
      }
    }
    const std::uint32_t single = once & ~twice;
    if (!single) continue;
    const std::uint32_t spread = InEveryRow(single);
    for (int band = 0; band < 3; ++band) {
      const std::uint32_t hits = m[band] & unsolved_[band] & spread;
      if (!hits) continue;
      if (!PlaceCells(d, band, hits)) return false;
      placed = true;
    }
  }
  return true;
}

bool Board::Propagate() {
  for (;;) {
    while (dirty_) {
      const int index = std::countr_zero(dirty_);
      dirty_ &= dirty_ - 1;
      if (!FilterBand(index)) return false;
    }
    bool placed = false;
    if (!NakedSingles(placed)) return false;
    if (placed) continue;
    if (!ColumnFilter(placed)) return false;
    if (!placed && !dirty_) return true;
  }
}

int Board::BranchCell(bool backwards) const {
  int best = -1, bestCount = 10;
  for (int step = 0; step < 3; ++step) {
    const int band = backwards ? 2 - step : step;
    const std::uint32_t open = unsolved_[band];
    if (!open) continue;
    std::uint32_t once = 0, twice = 0, thrice = 0;
    for (int d = 0; d < 9; ++d) {
      const std::uint32_t m = cells_[3 * d + band];
      thrice |= twice & m;
      twice |= once & m;
      once |= m;
    }
    const std::uint32_t pairs = open & twice & ~thrice;
    if (pairs) return 27 * band + (backwards ? 31 - std::countl_zero(pairs) : std::countr_zero(pairs));
    if (bestCount <= 3) continue;
    std::uint32_t rest = open;
    while (rest) {
      const int pos = backwards ? 31 - std::countl_zero(rest) : std::countr_zero(rest);
      rest &= ~(1u << pos);
      const int n = kDigitCount[Candidates(27 * band + pos)];
      if (n < bestCount) {
        best = 27 * band + pos;
        bestCount = n;
      }
    }
  }
  return best;
}

int Board::FirstOpenCell(bool fromEnd) const {
  for (int step = 0; step < 3; ++step) {
    const int band = fromEnd ? 2 - step : step;
    const std::uint32_t open = unsolved_[band];
    if (open) return 27 * band + (fromEnd ? 31 - std::countl_zero(open) : std::countr_zero(open));
  }
  return -1;
}

std::string Board::Text() const {
  std::string out(81, '0');
  for (int i = 0; i < 81; ++i) {
    if (!IsOpen(i)) out[i] = static_cast<char>('0' + DigitOfBit(Candidates(i)));
  }
  return out;
}

}  // namespace vexlo::search
