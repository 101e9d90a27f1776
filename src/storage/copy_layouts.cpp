#include "storage/copy_layouts.h"

#include "storage/utf8.h"

namespace vexlo {

namespace {

std::string Repeat(std::string_view piece, int count) {
  std::string result;
  for (int k = 0; k < count; ++k) result += piece;
  return result;
}

std::string PadLeft(const std::string& content, std::size_t width) {
  const std::size_t length = Utf8Length(content);
  return length >= width ? content : std::string(width - length, ' ') + content;
}

std::string TrimWhite(std::string_view text) {
  std::u32string chars = Utf8ToUtf32(text);
  while (!chars.empty() && chars.front() <= 32) chars.erase(chars.begin());
  while (!chars.empty() && chars.back() <= 32) chars.pop_back();
  return Utf32ToUtf8(chars);
}

// What a cell shows where the layout has room for one character: the digit of a fixed or
// big-number cell; the blank for an open cell and for any cell without exactly one digit.
std::string CellCharacter(const TPicNode& cell, std::string_view blank) {
  if (cell.state != CellState::Open) {
    std::string digits = TrimWhite(cell.digits);
    if (Utf8Length(digits) == 1) return digits;
  }
  return std::string(blank);
}

struct Frame {
  std::string edge;       // top and bottom line
  std::string separator;  // between the bands of boxes
  std::string bar;        // around and between the boxes of a row
};

Frame FrameFor(std::string_view blank) {
  auto separator = [](std::string_view end, std::string_view dash, std::string_view joint) {
    const std::string run = Repeat(dash, 15);
    return std::string(end) + run + std::string(joint) + run + std::string(joint) + run +
           std::string(end);
  };
  if (blank == "*") return {Repeat("-", 49), separator("|", "-", "+"), "|"};
  if (blank == "+") return {"*" + Repeat("-", 47) + "*", separator("|", "-", ":"), "|"};
  if (blank == "|") return {"*" + Repeat("-", 47) + "*", separator(":", "-", "+"), ":"};
  if (blank == "-") return {"*" + Repeat("~", 47) + "*", separator("|", "~", "+"), "|"};
  return {"*" + Repeat("-", 47) + "*", separator("|", "-", "+"), "|"};
}

// Top line, rows 1-3, separator, rows 4-6, separator, rows 7-9, bottom line; each row is the
// bar, three fields, the bar, three fields, the bar, three fields, the bar.
template <typename FieldOf>
std::vector<std::string> FramedGrid(const std::string& edge, const std::string& separator,
                                    const std::string& bar, FieldOf fieldOf) {
  std::vector<std::string> lines{edge};
  for (int row = 1; row <= 9; ++row) {
    std::string line = bar;
    for (int col = 1; col <= 9; ++col) {
      line += fieldOf(row, col);
      if (col % 3 == 0) line += bar;
    }
    lines.push_back(line);
    if (row == 3 || row == 6) lines.push_back(separator);
  }
  lines.push_back(edge);
  return lines;
}

bool IsRowLine(std::size_t index) { return index != 0 && index != 4 && index != 8 && index != 12; }

// Character at 1-based `position` of a row line is a blank; past the end counts as no blank.
bool BlankAt(const std::string& line, std::size_t position) {
  return position >= 1 && position <= line.size() && line[position - 1] == ' ';
}

// Narrows the columns: wherever every row line has three blanks around a position, the
// character there goes from all 13 lines; repeated until nothing more goes.
void Compact(std::vector<std::string>& lines) {
  bool changed = true;
  while (changed) {
    changed = false;
    if (lines[0].size() < 3) return;
    for (std::size_t n = lines[0].size() - 3; n > 2; --n) {
      const std::size_t i = n - 1;
      bool allBlank = true;
      for (std::size_t index = 0; index < lines.size() && allBlank; ++index) {
        if (!IsRowLine(index)) continue;
        allBlank = BlankAt(lines[index], i) && BlankAt(lines[index], i + 1) &&
                   BlankAt(lines[index], i + 2);
      }
      if (!allBlank) continue;
      for (std::string& line : lines) {
        if (n <= line.size()) line.erase(n - 1, 1);
      }
      changed = true;
    }
  }
}

}  // namespace

std::string BlankCharacter(std::string_view chooserText) {
  const std::string trimmed = TrimWhite(chooserText);
  return Utf8Length(trimmed) == 1 ? trimmed : std::string(".");
}

void FillEmptyCellsForCopy(TPICSD33& board) {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      TPicNode& cell = board.cell(row, col);
      if (cell.digits.empty() && cell.state != CellState::Fixed) {
        cell.digits = board.FreeDigits(row, col);
      }
    }
  }
  board.Touch();
}

std::vector<std::string> BuildNoCandidate(const TPICSD33& board, std::string_view blank) {
  const Frame frame = FrameFor(blank);
  return FramedGrid(frame.edge, frame.separator, frame.bar, [&](int row, int col) {
    return PadLeft(CellCharacter(board.cell(row, col), blank), 5);
  });
}

std::vector<std::string> BuildWithCandidates(const TPICSD33& board) {
  const std::string run = Repeat("-", 30);
  std::vector<std::string> lines =
      FramedGrid("*" + Repeat("-", 92) + "*", "|" + run + "+" + run + "+" + run + "|", "|",
                 [&](int row, int col) {
                   const std::string& digits = board.cell(row, col).digits;
                   return PadLeft(digits.empty() ? std::string(".") : digits, 10);
                 });
  Compact(lines);
  return lines;
}

std::vector<std::string> Build9x9(const TPICSD33& board, std::string_view blank) {
  std::vector<std::string> lines;
  for (int row = 1; row <= 9; ++row) {
    std::string line;
    for (int col = 1; col <= 9; ++col) line += CellCharacter(board.cell(row, col), blank);
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Build1x81(const TPICSD33& board, std::string_view blank) {
  std::string line;
  for (const std::string& row : Build9x9(board, blank)) line += row;
  return {line};
}

std::vector<std::string> BuildCopyLayout(const TPICSD33& board, CopyLayout layout,
                                         std::string_view blank) {
  switch (layout) {
    case CopyLayout::WithCandidates:
      return BuildWithCandidates(board);
    case CopyLayout::Grid9x9:
      return Build9x9(board, blank);
    case CopyLayout::Line1x81:
      return Build1x81(board, blank);
    case CopyLayout::NoCandidate:
      break;
  }
  return BuildNoCandidate(board, blank);
}

bool LayoutUsesBlank(CopyLayout layout) { return layout != CopyLayout::WithCandidates; }

}  // namespace vexlo
