#pragma once
// A slow, step-by-step backtracking solver kept only to check the real one: it walks the
// grid exactly as the plain algorithm does (first empty cell, digits ascending, naked and
// hidden singles after every guess, a full copy of the grid per guess). A node cap turns
// hopeless searches into "undecided".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/solver.h"

namespace vexlo::testing {

inline constexpr long kDefaultNodeCap = 200000;

// nullopt when the search needed more than `nodeCap` guesses.
std::optional<SolveResult> ReferenceSolve(std::string_view text, long nodeCap = kDefaultNodeCap);
std::optional<UniquenessResult> ReferenceCheckUniqueness(std::string_view givens,
                                                         UniquenessCaller caller,
                                                         long nodeCap = kDefaultNodeCap);

// Puzzle files of the public sets: every line, or `count` lines spread evenly over the file.
std::vector<std::string> ReadPuzzleFile(const std::string& name, std::size_t count = 0);

}  // namespace vexlo::testing
