// The batch rating: report line, step log, score arithmetic, and soundness on public puzzles.

#include <gtest/gtest.h>

#include <sstream>

#include "core/solver.h"
#include "hints/batch_rating.h"
#include "hints_fixture.h"

namespace vexlo::hints {
namespace {

using testing::ReadPuzzles;

constexpr int kPoints[kFindingKinds] = {1, 10, 5, 20, 40, 30, 50, 50, 250, 50, 100, 800};

// The first puzzle of magictour_top1465; the engine ends stuck on it.
constexpr const char* kHardPuzzle =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

TEST(BatchRating, ReportLineHoldsPuzzleScoreAndTwelveCounts) {
  const PuzzleRating rating = RatePuzzle(kHardPuzzle);
  const std::vector<std::string> fields = SplitTabs(ReportLine(rating));
  ASSERT_EQ(fields.size(), 14u);
  EXPECT_EQ(fields[0], kHardPuzzle);
  EXPECT_EQ(fields[1], std::to_string(rating.score));
  for (int i = 0; i < kFindingKinds; ++i) {
    EXPECT_EQ(fields[2 + i], std::to_string(rating.findingCount[i]));
  }
  // Ending stuck counts once.
  EXPECT_EQ(rating.findingCount[11], 1);
  EXPECT_EQ(rating.steps.back().text, StuckText());
  EXPECT_EQ(rating.steps.back().score, rating.score);
}

TEST(BatchRating, PlacementStepRepeatsTheTextOfItsSingle) {
  const PuzzleRating rating = RatePuzzle(kHardPuzzle);
  ASSERT_GE(rating.steps.size(), 2u);
  EXPECT_EQ(rating.steps[0].text, "在左下九宫格, I3 一定是 7");
  EXPECT_EQ(rating.steps[1].text, rating.steps[0].text);
  EXPECT_EQ(rating.steps[1].score, 1);
}

TEST(BatchRating, ScoreIsTheSumOfThePointsOfEveryFinding) {
  HintEngine engine;
  for (const std::string& puzzle : ReadPuzzles("17_clue.txt", 40, 97)) {
    const PuzzleRating rating = RatePuzzle(engine, puzzle);
    int sum = 0;
    for (int i = 0; i < kFindingKinds; ++i) sum += rating.findingCount[i] * kPoints[i];
    EXPECT_EQ(rating.score, sum) << puzzle;
  }
  // Three hidden singles and two naked singles, for example, score 3 x 1 + 2 x 10 = 23.
  engine.Reset();
  for (FindingKind kind :
       {FindingKind::HiddenSingle, FindingKind::NakedSingle, FindingKind::HiddenSingle,
        FindingKind::NakedSingle, FindingKind::HiddenSingle}) {
    engine.CountFinding(kind);
  }
  EXPECT_EQ(engine.Score, 23);
}

TEST(BatchRating, FindingCountsStartAtZeroForEveryPuzzle) {
  HintEngine engine;
  const PuzzleRating first = RatePuzzle(engine, kHardPuzzle);
  const PuzzleRating second = RatePuzzle(engine, kHardPuzzle);
  EXPECT_EQ(second.findingCount, first.findingCount);
  EXPECT_EQ(second.score, first.score);
}

TEST(BatchRating, PuzzlesWithoutASolutionEnd) {
  for (const std::string& puzzle : ReadPuzzles("pathological_nosolution.txt", 4)) {
    const PuzzleRating rating = RatePuzzle(puzzle);
    EXPECT_NE(rating.steps.back().text, kSolvedText) << puzzle;
  }
}

// Rates every uniquely solvable puzzle of the sample and checks every step against the
// solution: no single places a wrong digit, no step removes a solution digit, and a run that
// ends solved leaves exactly the solution. Returns the number of runs that ended solved.
int ExpectSound(const std::vector<std::string>& puzzles) {
  HintEngine engine;
  int solvedRuns = 0;
  for (const std::string& puzzle : puzzles) {
    std::string solution;
    if (CountSolutions(puzzle, 2, &solution) != 1) continue;
    std::string placed = puzzle;
    bool sound = true;
    const auto check = [&](const HintEngine& e) {
      if (e.PendingPlacement) {
        const int row = RowOf(e.PendingCell) + 1;
        const int col = BoardColOfPos(PosOf(e.PendingCell));
        const std::size_t at = static_cast<std::size_t>(9 * (row - 1) + col - 1);
        placed[at] = static_cast<char>('0' + e.PendingDigit);
        sound = sound && placed[at] == solution[at];
      }
      for (int k = 0; k < kCells && sound; ++k) {
        const std::size_t at = static_cast<std::size_t>(9 * RowOf(k) + BoardColOfPos(PosOf(k)) - 1);
        sound = e.Cand[k] != 0 ? Holds(e.Cand[k], solution[at] - '0')
                               : placed[at] >= '1' && placed[at] <= '9';
      }
    };
    const PuzzleRating rating = RatePuzzle(engine, puzzle, check);
    EXPECT_TRUE(sound) << puzzle << "\n" << rating.steps.back().text;
    if (rating.steps.back().text == kSolvedText) {
      EXPECT_EQ(placed, solution) << puzzle;
      ++solvedRuns;
    }
  }
  return solvedRuns;
}

TEST(BatchRating, SoundOnHardPuzzles) {
  EXPECT_GT(ExpectSound(ReadPuzzles("magictour_top1465.txt", 300, 5)), 0);
  ExpectSound(ReadPuzzles("forum_hardest_1106.txt", 375));  // all of them end stuck
}

TEST(BatchRating, SoundOnOtherPublicSets) {
  EXPECT_GT(ExpectSound(ReadPuzzles("17_clue.txt", 300, 163)), 0);
  ExpectSound(ReadPuzzles("forum_hardest_1905_11plus.txt", 200, 243));
}

}  // namespace
}  // namespace vexlo::hints
