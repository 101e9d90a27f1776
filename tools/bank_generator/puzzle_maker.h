#pragma once
// Random puzzles with exactly one solution, built with the engine's solver.

#include <string>

#include "core/random_engine.h"

namespace vexlo::bankgen {

// A random complete grid: random digits go into random cells while a solution remains,
// until only one remains.
std::string RandomSolution(RandomSource& rng);

// Removes givens of `solution` in random order while the puzzle keeps one solution; the
// result is minimal (no given can go).
std::string MinimalPuzzle(const std::string& solution, RandomSource& rng);

// Puts back random givens from `solution` until `puzzle` has `givens` of them.
std::string WithGivens(std::string puzzle, const std::string& solution, int givens,
                       RandomSource& rng);

// The bank line of puzzle and solution with digits renamed so that the solution's first
// row reads 123456789.
std::string NormalBankLine(const std::string& puzzle, const std::string& solution);

int CountGivens(const std::string& puzzle);

}  // namespace vexlo::bankgen
