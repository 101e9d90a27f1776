#include "storage/print_page.h"

namespace vexlo {

namespace {

constexpr std::string_view kCharsetLine =
    R"(<meta http-equiv="Content-Type" content="text/html;charset=utf8"></head><body bgcolor="white">)";

constexpr std::string_view kBoxStyle =
    "border: 1px solid rgb(0, 0, 0); background: rgb(255, 255, 255) none repeat scroll 0%; "
    "font-family: verdana; font-size: 8pt; -moz-background-clip: -moz-initial; "
    "-moz-background-origin: -moz-initial; -moz-background-inline-policy: -moz-initial;";

// Cell texts come from files a player may have edited; they never become markup.
std::string EscapeHtml(std::string_view text) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

// The nine boxes of one band of three, 16 lines each; cell lines start with "node" + row + col.
void AddBand(std::vector<std::string>& page, int band) {
  const char bandLetter = static_cast<char>('A' + band);
  for (int box = 0; box < 3; ++box) {
    const std::string name = std::string(1, bandLetter) + std::to_string(box + 1);
    const std::string id = band == 0 ? "A1" : name;
    page.push_back("<td style=\"" + std::string(kBoxStyle) + "\">");
    page.push_back("<table name=\"" + name + "\" id=\"" + id +
                   R"(" border="0" cellpadding="0" cellspacing="0"><tbody><tr>)");
    for (int r = 0; r < 3; ++r) {
      if (r > 0) page.push_back("</tr><tr>");
      for (int c = 0; c < 3; ++c) {
        const int row = band * 3 + r + 1;
        const int col = box * 3 + c + 1;
        page.push_back("node" + std::to_string(row) + std::to_string(col) + "<td>&nbsp;</td>");
      }
    }
    page.push_back("</tr></tbody>");
    page.push_back("</table>");
    page.push_back("</td>");
  }
}

// Browsers print on their default sheet (often Letter) unless the page asks for one; the A3
// and A2 boards would then run over two pages. Sizes in millimetres: CSS names no A2.
std::string PageStyle(PaperSize paper) {
  const char* size = paper == PaperSize::A2   ? "420mm 594mm"
                     : paper == PaperSize::A3 ? "297mm 420mm"
                                              : "210mm 297mm";
  return std::string("<style type=\"text/css\">@page { size: ") + size +
         "; margin: 12mm; }</style>";
}

}  // namespace

PrintBuilder PrintBuilderFor(PrintStyle style, PaperSize paper) {
  PrintBuilder builder;
  builder.paper = paper;
  builder.withCandidates = style == PrintStyle::WithCandidates;
  switch (paper) {
    case PaperSize::A4:
      break;
    case PaperSize::A3:
      builder.digitPoints = 50, builder.candidatePoints = 15;
      builder.cellPixels = builder.rowLabelPixels = 100;
      break;
    case PaperSize::A2:
      builder.digitPoints = 70, builder.candidatePoints = 20;
      builder.cellPixels = builder.rowLabelPixels = 115;
      builder.breakLongCandidates = builder.withCandidates;
      break;
  }
  return builder;
}

std::vector<std::string> PrintTemplate(int rowLabelPixels) {
  std::vector<std::string> page = {
      R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)",
      "",
      "",
      "",
      "",
      "<html><head>",
      "",
      R"(<meta name="generator" content="Vexlo"><title>Vexlo</title>)",
      "",
      R"(<meta http-equiv="Content-Type" content="text/html;charset=iso-8859-1"></head><body bgcolor="white">)",
      R"(<table border="0" cellpadding="0" cellspacing="0">)",
      R"(<tbody><tr><td colspan="2" align="left">)",
      "<font size=5>Sudoku</font><br>",
      "<font size=2>Vexlo</font>",
      "</td></tr>",
      R"(<tr><td width="10"></td><td valign="top">)",
      R"(<table border="0" cellpadding="0" cellspacing="0" width="100%">)",
  };
  for (int col = 1; col <= 9; ++col) {
    page.push_back(
        std::string(col == 1 ? "<tbody><tr>" : "") +
        R"(<td style="font-family: verdana; font-size: 8pt; color: rgb(0, 0, 0); text-align: center;">)" +
        std::to_string(col) + "</td>");
  }
  page.push_back("</tr></tbody></table></td></tr>");
  page.push_back(R"(<tr><td rowspan="3" width="10">)");
  page.push_back(R"(<table border="0" cellpadding="0" cellspacing="0">)");
  for (int row = 1; row <= 9; ++row) {
    page.push_back(std::string(row == 1 ? "<tbody>" : "") +
                   "<tr><td style=\"height: " + std::to_string(rowLabelPixels) +
                   "px;\" valign=\"middle\">" + static_cast<char>('A' + row - 1) + "</td></tr>");
  }
  page.push_back("</tbody></table></td>");
  page.push_back(R"(<td valign="top">)");
  page.push_back(
      R"(<table style="border: 2px solid black;" border="0" cellpadding="0" cellspacing="0">)");
  page.push_back("<tbody>");
  for (int band = 0; band < 3; ++band) {
    page.push_back("<tr>");
    AddBand(page, band);
    page.push_back("</tr>");
  }
  page.push_back("</tbody>");
  page.push_back("</table>");
  page.resize(198);  // lines 195 to 198 stay empty
  page.push_back("</td></tr></tbody></table>");
  page.push_back("</td></tr></tbody></table>");
  page.push_back("</body></html>");
  return page;
}

int FindCellLine(const std::vector<std::string>& page, int row, int col) {
  const std::string prefix = "node" + std::to_string(row) + std::to_string(col);
  for (std::size_t index = 38; index < page.size(); ++index) {
    if (page[index].starts_with(prefix)) return static_cast<int>(index) + 1;
  }
  return 1;
}

std::string CellMarkup(const PrintBuilder& builder, const TPicNode& cell) {
  const bool open = cell.state == CellState::Open;
  std::string content;
  if (!open) {
    content = EscapeHtml(cell.digits);
  } else {
    if (builder.withCandidates) {
      std::string candidates = EscapeHtml(cell.digits);
      if (builder.breakLongCandidates && cell.digits.size() > 6) {
        candidates =
            EscapeHtml(cell.digits.substr(0, 6)) + "<br/>" + EscapeHtml(cell.digits.substr(6));
      }
      content = candidates;
    }
    content += " &nbsp;";
  }
  const std::string size = std::to_string(builder.cellPixels) + "px";
  return "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: " +
         std::to_string(open ? builder.candidatePoints : builder.digitPoints) +
         "pt; color: " + (cell.state == CellState::BigNumber ? "blue" : "black") +
         "; width: " + size + "; height: " + size +
         "; text-align: " + (open ? "left; vertical-align: top;" : "center;") + "\">" + content +
         "</td>";
}

std::vector<std::string> BuildPrintPage(const TPICSD33& board, const PrintBuilder& builder,
                                        const LanguageTable& texts) {
  std::vector<std::string> page = PrintTemplate(builder.rowLabelPixels);
  page[kPrintHeadLine - 1] += PageStyle(builder.paper);
  page[9] = std::string(kCharsetLine);
  page[kPrintHeadingLine - 1] = texts.LangText("frmprintselect.sudoku");
  page[kPrintBylineLine - 1] = texts.LangText("frmprintselect.sudokuby");
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const int line = FindCellLine(page, row, col);
      page[static_cast<std::size_t>(line) - 1] = CellMarkup(builder, board.cell(row, col));
    }
  }
  return page;
}

}  // namespace vexlo
