// bank_generator: writes the five level lists of the puzzle bank.
//   bank_generator [--seed N] [--count N] [--out DIR]
// The same seed gives the same bank. Every line has one solution, its solution's first row
// is 123456789, and no puzzle occurs twice in the whole bank.
//
// Levels come from a grade (RateLevel); swapping in another grader is the only change a
// finer rating needs.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/random_engine.h"
#include "core/solver.h"
#include "puzzle_maker.h"
#include "technique_rater.h"

namespace {

using namespace vexlo;
using namespace vexlo::bankgen;

constexpr int kLevels = 5;

// Easy levels get extra givens: a relaxed start for new players.
struct LevelShape {
  int minGivens;
  int maxGivens;
};
constexpr std::array<LevelShape, kLevels> kShapes = {{{28, 32}, {25, 28}, {0, 0}, {0, 0}, {0, 0}}};

int RateLevel(const std::string& puzzle) { return static_cast<int>(RateByTechniques(puzzle)); }

struct Options {
  std::uint64_t seed = 2026;
  std::size_t count = 250;
  std::string out = "data/bank";
};

bool Parse(int argc, char* argv[], Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i], value = argv[i + 1];
    if (name == "--seed") {
      options.seed = std::strtoull(value.c_str(), nullptr, 10);
    } else if (name == "--count") {
      options.count = std::strtoul(value.c_str(), nullptr, 10);
    } else if (name == "--out") {
      options.out = value;
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && options.count > 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::cerr << "usage: bank_generator [--seed N] [--count N] [--out DIR]\n";
    return 2;
  }
  RandomEngine rng(options.seed);
  std::array<std::vector<std::string>, kLevels> lists;
  std::set<std::string> seen;
  std::size_t made = 0;
  auto full = [&] {
    for (const auto& list : lists) {
      if (list.size() < options.count) return false;
    }
    return true;
  };
  while (!full()) {
    const std::string solution = RandomSolution(rng);
    std::string puzzle = MinimalPuzzle(solution, rng);
    ++made;
    int level = RateLevel(puzzle);
    const LevelShape shape = kShapes[level];
    if (shape.maxGivens > 0) {
      puzzle = WithGivens(puzzle, solution, rng.Uniform(shape.minGivens, shape.maxGivens), rng);
      level = RateLevel(puzzle);
    }
    if (lists[level].size() >= options.count) continue;
    const std::string line = NormalBankLine(puzzle, solution);
    if (!seen.insert(BankLinePuzzle(line)).second) continue;
    lists[level].push_back(line);
  }
  for (int level = 0; level < kLevels; ++level) {
    const std::string path = options.out + "/level" + std::to_string(level) + ".txt";
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lists[level]) out << line << '\n';
    if (!out) {
      std::cerr << "bank_generator: cannot write " << path << "\n";
      return 1;
    }
  }
  std::cerr << "made " << made << " puzzles for " << kLevels << " lists of " << options.count << "\n";
  return 0;
}
