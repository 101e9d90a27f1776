#include "hints/chains.h"

#include <string>

#include "hints/hint_engine.h"
#include "hints/hint_text.h"
#include "hints/techniques.h"

namespace vexlo::hints {
namespace {

// The only other cell of the unit (first, step) holding d, or -1.
int OnlyOtherHolder(const Mask* cand, int k, int d, int first, int step) {
  int found = -1;
  for (int i = 0; i < 9; ++i) {
    const int q = first + i * step;
    if (q == k || !Holds(cand[q], d)) continue;
    if (found >= 0) return -1;
    found = q;
  }
  return found;
}

int OtherDigit(Mask twoDigits, int d) {
  return LowestDigit(static_cast<Mask>(twoDigits & ~DigitBit(d)));
}

}  // namespace

void Chains(HintEngine& engine) { engine.chainSearch().Run(engine); }

void ChainSearch::ClearMarks() {
  for (auto& row : onMark_) row.fill(0);
  for (auto& row : offMark_) row.fill(0);
  stamp_ = 0;
}

void ChainSearch::BuildTables() {
  holders_.fill({});
  for (int k = 0; k < kCells; ++k) {
    for (int d = 1; d <= 9; ++d) {
      if (Holds(cand_[k], d)) holders_[d - 1].Add(k);
    }
  }
  for (int d = 1; d <= 9; ++d) {
    const int di = d - 1;
    for (int k = 0; k < kCells; ++k) {
      // The search only ever stands on cells that hold the digit.
      if (!Holds(cand_[k], d)) continue;
      int n = 0;
      for (int q : kPeers.list[k]) {
        if (Holds(cand_[q], d)) weak_[di][k][n++] = static_cast<std::uint8_t>(q);
      }
      weakCount_[di][k] = static_cast<std::uint8_t>(n);
      n = 0;
      for (int q : {OnlyOtherHolder(cand_, k, d, 9 * RowOf(k), 1),
                    OnlyOtherHolder(cand_, k, d, PosOf(k), 9),
                    OnlyOtherHolder(cand_, k, d, BoxFirst(BoxOfIndex(k)), 3)}) {
        if (q >= 0) strong_[di][k][n++] = static_cast<std::uint8_t>(q);
      }
      strongCount_[di][k] = static_cast<std::uint8_t>(n);
    }
  }
}

void ChainSearch::Run(HintEngine& engine) {
  engine_ = &engine;
  cand_ = engine.Cand.data();
  BuildTables();
  if (!RunPhase(false)) RunPhase(true);
}

// One phase under limits 3, 4, ... until no search was cut; true when a finding was made.
bool ChainSearch::RunPhase(bool general) {
  HintEngine& engine = *engine_;
  for (limit_ = 3;; ++limit_) {
    depthLimitHit_ = false;
    for (int k = 0; k < kCells && engine.Searching; ++k) {
      const Mask m = cand_[k];
      if (general) {
        for (int d = 9; d >= 1 && engine.Searching; --d) {
          if (Holds(m, d)) Start(k, d, ChainKind::General);
        }
        continue;
      }
      if (BitCount(m) == 2) {
        Start(k, LowestDigit(m), ChainKind::Bivalue);
        if (engine.Searching) Start(k, OtherDigit(m, LowestDigit(m)), ChainKind::Bivalue);
      }
      for (int d = 1; d <= 9 && engine.Searching; ++d) {
        if (Holds(m, d)) Start(k, d, ChainKind::SingleDigit);
      }
    }
    if (!engine.Searching) return true;
    // The path holds kMaxCells cells: past that the phase ends as if nothing had been cut.
    if (!depthLimitHit_ || limit_ == kMaxCells) return false;
  }
}

void ChainSearch::Start(int s, int d, ChainKind kind) {
  if (++stamp_ == 0) {
    ClearMarks();
    stamp_ = 1;
  }
  start_ = s;
  digit_ = d;
  kind_ = kind;
  path_[0] = static_cast<std::uint8_t>(s);
  VisitOff(s, d, 1);
}

void ChainSearch::VisitOff(int k, int d, int depth) {
  const int di = d - 1;
  offMark_[di][k] = stamp_;
  if (kind_ != ChainKind::Bivalue) {
    // k is not d: its only partner in a unit must be d.
    const auto& partners = strong_[di][k];
    for (int i = 0, n = strongCount_[di][k]; i < n && engine_->Searching; ++i) {
      const int q = partners[i];
      if (onMark_[di][q] == stamp_) continue;
      if (depth >= limit_) {
        depthLimitHit_ = true;
        continue;
      }
      path_[depth] = static_cast<std::uint8_t>(q);
      VisitOn(q, d, depth + 1);
    }
  }
  // A two-candidate cell that is not d is its other digit.
  if (kind_ != ChainKind::SingleDigit && engine_->Searching && BitCount(cand_[k]) == 2 &&
      onMark_[di][k] != stamp_) {
    VisitOn(k, OtherDigit(cand_[k], d), depth);
  }
}

void ChainSearch::VisitOn(int k, int d, int depth) {
  const int di = d - 1;
  onMark_[di][k] = stamp_;
  if (d == digit_ && k != start_) Conclude(depth);
  if (depth == limit_ && depthLimitHit_) return;
  // k is d: no peer of k is d.
  const auto& peers = weak_[di][k];
  for (int i = 0, n = weakCount_[di][k]; i < n && engine_->Searching; ++i) {
    const int q = peers[i];
    if (offMark_[di][q] == stamp_) continue;
    if (kind_ == ChainKind::Bivalue && BitCount(cand_[q]) != 2) continue;
    if (depth >= limit_) {
      depthLimitHit_ = true;
      continue;
    }
    path_[depth] = static_cast<std::uint8_t>(q);
    VisitOff(q, d, depth + 1);
  }
  if (kind_ != ChainKind::General) return;
  // k is d: it is no other digit.
  for (int e = 1; e <= 9 && engine_->Searching; ++e) {
    if (e != d && Holds(cand_[k], e) && offMark_[e - 1][k] != stamp_) VisitOff(k, e, depth);
  }
}

void ChainSearch::Conclude(int depth) {
  const int s = start_;
  const int e = path_[depth - 1];
  const int d = digit_;
  const CellSet common = kPeers.set[s] & kPeers.set[e] & holders_[d - 1];
  if (common.Empty()) return;
  HintEngine& engine = *engine_;
  // The text lists the chain from its last pass through S up to its first reach of E.
  int from = 0;
  for (int i = 0; i < depth - 1; ++i) {
    if (path_[i] == s) from = i;
  }
  int to = from + 1;
  while (path_[to] != e) ++to;
  engine.AddCell(CellName(s));
  engine.Highlight(s, colors::kFuchsia);
  for (int i = from + 1; i < to; ++i) {
    engine.AddCell(CellName(path_[i]));
    engine.Highlight(path_[i], colors::kAqua);
  }
  engine.AddCell(CellName(e));
  engine.Highlight(e, colors::kFuchsia);
  static constexpr FindingKind kFinding[3] = {FindingKind::SingleDigitChain,
                                              FindingKind::BivalueChain, FindingKind::GeneralChain};
  std::string text = kind_ == ChainKind::SingleDigit ? "在数字 " + DigitText(d) + " 的链 ("
                     : kind_ == ChainKind::Bivalue   ? std::string("在双数链 (")
                                                     : std::string("在链 (");
  text += engine.TakeCellList() + ") 中," + kLineBreak + "在 " + CellName(e) + ", " + CellName(s) +
          " 中必有一个是 " + DigitText(d);
  engine.ShowHint(std::move(text));
  engine.CountFinding(kFinding[static_cast<int>(kind_)]);
  for (int c : kPeers.list[s]) {
    if (ArePeers(c, e) && Holds(cand_[c], d)) engine.Cand[c] &= static_cast<Mask>(~DigitBit(d));
  }
  engine.Searching = false;
}

}  // namespace vexlo::hints
