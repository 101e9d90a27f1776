// Hint engine speed: a step that finds a single or a subset, the full batch rating of a
// puzzle per public set, and the slowest single step over the hard sets (it runs in a click).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "hints/batch_rating.h"
#include "hints/hint_engine.h"

namespace {

using vexlo::hints::FindingKind;
using vexlo::hints::HintEngine;

std::vector<std::string> LoadSet(const std::string& name) {
  std::ifstream in(std::string(VEXLO_PUZZLE_DIR) + "/" + name);
  std::vector<std::string> puzzles;
  for (std::string line; std::getline(in, line);) {
    if (line.size() >= 81) puzzles.push_back(line);
  }
  return puzzles;
}

// The grid and step state of an engine, to replay one step many times.
struct Snapshot {
  decltype(HintEngine::Cand) cand;
  decltype(HintEngine::BoxLockMask) lock;
  int solved = 0;

  explicit Snapshot(const HintEngine& e)
      : cand(e.Cand), lock(e.BoxLockMask), solved(e.SolvedCount) {}
  void Restore(HintEngine& e) const {
    e.Cand = cand;
    e.BoxLockMask = lock;
    e.SolvedCount = solved;
    e.HintPending = false;
    e.PendingPlacement = false;
  }
};

// Walks the rating of the hard set's puzzles and keeps the state before the first step whose
// finding is of `kind`.
Snapshot FindStepBefore(HintEngine& engine, FindingKind kind) {
  const int index = static_cast<int>(kind);
  for (const std::string& puzzle : LoadSet("magictour_top1465.txt")) {
    engine.Reset();
    engine.FindingCount.fill(0);
    engine.LoadPuzzle(puzzle);
    while (engine.EndState == vexlo::hints::EngineEnd::Running) {
      engine.HintPending = false;
      if (engine.PendingPlacement) {
        engine.Place(engine.PendingDigit, engine.PendingCell);
        engine.PendingPlacement = false;
        continue;
      }
      const Snapshot before(engine);
      const int count = engine.FindingCount[index];
      engine.NextStep();
      if (engine.FindingCount[index] > count) return before;
    }
  }
  return Snapshot(engine);
}

void StepFinding(benchmark::State& state, FindingKind kind) {
  HintEngine engine;
  const Snapshot before = FindStepBefore(engine, kind);
  for (auto _ : state) {
    before.Restore(engine);
    engine.NextStep();
    benchmark::DoNotOptimize(engine.Score);
  }
}
BENCHMARK_CAPTURE(StepFinding, hidden_single, FindingKind::HiddenSingle);
BENCHMARK_CAPTURE(StepFinding, naked_single, FindingKind::NakedSingle);
BENCHMARK_CAPTURE(StepFinding, locked_candidates, FindingKind::LockedCandidates);
BENCHMARK_CAPTURE(StepFinding, naked_subset, FindingKind::NakedSubset);
BENCHMARK_CAPTURE(StepFinding, hidden_subset, FindingKind::HiddenSubset);
BENCHMARK_CAPTURE(StepFinding, general_chain, FindingKind::GeneralChain);

// Processor time of this thread in milliseconds: on a shared machine the wall clock would
// count the time other programs ran.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// One puzzle per iteration, round robin over the set: the time is the mean per puzzle; the
// counters give the median and the slowest puzzle.
void FullRating(benchmark::State& state, const std::string& set) {
  const std::vector<std::string> puzzles = LoadSet(set);
  HintEngine engine;
  std::vector<double> perPuzzle;
  std::size_t next = 0;
  for (auto _ : state) {
    const double start = CpuMs();
    benchmark::DoNotOptimize(vexlo::hints::RatePuzzle(engine, puzzles[next]).score);
    perPuzzle.push_back(CpuMs() - start);
    next = (next + 1) % puzzles.size();
  }
  std::sort(perPuzzle.begin(), perPuzzle.end());
  state.counters["median_ms"] = perPuzzle[perPuzzle.size() / 2];
  state.counters["slowest_puzzle_ms"] = perPuzzle.back();
}

// Every step of every puzzle of the set timed alone; the counter is the slowest. Reading the
// clock costs a little per step, so the figure is a slight overestimate.
void SlowestStep(benchmark::State& state, const std::string& set) {
  const std::vector<std::string> puzzles = LoadSet(set);
  HintEngine engine;
  double slowest = 0;
  for (auto _ : state) {
    for (const std::string& puzzle : puzzles) {
      double last = CpuMs();
      vexlo::hints::RatePuzzle(engine, puzzle, [&](const HintEngine&) {
        const double now = CpuMs();
        slowest = std::max(slowest, now - last);
        last = now;
      });
    }
  }
  state.counters["slowest_step_ms"] = slowest;
}

#define RATING_BENCHMARKS(name, iterations)                       \
  BENCHMARK_CAPTURE(FullRating, name, std::string(#name ".txt"))  \
      ->Iterations(iterations)                                    \
      ->Unit(benchmark::kMicrosecond);                            \
  BENCHMARK_CAPTURE(SlowestStep, name, std::string(#name ".txt")) \
      ->Iterations(1)                                             \
      ->Unit(benchmark::kMillisecond)

RATING_BENCHMARKS(magictour_top1465, 1465);
RATING_BENCHMARKS(forum_hardest_1106, 375);

BENCHMARK_CAPTURE(FullRating, forum_hardest_1905_11plus,
                  std::string("forum_hardest_1905_11plus.txt"))
    ->Iterations(5000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullRating, 17_clue, std::string("17_clue.txt"))
    ->Iterations(5000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FullRating, serg_benchmark, std::string("serg_benchmark.txt"))
    ->Iterations(5000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
