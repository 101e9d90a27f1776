// Hidden singles (a digit with one place left in a unit) and naked singles (a cell with one
// candidate left). Both end in a placement that the player carries out.

#include <string>

#include "hints/hint_engine.h"
#include "hints/hint_text.h"
#include "hints/techniques.h"

namespace vexlo::hints {
namespace {

void HiddenSingleInUnit(HintEngine& engine, int first, int step) {
  Mask once = 0;
  Mask twice = 0;
  for (int i = 0; i < 9; ++i) {
    const Mask m = engine.Cand[first + i * step];
    twice |= once & m;
    once |= m;
  }
  const Mask single = once & static_cast<Mask>(~twice);
  if (single == 0) return;
  const int d = LowestDigit(single);
  int k = first;
  while (!Holds(engine.Cand[k], d)) k += step;
  std::string text = engine.MarkUnit(first, step) + ", " + CellName(k) + " 一定是 " + DigitText(d);
  engine.SetPendingPlacement(d, k);
  engine.ShowHint(std::move(text));
  engine.CountFinding(FindingKind::HiddenSingle);
  engine.Highlight(k, colors::kFuchsia);
}

}  // namespace

void HiddenSingles(HintEngine& engine) {
  // Units from the bottom row, the right column and the lower right box upwards.
  for (int n = 8; n >= 0 && engine.Searching; --n) {
    HiddenSingleInUnit(engine, 9 * n, 1);
    if (engine.Searching) HiddenSingleInUnit(engine, n, 9);
    if (engine.Searching) HiddenSingleInUnit(engine, BoxFirst(n), 3);
  }
}

void NakedSingles(HintEngine& engine) {
  for (int k = 0; k < kCells && engine.Searching; ++k) {
    const Mask m = engine.Cand[k];
    if (BitCount(m) != 1) continue;
    const int d = LowestDigit(m);
    engine.SetPendingPlacement(d, k);
    engine.ShowHint(CellName(k) + "只能是 " + DigitText(d));
    engine.CountFinding(FindingKind::NakedSingle);
    engine.Highlight(k, colors::kFuchsia);
  }
}

}  // namespace vexlo::hints
