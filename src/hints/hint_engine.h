#pragma once
// The hint engine: a candidate grid of its own, filled from the player's board, and a driver
// that tries the solving techniques in a fixed order and stops at the first finding. Every
// finding is explained in a fixed Chinese text, coloured on the board and adds points to a
// difficulty score.
//
// The engine knows nothing of windows. The hint window wires it up: the board it works on,
// whether the game is in the "Pencil and Paper" mode, the language lookup for the
// "Thinking..." text and the history recorder; it reads HintText() and the step state
// (HintPending, PendingPlacement, ...) to set its own captions.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "board/color.h"
#include "hints/engine_grid.h"

namespace vexlo {
class TPICSD33;
}

namespace vexlo::hints {

class ChainSearch;

// What a finding was; the value indexes FindingCount.
enum class FindingKind : int {
  HiddenSingle = 0,
  NakedSingle = 1,
  LockedCandidates = 2,
  NakedSubset = 3,
  HiddenSubset = 4,
  RectangleOneCorner = 5,  // unique rectangle, one corner loses the pair
  RectangleOneBox = 6,     // unique rectangle, extra digit on two corners in one box
  RectangleTwoBoxes = 7,   // unique rectangle, extra digit on two corners in two boxes
  GeneralChain = 8,
  SingleDigitChain = 9,
  BivalueChain = 10,
  Stuck = 11,  // no technique applies
};
inline constexpr int kFindingKinds = 12;

// Points a finding of the kind adds to the difficulty score.
int FindingPoints(FindingKind kind);

enum class EngineEnd : int { Running = 0, Solved = 1, Stuck = 2, NoSolution = 3 };

// Where the stuck text sends the player for help.
inline constexpr std::string_view kForumAddress = "Vexlo 玩家论坛";

inline constexpr std::string_view kSolvedText = "已全部解答完成!";
inline constexpr std::string_view kNoSolutionText = "无解!";
std::string StuckText();

class HintEngine {
 public:
  using TextLookup = std::function<std::string(std::string_view key)>;

  HintEngine();
  ~HintEngine();
  HintEngine(const HintEngine&) = delete;
  HintEngine& operator=(const HintEngine&) = delete;

  // Wiring. Without a board the engine works on its grid alone (batch rating).
  void SetBoard(TPICSD33* board) { board_ = board; }
  void SetPencilAndPaper(bool on) { pencilAndPaper_ = on; }
  void SetTextLookup(TextLookup lookup) { langText_ = std::move(lookup); }
  void SetRecordStep(std::function<void()> recordStep) { recordStep_ = std::move(recordStep); }

  // Prepares a new opening of the hint window; the grid is loaded at the first step.
  void Reset();
  void LoadFromBoard();
  // Loads the givens of a puzzle string directly ("1".."9" given, any other character or a
  // missing one empty).
  void LoadPuzzle(std::string_view puzzle);
  void Place(int d, int k);         // in the grid only
  void PlaceOnBoard(int d, int k);  // in the grid and on the board
  void ApplyToBoard();

  void FindNextHint();  // the driver
  void NextStep();      // one step asked for by the player

  const std::string& HintText() const { return hintText_; }

  // Operations the techniques compose their findings with.
  void ShowHint(std::string text);
  void SetPendingPlacement(int d, int k);
  void Highlight(int k, Color color);
  void ClearHighlight();
  std::string MarkUnit(int first, int step);
  void AddCell(const std::string& item);
  std::string TakeCellList();
  void CountFinding(FindingKind kind);
  ChainSearch& chainSearch() { return *chains_; }

  // Candidate grid.
  std::array<Mask, kCells> Cand{};
  int SolvedCount = 0;
  std::array<Mask, 9> BoxLockMask{};  // by box number: digits locked candidates may examine

  // Step state.
  bool NeedLoad = true;
  bool Searching = false;  // the current step has made no finding yet
  bool HintPending = false;
  bool PendingPlacement = false;
  int PendingDigit = 0;
  int PendingCell = 0;
  EngineEnd EndState = EngineEnd::Running;
  int Score = 0;
  std::array<int, kFindingKinds> FindingCount{};

 private:
  void ResetGrid();
  void SettleEndState();

  TPICSD33* board_ = nullptr;
  bool pencilAndPaper_ = false;
  TextLookup langText_;
  std::function<void()> recordStep_;
  std::string hintText_;
  std::string cellList_;
  std::unique_ptr<ChainSearch> chains_;
};

}  // namespace vexlo::hints
