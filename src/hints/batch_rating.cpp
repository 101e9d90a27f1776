#include "hints/batch_rating.h"

namespace vexlo::hints {

PuzzleRating RatePuzzle(HintEngine& engine, std::string_view puzzle,
                        const std::function<void(const HintEngine&)>& afterStep) {
  PuzzleRating rating;
  rating.puzzle = std::string(puzzle);
  engine.Reset();
  engine.FindingCount.fill(0);
  engine.LoadPuzzle(puzzle);
  while (engine.EndState == EngineEnd::Running) {
    engine.HintPending = false;  // nothing is ever written to a board
    if (engine.PendingPlacement) {
      engine.Place(engine.PendingDigit, engine.PendingCell);
      engine.Searching = false;
      engine.PendingPlacement = false;
    } else {
      engine.NextStep();
    }
    rating.steps.push_back({engine.HintText(), engine.Score});
    if (afterStep) afterStep(engine);
  }
  rating.score = engine.Score;
  rating.findingCount = engine.FindingCount;
  return rating;
}

PuzzleRating RatePuzzle(std::string_view puzzle) {
  HintEngine engine;
  return RatePuzzle(engine, puzzle);
}

std::string ReportLine(const PuzzleRating& rating) {
  std::string line = rating.puzzle + '\t' + std::to_string(rating.score);
  for (int count : rating.findingCount) line += '\t' + std::to_string(count);
  return line;
}

}  // namespace vexlo::hints
