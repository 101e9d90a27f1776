#pragma once
// The board as plain text for the clipboard, in four layouts meant for a fixed-width font.
// The framed layouts are read back by the import formats.

#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"

namespace vexlo {

enum class CopyLayout { NoCandidate, WithCandidates, Grid9x9, Line1x81 };

// The chooser's text with white space trimmed when that is one character, else ".". The
// result is one UTF-8 character.
std::string BlankCharacter(std::string_view chooserText);

// Before copying, every non-fixed cell with empty digits gets its FreeDigits, so that an
// empty board in "Pencil and Paper" still copies with candidates. Changes the board.
void FillEmptyCellsForCopy(TPICSD33& board);

// 13 lines of 49 characters: digits of fixed and big-number cells, the blank elsewhere; the
// frame characters are chosen so that they never equal the blank.
std::vector<std::string> BuildNoCandidate(const TPICSD33& board, std::string_view blank);

// 13 lines: every cell's digits (whatever its state, "." when empty) in columns as narrow as
// the content allows; all lines equally long.
std::vector<std::string> BuildWithCandidates(const TPICSD33& board);

// Nine lines of nine characters, and the same joined into one line of 81.
std::vector<std::string> Build9x9(const TPICSD33& board, std::string_view blank);
std::vector<std::string> Build1x81(const TPICSD33& board, std::string_view blank);

std::vector<std::string> BuildCopyLayout(const TPICSD33& board, CopyLayout layout,
                                         std::string_view blank);

// Whether a layout uses the chosen blank character (and shows the chooser).
bool LayoutUsesBlank(CopyLayout layout);

}  // namespace vexlo
