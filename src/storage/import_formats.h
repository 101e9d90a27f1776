#pragma once
// Puzzle text pasted into the import editor: recognising its format and loading it onto the
// Import-or-Create board. Texts are UTF-8; every count is of characters, not bytes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"

namespace vexlo {

enum class ImportFormat : int {
  Invalid = 0,
  Line81 = 1,         // 81 characters in one piece
  NineRows = 2,       // 81 characters once white space is left out
  Decorated = 3,      // digits and one blank character among any decoration
  CandidateGrid = 4,  // 82 or more digits: groups of candidates, one per cell
};

// Blank characters of the decorated format, in the order they are tried. Recognition knows
// the full-width question mark at place 10; the conversion tries "~" there first.
inline constexpr std::array<char32_t, 10> kBlankRecognitionOrder = {
    U'.', U'*', U'_', U'-', U'`', U',', U'x', U'X', U'?', U'\uFF1F'};
inline constexpr std::array<char32_t, 11> kBlankConversionOrder = {
    U'.', U'*', U'_', U'-', U'`', U',', U'x', U'X', U'?', U'~', U'\uFF1F'};

// The format of the editor's text, given as its lines (without line ends).
ImportFormat DetectImportFormat(const std::vector<std::string>& lines);

// Loads 81 characters, one per cell row-major: "1".."9" becomes a big number, anything else
// an open cell with its FreeDigits. Missing characters count as blanks.
void LoadGridFromText(TPICSD33& board, std::string_view text);

// The candidate groups of a candidate grid, one text per cell, row-major.
std::array<std::string, 81> SplitDigitGroups(const std::vector<std::string>& lines);

// The Import-or-Create board emptied: every cell open with all nine candidates.
void ClearImportBoard(TPICSD33& board);

// The import dialog's OK on the Import-or-Create board: recognise, convert and load, then mark
// a conflict. An unrecognised text loads nothing (the caller shows "Invalid format.").
ImportFormat ImportPuzzleText(TPICSD33& board, const std::vector<std::string>& lines);

}  // namespace vexlo
