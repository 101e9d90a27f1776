// Unique rectangles: four corners in two boxes must not all come down to the same two digits,
// or the puzzle would have two solutions. A floor of two cells holding exactly the pair P and
// a roof of two cells holding P and more give one of three reductions.

#include <string>

#include "hints/hint_engine.h"
#include "hints/hint_text.h"
#include "hints/techniques.h"

namespace vexlo::hints {
namespace {

Mask Without(Mask m, Mask remove) { return static_cast<Mask>(m & ~remove); }
bool HoldsAll(Mask m, Mask digits) { return (m & digits) == digits; }

// Orientation of a floor in a row segment (cells along a row) or a column segment.
struct Orientation {
  bool alongRow;
  // Cell of line `line` at place `place`: for rows line is a row and place a position.
  int CellAt(int line, int place) const { return alongRow ? 9 * line + place : 9 * place + line; }
  int LineOf(int k) const { return alongRow ? RowOf(k) : PosOf(k); }
  int PlaceOf(int k) const { return alongRow ? PosOf(k) : RowOf(k); }
};

void ShowRectangle(HintEngine& engine, int a, int b, std::string text, FindingKind kind) {
  engine.Highlight(a, colors::kAqua);
  engine.Highlight(b, colors::kAqua);
  engine.ShowHint(std::move(text));
  engine.CountFinding(kind);
}

// Removes x from every cell other than e and m that passes `sees`; true when one lost it.
template <typename Sees>
bool RemoveExtra(HintEngine& engine, int e, int m, Mask x, Sees sees) {
  bool removed = false;
  for (int j = 0; j < kCells; ++j) {
    if (j == e || j == m || !sees(j) || (engine.Cand[j] & x) == 0) continue;
    engine.Cand[j] = Without(engine.Cand[j], x);
    engine.Searching = false;
    removed = true;
  }
  return removed;
}

// A floor (a, b) inside one segment; the roofs are the cells in the same places of the lines
// outside the floor's band (or stack).
void RectanglesOnSegmentFloor(HintEngine& engine, Orientation o, int a, int b) {
  const Mask pair = engine.Cand[a];
  for (int line = 0; line < 9 && engine.Searching; ++line) {
    const int e = o.CellAt(line, o.PlaceOf(a));
    const int m = o.CellAt(line, o.PlaceOf(b));
    if (SameBox(e, a) || !HoldsAll(engine.Cand[e], pair) || !HoldsAll(engine.Cand[m], pair)) {
      continue;
    }
    const int countE = BitCount(engine.Cand[e]);
    const int countM = BitCount(engine.Cand[m]);
    if (countE == 2 || countM == 2) {
      const int target = countE > 2 ? e : m;
      ShowRectangle(engine, a, b,
                    "找到唯一矩阵," + CellName(target) + "不能包含候选数 " + DigitsComma(pair),
                    FindingKind::RectangleOneCorner);
      engine.Highlight(e, countE == 2 ? colors::kAqua : colors::kFuchsia);
      engine.Highlight(m, countM == 2 ? colors::kAqua : colors::kFuchsia);
      engine.Cand[target] = Without(engine.Cand[target], pair);
      engine.Searching = false;
    } else if (countE == 3 && engine.Cand[m] == engine.Cand[e]) {
      const Mask x = Without(engine.Cand[e], pair);
      const auto sees = [&](int j) { return o.LineOf(j) == line || SameBox(j, e); };
      if (!RemoveExtra(engine, e, m, x, sees)) continue;
      ShowRectangle(engine, a, b,
                    "找到唯一矩阵,(" + CellName(e) + "," + CellName(m) + ") 一定能包含候选数 " +
                        DigitsPlain(x),
                    FindingKind::RectangleOneBox);
      engine.Highlight(e, colors::kFuchsia);
      engine.Highlight(m, colors::kFuchsia);
    }
  }
}

void SegmentFloor(HintEngine& engine, Orientation o, int first, int step) {
  const int cells[3] = {first, first + step, first + 2 * step};
  static constexpr int kPairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  for (const auto& pair : kPairs) {
    const int a = cells[pair[0]];
    const int b = cells[pair[1]];
    if (engine.Cand[a] == engine.Cand[b] && BitCount(engine.Cand[a]) == 2) {
      RectanglesOnSegmentFloor(engine, o, a, b);
      return;
    }
  }
}

// A floor (a, b) in one line across two boxes; the roof lies in a parallel line of a's band
// (or stack) and holds the pair and the same one extra digit.
void RectanglesOnSpanningFloor(HintEngine& engine, Orientation o, int a, int b) {
  const Mask pair = engine.Cand[a];
  for (int line = 0; line < 9; ++line) {
    const int e = o.CellAt(line, o.PlaceOf(a));
    const int m = o.CellAt(line, o.PlaceOf(b));
    const Mask roof = engine.Cand[e];
    if (BitCount(roof) != 3 || engine.Cand[m] != roof || !SameBox(e, a) || !HoldsAll(roof, pair)) {
      continue;
    }
    const Mask x = Without(roof, pair);
    const auto sees = [&](int j) { return o.LineOf(j) == line; };
    if (!RemoveExtra(engine, e, m, x, sees)) continue;
    engine.Highlight(a, colors::kAqua);
    engine.Highlight(b, colors::kAqua);
    engine.Highlight(e, colors::kFuchsia);
    engine.Highlight(m, colors::kFuchsia);
    engine.ShowHint("找到唯一矩阵,（" + CellName(e) + "," + CellName(m) + "）一定有一个是数字" +
                    DigitsPlain(x));
    engine.CountFinding(FindingKind::RectangleTwoBoxes);
    return;
  }
}

void SpanningFloors(HintEngine& engine, Orientation o, int line) {
  for (int i = 0; i < 9 && engine.Searching; ++i) {
    const int a = o.CellAt(line, i);
    if (BitCount(engine.Cand[a]) != 2) continue;
    for (int j = 0; j < 9 && engine.Searching; ++j) {
      const int b = o.CellAt(line, j);
      if (j == i || engine.Cand[b] != engine.Cand[a] || SameBox(a, b)) continue;
      RectanglesOnSpanningFloor(engine, o, a, b);
    }
  }
}

}  // namespace

void UniqueRectangles(HintEngine& engine) {
  constexpr Orientation kRows{true};
  constexpr Orientation kColumns{false};
  for (int i = 0; i < 27 && engine.Searching; ++i) {
    SegmentFloor(engine, kRows, 9 * (i / 3) + i % 3, 3);
  }
  for (int i = 0; i < 27 && engine.Searching; ++i) {
    SegmentFloor(engine, kColumns, 27 * (i / 9) + i % 9, 9);
  }
  for (int r = 0; r < 9 && engine.Searching; ++r) SpanningFloors(engine, kRows, r);
  for (int p = 0; p < 9 && engine.Searching; ++p) SpanningFloors(engine, kColumns, p);
}

}  // namespace vexlo::hints
