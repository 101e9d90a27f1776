#include "technique_rater.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "core/grid.h"

namespace vexlo::bankgen {
namespace {

using Mask = std::uint16_t;
constexpr Mask kAll = 0x3FE;  // bits 1..9

struct Candidates {
  std::array<int, 81> value{};
  std::array<Mask, 81> cand{};

  explicit Candidates(const std::string& puzzle) {
    for (int i = 0; i < 81; ++i) cand[i] = kAll;
    for (int i = 0; i < 81; ++i) {
      if (DigitOf(puzzle[i]) != 0) Place(i, DigitOf(puzzle[i]));
    }
  }

  void Place(int cell, int d) {
    value[cell] = d;
    cand[cell] = 0;
    for (std::uint8_t p : PeersOf(cell)) cand[p] &= static_cast<Mask>(~(1u << d));
  }

  bool Solved() const {
    return std::all_of(value.begin(), value.end(), [](int v) { return v != 0; });
  }

  bool HiddenSingle() {
    for (const UnitList& unit : Units()) {
      for (int d = 1; d <= 9; ++d) {
        int where = -1, n = 0;
        for (std::uint8_t c : unit) {
          if (cand[c] & (1u << d)) {
            where = c;
            ++n;
          }
        }
        if (n == 1) {
          Place(where, d);
          return true;
        }
      }
    }
    return false;
  }

  bool NakedSingle() {
    for (int i = 0; i < 81; ++i) {
      if (value[i] == 0 && std::popcount(static_cast<unsigned>(cand[i])) == 1) {
        Place(i, std::countr_zero(static_cast<unsigned>(cand[i])));
        return true;
      }
    }
    return false;
  }

  // Removes `digits` from every cell of `unit` outside `keep`; true when anything changed.
  bool RemoveOutside(const UnitList& unit, const std::array<bool, 81>& keep, Mask digits) {
    bool changed = false;
    for (std::uint8_t c : unit) {
      if (!keep[c] && (cand[c] & digits)) {
        cand[c] &= static_cast<Mask>(~digits);
        changed = true;
      }
    }
    return changed;
  }

  bool LockedCandidates() {
    const auto& units = Units();
    for (int box = 18; box < 27; ++box) {
      for (int line = 0; line < 18; ++line) {
        std::array<bool, 81> inBox{}, inLine{}, both{};
        for (std::uint8_t c : units[box]) inBox[c] = true;
        for (std::uint8_t c : units[line]) inLine[c] = true;
        bool meet = false;
        for (int c = 0; c < 81; ++c) {
          both[c] = inBox[c] && inLine[c];
          meet |= both[c];
        }
        if (!meet) continue;
        for (int d = 1; d <= 9; ++d) {
          const Mask bit = static_cast<Mask>(1u << d);
          bool boxOutside = false, lineOutside = false, inside = false;
          for (int c = 0; c < 81; ++c) {
            if (!(cand[c] & bit)) continue;
            inside |= both[c];
            boxOutside |= inBox[c] && !both[c];
            lineOutside |= inLine[c] && !both[c];
          }
          if (!inside) continue;
          if (!boxOutside && lineOutside && RemoveOutside(units[line], both, bit)) return true;
          if (!lineOutside && boxOutside && RemoveOutside(units[box], both, bit)) return true;
        }
      }
    }
    return false;
  }

  // Naked and hidden pairs and triples.
  bool Subsets() {
    for (const UnitList& unit : Units()) {
      std::array<int, 9> open{};
      int n = 0;
      for (std::uint8_t c : unit) {
        if (value[c] == 0) open[n++] = c;
      }
      for (unsigned pick = 1; pick < (1u << n); ++pick) {
        const int size = std::popcount(pick);
        if (size < 2 || size > 3 || size >= n - 1) continue;
        Mask digits = 0;
        std::array<bool, 81> chosen{};
        for (int i = 0; i < n; ++i) {
          if (pick & (1u << i)) {
            digits |= cand[open[i]];
            chosen[open[i]] = true;
          }
        }
        // Naked: the chosen cells hold only `size` digits between them.
        if (std::popcount(static_cast<unsigned>(digits)) == size &&
            RemoveOutside(unit, chosen, digits))
          return true;
        // Hidden: `size` digits that occur only in the chosen cells.
        Mask outside = 0;
        for (int i = 0; i < n; ++i) {
          if (!(pick & (1u << i))) outside |= cand[open[i]];
        }
        const Mask only = static_cast<Mask>(digits & ~outside);
        if (std::popcount(static_cast<unsigned>(only)) == size) {
          bool changed = false;
          for (int i = 0; i < n; ++i) {
            if ((pick & (1u << i)) && (cand[open[i]] & ~only)) {
              cand[open[i]] &= only;
              changed = true;
            }
          }
          if (changed) return true;
        }
      }
    }
    return false;
  }
};

}  // namespace

Grade RateByTechniques(const std::string& puzzle) {
  Candidates grid(puzzle);
  Grade hardest = Grade::HiddenSingles;
  auto use = [&](Grade g) { hardest = std::max(hardest, g); };
  while (!grid.Solved()) {
    if (grid.HiddenSingle()) continue;
    if (grid.NakedSingle()) {
      use(Grade::Singles);
    } else if (grid.LockedCandidates()) {
      use(Grade::LockedCandidates);
    } else if (grid.Subsets()) {
      use(Grade::Subsets);
    } else {
      return Grade::Beyond;
    }
  }
  return hardest;
}

}  // namespace vexlo::bankgen
