// bank_generator: writes the five level lists of the puzzle bank.
//   bank_generator [--seed N] [--sizes A,B,C,D,E] [--out DIR] [--survey N]
// The same seed and sizes give the same bank. Every line has one solution, its solution's
// first row is 123456789, and no puzzle occurs twice in the whole bank. Each puzzle is rated
// by the hint engine and filed by level_grade's rules. --survey N prints the rating of N
// minimal puzzles (givens, score, finding counts) instead of writing a bank.
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/random_engine.h"
#include "hints/batch_rating.h"
#include "level_grade.h"
#include "puzzle_maker.h"

namespace {

using namespace vexlo;
using namespace vexlo::bankgen;

struct Options {
  std::uint64_t seed = 2026;
  std::array<std::size_t, kLevels> sizes = {3858, 4238, 1508, 3842, 4849};
  std::string out = "data/bank";
  std::size_t survey = 0;
};

bool ParseSizes(const std::string& text, std::array<std::size_t, kLevels>& sizes) {
  std::istringstream in(text);
  std::string item;
  for (std::size_t& size : sizes) {
    if (!std::getline(in, item, ',')) return false;
    size = std::strtoul(item.c_str(), nullptr, 10);
  }
  return !std::getline(in, item, ',');
}

bool Parse(int argc, char* argv[], Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i], value = argv[i + 1];
    if (name == "--seed") {
      options.seed = std::strtoull(value.c_str(), nullptr, 10);
    } else if (name == "--sizes") {
      if (!ParseSizes(value, options.sizes)) return false;
    } else if (name == "--out") {
      options.out = value;
    } else if (name == "--survey") {
      options.survey = std::strtoul(value.c_str(), nullptr, 10);
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

// The five lists being filled, with the puzzles already taken anywhere.
class Bank {
 public:
  explicit Bank(const std::array<std::size_t, kLevels>& sizes) : sizes_(sizes) {}

  bool Full(int level) const { return lists_[level].size() >= sizes_[level]; }
  bool Full() const {
    for (int level = 0; level < kLevels; ++level) {
      if (!Full(level)) return false;
    }
    return true;
  }

  // Rates the puzzle and files it when its level still wants puzzles.
  void Offer(hints::HintEngine& engine, const std::string& puzzle, const std::string& solution) {
    // The rating follows the digits' names, so the stored form is what gets rated.
    const std::string line = NormalBankLine(puzzle, solution);
    const std::string stored = BankLinePuzzle(line);
    const std::optional<int> level = BankLevel(hints::RatePuzzle(engine, stored), CountGivens(stored));
    if (!level || Full(*level)) return;
    if (!seen_.insert(stored).second) return;
    lists_[*level].push_back(line);
  }

  std::string Progress() const {
    std::string text;
    for (const auto& list : lists_) text += ' ' + std::to_string(list.size());
    return text;
  }

  bool Write(const std::string& folder) const {
    for (int level = 0; level < kLevels; ++level) {
      const std::string path = folder + "/level" + std::to_string(level) + ".txt";
      const std::string temp = path + ".part";
      {
        std::ofstream out(temp, std::ios::binary);
        for (const std::string& line : lists_[level]) out << line << '\n';
        if (!out.flush()) {
          std::cerr << "bank_generator: cannot write " << temp << "\n";
          return false;
        }
      }
      if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::cerr << "bank_generator: cannot replace " << path << "\n";
        return false;
      }
    }
    return true;
  }

 private:
  std::array<std::size_t, kLevels> sizes_;
  std::array<std::vector<std::string>, kLevels> lists_;
  std::set<std::string> seen_;
};

void Survey(std::size_t count, RandomSource& rng) {
  hints::HintEngine engine;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string puzzle = MinimalPuzzle(RandomSolution(rng), rng);
    const hints::PuzzleRating rating = hints::RatePuzzle(engine, puzzle);
    std::cout << CountGivens(puzzle) << '\t' << ReportLine(rating) << '\n';
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::cerr << "usage: bank_generator [--seed N] [--sizes A,B,C,D,E] [--out DIR] [--survey N]\n";
    return 2;
  }
  RandomEngine rng(options.seed);
  if (options.survey > 0) {
    Survey(options.survey, rng);
    return 0;
  }
  const auto start = std::chrono::steady_clock::now();
  hints::HintEngine engine;
  Bank bank(options.sizes);
  std::size_t solutions = 0;
  while (!bank.Full()) {
    const std::string solution = RandomSolution(rng);
    const std::string minimal = MinimalPuzzle(solution, rng);
    ++solutions;
    // The minimal puzzle feeds the hard levels; the same puzzle with givens put back feeds
    // the singles-only levels.
    bank.Offer(engine, minimal, solution);
    const int least = CountGivens(minimal) + 1;
    if (!bank.Full(1) && least < kVeryEasyMinGivens) {
      bank.Offer(engine, WithGivens(minimal, solution, rng.Uniform(least, kVeryEasyMinGivens - 1), rng), solution);
    }
    if (!bank.Full(0)) {
      bank.Offer(engine, WithGivens(minimal, solution, rng.Uniform(kVeryEasyMinGivens, 36), rng), solution);
    }
    if (solutions % 1000 == 0) std::cerr << solutions << ":" << bank.Progress() << "\n";
  }
  if (!bank.Write(options.out)) return 1;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cerr << "bank_generator: " << solutions << " solutions in " << seconds << " s, lists"
            << bank.Progress() << "\n";
  return 0;
}
