// The bank the program carries: every line is a sound puzzle in normal form, no puzzle is
// carried twice, and the hint engine's own rating puts every line in the level it sits in.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <set>
#include <string>

#include "core/grid.h"
#include "core/puzzle_bank.h"
#include "core/solver.h"
#include "hints/batch_rating.h"

namespace vexlo {
namespace {

using hints::FindingKind;

int CountOf(const hints::PuzzleRating& rating, FindingKind kind) {
  return rating.findingCount[static_cast<int>(kind)];
}

bool AnyOf(const hints::PuzzleRating& rating, std::initializer_list<FindingKind> kinds) {
  return std::any_of(kinds.begin(), kinds.end(),
                     [&](FindingKind kind) { return CountOf(rating, kind) > 0; });
}

// What each level takes, as the README's section on levels states it.
struct LevelRule {
  int lowScore, highScore;
  bool (*fits)(const hints::PuzzleRating&, int givens);
};

bool SinglesOnly(const hints::PuzzleRating& rating, int givens) {
  return CountOf(rating, FindingKind::HiddenSingle) + CountOf(rating, FindingKind::NakedSingle) ==
             81 - givens &&
         !AnyOf(rating, {FindingKind::LockedCandidates, FindingKind::NakedSubset,
                         FindingKind::HiddenSubset, FindingKind::RectangleOneCorner,
                         FindingKind::RectangleOneBox, FindingKind::RectangleTwoBoxes,
                         FindingKind::GeneralChain, FindingKind::SingleDigitChain,
                         FindingKind::BivalueChain, FindingKind::Stuck});
}

bool NoChainNoStuck(const hints::PuzzleRating& r) {
  return !AnyOf(r, {FindingKind::GeneralChain, FindingKind::Stuck});
}

bool NothingPastSubsets(const hints::PuzzleRating& r) {
  return NoChainNoStuck(r) &&
         !AnyOf(r, {FindingKind::RectangleOneCorner, FindingKind::RectangleOneBox,
                    FindingKind::RectangleTwoBoxes, FindingKind::SingleDigitChain,
                    FindingKind::BivalueChain});
}

const std::array<LevelRule, kBankLevels> kRules = {{
    {0, 60, [](const hints::PuzzleRating& r, int givens) { return givens >= 30 && SinglesOnly(r, givens); }},
    {61, 100,
     [](const hints::PuzzleRating& r, int givens) {
       return givens < 30 && SinglesOnly(r, givens) && CountOf(r, FindingKind::HiddenSingle) > 0;
     }},
    {101, 250,
     [](const hints::PuzzleRating& r, int) {
       return NothingPastSubsets(r) && AnyOf(r, {FindingKind::LockedCandidates, FindingKind::NakedSubset,
                                                 FindingKind::HiddenSubset});
     }},
    {251, 800,
     [](const hints::PuzzleRating& r, int) {
       return NoChainNoStuck(r) && !NothingPastSubsets(r);
     }},
    {801, INT_MAX,
     [](const hints::PuzzleRating& r, int) { return !NoChainNoStuck(r); }},
}};

int Givens(const std::string& puzzle) {
  return static_cast<int>(std::count_if(puzzle.begin(), puzzle.end(), [](char c) { return c != '0'; }));
}

TEST(bank, EveryLineIsAUniquePuzzleInNormalFormAndCarriedOnce) {
  std::set<std::string> everywhere;
  for (int level = 0; level < kBankLevels; ++level) {
    const auto list = Tfrmtk::Builtin().List(level);
    EXPECT_GE(list.size(), 1000u) << "level " << level;
    std::set<std::string> inList;
    for (const std::string& line : list) {
      ASSERT_TRUE(IsBankLineText(line)) << line;
      const std::string solution = BankLineSolution(line);
      EXPECT_TRUE(IsValidSolution(solution)) << line;
      EXPECT_EQ(solution.substr(0, 9), "123456789") << line;
      const UniquenessResult check = CheckUniqueness(BankLinePuzzle(line), UniquenessCaller::MainWindow);
      EXPECT_EQ(check.result, Uniqueness::Unique) << line;
      EXPECT_EQ(check.s1, solution) << line;
      EXPECT_TRUE(inList.insert(line).second) << "twice in level " << level << ": " << line;
      EXPECT_TRUE(everywhere.insert(BankLinePuzzle(line)).second) << "in two levels: " << line;
    }
  }
}

TEST(bank, TheEngineRatesEveryLineIntoItsLevel) {
  hints::HintEngine engine;
  for (int level = 0; level < kBankLevels; ++level) {
    const LevelRule& rule = kRules[level];
    int lowest = INT_MAX, highest = INT_MIN;
    for (const std::string& line : Tfrmtk::Builtin().List(level)) {
      const std::string puzzle = BankLinePuzzle(line);
      const hints::PuzzleRating rating = hints::RatePuzzle(engine, puzzle);
      EXPECT_TRUE(rule.fits(rating, Givens(puzzle))) << "level " << level << ": " << ReportLine(rating);
      lowest = std::min(lowest, rating.score);
      highest = std::max(highest, rating.score);
    }
    EXPECT_GE(lowest, rule.lowScore) << "level " << level;
    EXPECT_LE(highest, rule.highScore) << "level " << level;
    // A level's scores spread over a range rather than sitting on one value.
    EXPECT_LT(lowest, highest) << "level " << level;
  }
}

}  // namespace
}  // namespace vexlo
