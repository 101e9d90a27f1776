#include "hints/hint_engine.h"

#include <utility>

#include "board/board.h"
#include "hints/chains.h"
#include "hints/hint_text.h"
#include "hints/techniques.h"

namespace vexlo::hints {
namespace {

constexpr std::array<int, kFindingKinds> kPoints = {1,  10, 5,   20, 40,  30,
                                                    50, 50, 250, 50, 100, 800};

TPicNode& BoardCell(TPICSD33& board, int k) {
  return board.cell(RowOf(k) + 1, BoardColOfPos(PosOf(k)));
}

// The digit of a one-character cell text, 0 for anything else.
int SingleDigit(const std::string& text) {
  if (text.size() != 1 || text[0] < '1' || text[0] > '9') return 0;
  return text[0] - '0';
}

Mask MaskOfText(const std::string& text) {
  Mask m = 0;
  for (char ch : text) {
    if (ch >= '1' && ch <= '9') m |= DigitBit(ch - '0');
  }
  return m;
}

}  // namespace

int FindingPoints(FindingKind kind) { return kPoints[static_cast<int>(kind)]; }

std::string StuckText() {
  return std::string("难住我了，到") + std::string(kForumAddress) + "求助吧!!!";
}

HintEngine::HintEngine() : chains_(std::make_unique<ChainSearch>()) {}
HintEngine::~HintEngine() = default;

void HintEngine::Reset() {
  hintText_.clear();
  NeedLoad = true;
  PendingPlacement = false;
  HintPending = false;
  cellList_.clear();
  EndState = EngineEnd::Running;
  Score = 0;
  Searching = false;
  chains_->ClearMarks();
}

void HintEngine::ResetGrid() {
  Cand.fill(kAllDigits);
  BoxLockMask.fill(kAllDigits);
  SolvedCount = 0;
}

void HintEngine::LoadFromBoard() {
  ResetGrid();
  if (board_ != nullptr) {
    for (int k = 0; k < kCells; ++k) {
      const TPicNode& cell = BoardCell(*board_, k);
      if (!pencilAndPaper_ && cell.state == CellState::Open) {
        Cand[k] = MaskOfText(cell.digits);
      } else if (int d = SingleDigit(cell.digits); d != 0) {
        // In "Pencil and Paper" a lone pencil mark counts as a placed digit.
        Place(d, k);
      }
    }
  }
  NeedLoad = false;
}

void HintEngine::LoadPuzzle(std::string_view puzzle) {
  ResetGrid();
  for (int k = 0; k < kCells; ++k) {
    const std::size_t at = 9 * static_cast<std::size_t>(RowOf(k)) + BoardColOfPos(PosOf(k)) - 1;
    const char ch = at < puzzle.size() ? puzzle[at] : '0';
    if (ch >= '1' && ch <= '9') Place(ch - '0', k);
  }
  NeedLoad = false;
}

void HintEngine::Place(int d, int k) {
  Cand[k] = 0;
  const Mask keep = static_cast<Mask>(~DigitBit(d));
  for (int q : kPeers.list[k]) Cand[q] &= keep;
  BoxLockMask[BoxOfIndex(k)] &= keep;
  ++SolvedCount;
}

void HintEngine::PlaceOnBoard(int d, int k) {
  Place(d, k);
  if (board_ != nullptr) {
    TPicNode& cell = BoardCell(*board_, k);
    cell.digits = std::string(1, static_cast<char>('0' + d));
    cell.state = CellState::BigNumber;
  }
  ShowHint({});
  ApplyToBoard();
  Searching = false;
}

void HintEngine::ApplyToBoard() {
  if (board_ != nullptr) {
    if (!pencilAndPaper_) {
      for (int k = 0; k < kCells; ++k) {
        TPicNode& cell = BoardCell(*board_, k);
        // Only open cells take candidate lists; a big number keeps its one-digit text.
        if (Cand[k] == 0 || cell.state != CellState::Open) continue;
        cell.digits = DigitsPlain(Cand[k]);
        cell.showhxs();
      }
    }
    for (int row = 1; row <= 9; ++row) {
      for (int col = 1; col <= 9; ++col) {
        TPicNode& cell = board_->cell(row, col);
        if (cell.state != CellState::BigNumber) continue;
        cell.caption = cell.digits;
        cell.Hide();
        cell.fontSize = board_->FONTSize2;
        cell.fontColor = board_->FONTColor2;
      }
    }
    board_->Touch();
  }
  HintPending = false;
}

void HintEngine::FindNextHint() {
  if (NeedLoad) LoadFromBoard();
  if (HintPending) {
    ApplyToBoard();
    if (recordStep_) recordStep_();
    return;
  }
  Searching = true;
  if (Searching) HiddenSingles(*this);
  if (Searching) NakedSingles(*this);
  if (Searching) LockedCandidates(*this);
  for (int size = 2; size <= 4 && Searching; ++size) Subsets(*this, size);
  if (Searching) UniqueRectangles(*this);
  if (Searching) Chains(*this);
  if (!Searching) HintPending = true;
  SettleEndState();
}

void HintEngine::SettleEndState() {
  if (SolvedCount == kCells) {
    ShowHint(std::string(kSolvedText));
    EndState = EngineEnd::Solved;
    return;
  }
  if (!Searching) return;
  int withCandidates = 0;
  for (Mask m : Cand) withCandidates += m != 0 ? 1 : 0;
  if (withCandidates + SolvedCount == kCells) {
    ShowHint(StuckText());
    CountFinding(FindingKind::Stuck);
    EndState = EngineEnd::Stuck;
  } else {
    ShowHint(std::string(kNoSolutionText));
    EndState = EngineEnd::NoSolution;
  }
}

void HintEngine::NextStep() {
  ClearHighlight();
  if (HintPending) {
    ShowHint({});
  } else {
    ShowHint(langText_ ? langText_("frmsolover.thinking") : std::string());
  }
  FindNextHint();
}

void HintEngine::ShowHint(std::string text) {
  hintText_ = std::move(text);
  Searching = false;
}

void HintEngine::SetPendingPlacement(int d, int k) {
  PendingPlacement = true;
  PendingDigit = d;
  PendingCell = k;
}

void HintEngine::Highlight(int k, Color color) {
  if (board_ == nullptr) return;
  TPicNode& cell = BoardCell(*board_, k);
  cell.background = color;
  cell.setcolor(color);
  board_->Touch();
}

void HintEngine::ClearHighlight() {
  for (int k = 0; k < kCells; ++k) Highlight(k, colors::kWhite);
}

std::string HintEngine::MarkUnit(int first, int step) {
  ClearHighlight();
  for (int i = 0; i < 9; ++i) Highlight(first + i * step, colors::kAqua);
  return UnitName(first, step);
}

void HintEngine::AddCell(const std::string& item) {
  if (!cellList_.empty()) cellList_ += ", ";
  cellList_ += item;
}

std::string HintEngine::TakeCellList() { return std::exchange(cellList_, {}); }

void HintEngine::CountFinding(FindingKind kind) {
  Score += FindingPoints(kind);
  ++FindingCount[static_cast<int>(kind)];
}

}  // namespace vexlo::hints
