#pragma once
// Chains: from "S is not D" the search follows alternating links between cell-digit statements;
// reaching "E is D" for another cell E shows that S or E is D, and D leaves every cell that
// sees both. Single-digit chains link through units, bivalue chains through two-candidate
// cells, general chains mix both. A depth-first walk with visit stamps, repeated under a
// growing limit on the number of cells in the chain.

#include <array>
#include <cstdint>

#include "hints/engine_grid.h"

namespace vexlo::hints {

class HintEngine;

enum class ChainKind : int { SingleDigit = 0, Bivalue = 1, General = 2 };

class ChainSearch {
 public:
  static constexpr int kMaxCells = 30;  // cells a chain may hold, so the highest depth limit

  // Forgets every visit mark (when the hint window opens).
  void ClearMarks();
  // The chain stage of the driver.
  void Run(HintEngine& engine);

 private:
  using DigitTable = std::array<std::array<std::uint8_t, kCells>, 9>;  // [d - 1][k]
  using StampTable = std::array<std::array<std::uint32_t, kCells>, 9>;

  void BuildTables();
  bool RunPhase(bool general);
  void Start(int s, int d, ChainKind kind);
  void VisitOff(int k, int d, int depth);
  void VisitOn(int k, int d, int depth);
  void Conclude(int depth);

  // Link tables of the grid at the start of the stage.
  std::array<std::array<std::array<std::uint8_t, 20>, kCells>, 9> weak_{};
  DigitTable weakCount_{};
  std::array<std::array<std::array<std::uint8_t, 3>, kCells>, 9> strong_{};
  DigitTable strongCount_{};
  std::array<CellSet, 9> holders_{};  // cells holding each digit
  // Visit marks: a node counts as reached in the current search when its mark is stamp_.
  StampTable onMark_{};
  StampTable offMark_{};
  std::uint32_t stamp_ = 0;

  // The current search.
  HintEngine* engine_ = nullptr;
  const Mask* cand_ = nullptr;
  int start_ = 0;
  int digit_ = 0;
  ChainKind kind_ = ChainKind::SingleDigit;
  int limit_ = 3;
  bool depthLimitHit_ = false;
  std::array<std::uint8_t, kMaxCells> path_{};  // oldest first: path_[0] is the start cell
};

}  // namespace vexlo::hints
