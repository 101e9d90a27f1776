#pragma once
// Names of cells, units and digit lists as the hint texts write them (UTF-8).

#include <string>

#include "hints/engine_grid.h"

namespace vexlo::hints {

// Line break inside a hint text.
inline constexpr const char* kLineBreak = "\r\n";

// Row letter and board column of engine index k: index 1 is "A4".
std::string CellName(int k);

// "在行C", "在列5" or "在左上九宫格" for the unit (first, step) with step 1, 9 or 3.
std::string UnitName(int first, int step);

// The digit character of d (1..9) as a text.
std::string DigitText(int d);

// Digits of a mask in ascending order, run together ("38") or separated by commas ("3,8").
std::string DigitsPlain(Mask m);
std::string DigitsComma(Mask m);

}  // namespace vexlo::hints
