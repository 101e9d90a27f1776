#pragma once
// The printable page: the board as an HTML page of 201 lines in three paper sizes, with or
// without the candidates of the open cells.

#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "settings/language_table.h"

namespace vexlo {

enum class PrintStyle { Normal, WithCandidates };
enum class PaperSize { A4 = 0, A3 = 1, A2 = 2 };  // items of the "Paper Size" group

// The numbers that tell the six page builders apart.
struct PrintBuilder {
  PaperSize paper = PaperSize::A4;  // the sheet the browser is asked to print on
  bool withCandidates = false;
  int digitPoints = 22;              // font size of fixed digits and big numbers
  int candidatePoints = 7;           // font size of candidates
  int cellPixels = 60;               // cell width and height
  int rowLabelPixels = 60;           // height of the row labels A..I
  bool breakLongCandidates = false;  // more than six candidates wrap after the sixth
};

PrintBuilder PrintBuilderFor(PrintStyle style, PaperSize paper);

inline constexpr int kPrintPageLines = 201;
inline constexpr int kPrintHeadLine = 8;
inline constexpr int kPrintHeadingLine = 13;
inline constexpr int kPrintBylineLine = 14;

// The page template with its sample cell lines; lines are 1-based in the comments only.
std::vector<std::string> PrintTemplate(int rowLabelPixels);

// 1-based number of the first line from line 39 on that starts with "node" + row + column;
// 1 when there is none.
int FindCellLine(const std::vector<std::string>& page, int row, int col);

// The table cell of one board cell.
std::string CellMarkup(const PrintBuilder& builder, const TPicNode& cell);

// The finished page: the template with the character set line, the heading and by-line of
// the active language, and every cell line filled in. Its head names the builder's paper
// size, so that the browser prints on that sheet without the player choosing it again.
std::vector<std::string> BuildPrintPage(const TPICSD33& board, const PrintBuilder& builder,
                                        const LanguageTable& texts);

}  // namespace vexlo
