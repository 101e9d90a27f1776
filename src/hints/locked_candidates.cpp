// Locked candidates: a digit whose places in a box lie in one row or column segment, or whose
// places in a row or column lie inside one box, is removed from the rest of the other unit.

#include <array>
#include <string>

#include "hints/hint_engine.h"
#include "hints/hint_text.h"
#include "hints/techniques.h"

namespace vexlo::hints {
namespace {

// A box met with one of its rows or columns.
struct Segment {
  int box;                   // box number 3b + c
  std::array<int, 3> cells;  // in the order a hint lists them
  int lineFirst;             // the row or column through the segment
  int lineStep;
};

bool InSegment(const Segment& seg, int k) {
  return k == seg.cells[0] || k == seg.cells[1] || k == seg.cells[2];
}

// Calls visit(k) for the line's cells outside the box and for the box's cells outside the
// line: the two places a locked digit can be removed from.
template <typename Visit>
void ForEachRest(const Segment& seg, bool lineSide, Visit visit) {
  const int boxFirst = BoxFirst(seg.box);
  for (int i = 0; i < 9; ++i) {
    const int k = lineSide ? seg.lineFirst + i * seg.lineStep : boxFirst + 3 * i;
    const bool rest = lineSide ? !SameBox(k, boxFirst) : !InSegment(seg, k);
    if (rest) visit(k);
  }
}

Mask UnionOfRest(const HintEngine& engine, const Segment& seg, bool lineSide) {
  Mask m = 0;
  ForEachRest(seg, lineSide, [&](int k) { m |= engine.Cand[k]; });
  return m;
}

// Removes d from both rests; true when some cell lost it.
bool RemoveFromRests(HintEngine& engine, const Segment& seg, int d) {
  bool removed = false;
  const auto remove = [&](int k) {
    if (!Holds(engine.Cand[k], d)) return;
    engine.Cand[k] &= static_cast<Mask>(~DigitBit(d));
    engine.Searching = false;
    removed = true;
  };
  ForEachRest(seg, true, remove);
  ForEachRest(seg, false, remove);
  return removed;
}

void ExamineSegment(HintEngine& engine, const Segment& seg) {
  Mask inSegment = 0;
  for (int k : seg.cells) inSegment |= engine.Cand[k];
  const Mask lineRest = UnionOfRest(engine, seg, true);
  const Mask boxRest = UnionOfRest(engine, seg, false);
  const Mask found =
      engine.BoxLockMask[seg.box] & inSegment & static_cast<Mask>(~(lineRest & boxRest));
  for (int d = 1; d <= 9 && engine.Searching; ++d) {
    if (!Holds(found, d)) continue;
    engine.BoxLockMask[seg.box] &= static_cast<Mask>(~DigitBit(d));
    if (!RemoveFromRests(engine, seg, d)) continue;
    // Pointing: the box holds d only here, so the line lost it; else the reverse.
    const bool pointing = !Holds(boxRest, d);
    std::string text = pointing ? engine.MarkUnit(BoxFirst(seg.box), 3)
                                : engine.MarkUnit(seg.lineFirst, seg.lineStep);
    for (int k : seg.cells) {
      if (!Holds(engine.Cand[k], d)) continue;
      engine.AddCell(CellName(k));
      engine.Highlight(k, colors::kFuchsia);
    }
    text += ", 单元格 " + engine.TakeCellList() + " 中一定包含 " + DigitText(d);
    engine.ShowHint(std::move(text));
    engine.CountFinding(FindingKind::LockedCandidates);
  }
}

Segment RowSegment(int band, int boxCol, int i) {
  const int first = 27 * band + 9 * i + boxCol;
  return {3 * band + boxCol, {first, first + 3, first + 6}, 9 * (3 * band + i), 1};
}

// Column segments list their cells from the bottom of the band up.
Segment ColumnSegment(int band, int boxCol, int i) {
  const int q = 3 * i + boxCol;
  const int first = 27 * band + q;
  return {3 * band + boxCol, {first + 18, first + 9, first}, q, 9};
}

}  // namespace

void LockedCandidates(HintEngine& engine) {
  for (int boxCol = 0; boxCol < 3 && engine.Searching; ++boxCol) {
    for (int band = 0; band < 3 && engine.Searching; ++band) {
      if (engine.BoxLockMask[3 * band + boxCol] == 0) continue;
      for (int i = 0; i < 3 && engine.Searching; ++i) {
        ExamineSegment(engine, RowSegment(band, boxCol, i));
        if (engine.Searching) ExamineSegment(engine, ColumnSegment(band, boxCol, i));
      }
    }
  }
}

}  // namespace vexlo::hints
