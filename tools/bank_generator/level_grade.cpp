#include "level_grade.h"

#include <algorithm>
#include <limits>

namespace vexlo::bankgen {
namespace {

using hints::FindingKind;

int Count(const hints::PuzzleRating& rating, FindingKind kind) {
  return rating.findingCount[static_cast<int>(kind)];
}

bool NeedsAny(const hints::PuzzleRating& rating, FindingKind first, FindingKind last) {
  const auto begin = rating.findingCount.begin();
  return std::any_of(begin + static_cast<int>(first), begin + static_cast<int>(last) + 1,
                     [](int n) { return n > 0; });
}

}  // namespace

std::optional<int> TechniqueLevel(const hints::PuzzleRating& rating, int givens) {
  if (!rating.steps.empty() && rating.steps.back().text == hints::kNoSolutionText) {
    return std::nullopt;
  }
  if (NeedsAny(rating, FindingKind::GeneralChain, FindingKind::GeneralChain) ||
      Count(rating, FindingKind::Stuck) > 0) {
    return 4;
  }
  if (NeedsAny(rating, FindingKind::RectangleOneCorner, FindingKind::BivalueChain)) return 3;
  if (NeedsAny(rating, FindingKind::LockedCandidates, FindingKind::HiddenSubset)) return 2;
  // Singles only from here on; a rating that ends anywhere but solved fits no level.
  const int placed = Count(rating, FindingKind::HiddenSingle) + Count(rating, FindingKind::NakedSingle);
  if (placed + givens != 81) return std::nullopt;
  if (givens >= kVeryEasyMinGivens) return 0;
  if (Count(rating, FindingKind::HiddenSingle) > 0) return 1;
  return std::nullopt;
}

int BandLow(int level) { return level == 0 ? 0 : kScoreCeiling[level - 1] + 1; }

int BandHigh(int level) {
  return level == kLevels - 1 ? std::numeric_limits<int>::max() : kScoreCeiling[level];
}

std::optional<int> BankLevel(const hints::PuzzleRating& rating, int givens) {
  const std::optional<int> level = TechniqueLevel(rating, givens);
  if (!level || rating.score < BandLow(*level) || rating.score > BandHigh(*level)) {
    return std::nullopt;
  }
  return level;
}

}  // namespace vexlo::bankgen
