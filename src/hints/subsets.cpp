// Naked and hidden subsets. One search serves both: on the cells' masks of a unit it finds s
// cells holding only s digits; on the transposed masks (for each digit, the unit positions
// that may hold it) it finds s digits that fit only in s cells.

#include <array>
#include <cstdint>
#include <string>

#include "hints/hint_engine.h"
#include "hints/hint_text.h"
#include "hints/techniques.h"

namespace vexlo::hints {
namespace {

using Entries = std::array<Mask, 9>;

// All combinations of s of the nine entries, in lexicographic order.
struct Combinations {
  int count = 0;
  std::array<std::array<std::uint8_t, 4>, 126> items{};
};

constexpr Combinations BuildCombinations(int s) {
  Combinations c;
  std::array<int, 4> counter{0, 1, 2, 3};
  while (true) {
    for (int i = 0; i < s; ++i) c.items[c.count][i] = static_cast<std::uint8_t>(counter[i]);
    ++c.count;
    int raise = s - 1;
    while (raise >= 0 && counter[raise] == 9 - s + raise) --raise;
    if (raise < 0) return c;
    ++counter[raise];
    for (int i = raise + 1; i < s; ++i) counter[i] = counter[i - 1] + 1;
  }
}

constexpr std::array<Combinations, 5> kCombinations = {Combinations{}, Combinations{},
                                                       BuildCombinations(2), BuildCombinations(3),
                                                       BuildCombinations(4)};

Entries Transpose(const Entries& e) {
  Entries t{};
  for (int i = 0; i < 9; ++i) {
    for (int bit = 0; bit < 9; ++bit) {
      if ((e[i] >> bit) & 1) t[bit] |= static_cast<Mask>(1u << i);
    }
  }
  return t;
}

struct Unit {
  int first;
  int step;
};

std::string SubsetText(HintEngine& engine, Unit unit, int s, const Entries& e, Mask u,
                       bool hidden) {
  Mask inside = 0;  // entries whose bits all lie in u
  for (int i = 0; i < 9; ++i) {
    if (e[i] != 0 && (e[i] & ~u) == 0) inside |= static_cast<Mask>(1u << i);
  }
  const Mask cells = hidden ? u : inside;
  const Mask digits = hidden ? inside : u;
  const std::string size = std::to_string(s);
  std::string text = hidden ? size + " 个数字只能存在于 " + size + " 个格子内。"
                            : size + " 个格子内只能包含 " + size + " 个数字。";
  text += kLineBreak + engine.MarkUnit(unit.first, unit.step) + ", 单元格 ";
  for (int m = 0; m < 9; ++m) {
    if (((cells >> m) & 1) == 0) continue;
    const int k = unit.first + m * unit.step;
    engine.AddCell(CellName(k));
    engine.Highlight(k, colors::kFuchsia);
  }
  text += engine.TakeCellList() + kLineBreak + "一定包含且只包含 ";
  for (int d = 1; d <= 9; ++d) {
    if (Holds(digits, d)) engine.AddCell(DigitText(d));
  }
  return text + engine.TakeCellList() + ".";
}

void SubsetSearch(HintEngine& engine, Unit unit, int s, Entries& e, bool hidden) {
  int filled = 0;
  for (Mask m : e) filled += m != 0 ? 1 : 0;
  if (filled <= s) return;  // nothing could lie outside the subset
  const Combinations& combos = kCombinations[s];
  for (int c = 0; c < combos.count && engine.Searching; ++c) {
    Mask u = 0;
    bool usable = true;
    for (int i = 0; i < s && usable; ++i) {
      const Mask m = e[combos.items[c][i]];
      usable = m != 0;
      u |= m;
    }
    if (!usable || BitCount(u) != s) continue;
    for (int i = 0; i < 9; ++i) {
      if ((e[i] & u) == 0 || (e[i] & ~u) == 0) continue;
      if (engine.Searching) {
        engine.ShowHint(SubsetText(engine, unit, s, e, u, hidden));
        engine.CountFinding(hidden ? FindingKind::HiddenSubset : FindingKind::NakedSubset);
      }
      e[i] &= static_cast<Mask>(~u);
      engine.Searching = false;
    }
  }
}

void SubsetsInUnit(HintEngine& engine, Unit unit, int s) {
  Entries cells{};
  for (int i = 0; i < 9; ++i) cells[i] = engine.Cand[unit.first + i * unit.step];
  SubsetSearch(engine, unit, s, cells, false);
  Entries digits = Transpose(cells);
  SubsetSearch(engine, unit, s, digits, true);
  cells = Transpose(digits);
  for (int i = 0; i < 9; ++i) engine.Cand[unit.first + i * unit.step] = cells[i];
}

}  // namespace

void Subsets(HintEngine& engine, int size) {
  for (int n = 8; n >= 0 && engine.Searching; --n) {
    SubsetsInUnit(engine, {9 * n, 1}, size);
    if (engine.Searching) SubsetsInUnit(engine, {n, 9}, size);
    if (engine.Searching) SubsetsInUnit(engine, {BoxFirst(n), 3}, size);
  }
}

}  // namespace vexlo::hints
