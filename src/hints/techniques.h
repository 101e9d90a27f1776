#pragma once
// The stages of the hint driver, in the order it tries them. Each runs only while the engine
// is still searching and stops at its first finding.

namespace vexlo::hints {

class HintEngine;

void HiddenSingles(HintEngine& engine);
void NakedSingles(HintEngine& engine);
void LockedCandidates(HintEngine& engine);
void Subsets(HintEngine& engine, int size);  // naked and hidden, size 2..4
void UniqueRectangles(HintEngine& engine);
void Chains(HintEngine& engine);

}  // namespace vexlo::hints
