#pragma once
// Sorts a rated puzzle into a bank level by what the hint engine needed to solve it, then
// keeps it only when its score lies in that level's band, so that the levels' score ranges
// follow each other without overlapping.

#include <array>
#include <optional>

#include "hints/batch_rating.h"

namespace vexlo::bankgen {

inline constexpr int kLevels = 5;

// Singles-only puzzles with at least this many givens are Very Easy; fewer make them Gentle.
inline constexpr int kVeryEasyMinGivens = 30;

// Highest score of each level; the last level has no ceiling. A level's band starts just
// above the previous level's ceiling.
inline constexpr std::array<int, kLevels - 1> kScoreCeiling = {60, 100, 250, 800};

// The level that the techniques call for, before the score band is checked:
//   0 singles only, many givens;  1 singles only, fewer givens, a hidden single among them;
//   2 locked candidates or subsets, nothing harder;
//   3 unique rectangles, single-digit or bivalue chains, no general chain, never stuck;
//   4 general chains, or stuck.
// Empty when the puzzle fits none (singles only without a hidden single, or no solution).
std::optional<int> TechniqueLevel(const hints::PuzzleRating& rating, int givens);

// The score band of a level: lowest and highest score it accepts.
int BandLow(int level);
int BandHigh(int level);

// The level a puzzle goes into: its technique level when its score is in that level's band.
std::optional<int> BankLevel(const hints::PuzzleRating& rating, int givens);

}  // namespace vexlo::bankgen
