#pragma once
// The sample position of the appearance preview: fixed digits, big numbers and candidate
// cells side by side, so every colour the player picks shows at once.

#include "board/board.h"

namespace vexlo {

// Puts the sample position on the board and repaints it.
void FillAppearanceSample(TPICSD33& board);

// The preview marks the cells holding exactly "5" in the board's highlight colour.
void HighlightAppearanceSample(TPICSD33& board);

}  // namespace vexlo
