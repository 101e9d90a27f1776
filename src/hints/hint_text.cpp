#include "hints/hint_text.h"

#include <array>
#include <string_view>

namespace vexlo::hints {
namespace {

constexpr std::string_view kRowNames = "ABCDEFGHI";
constexpr std::string_view kColumnNames = "147258369";  // by position
constexpr std::array<std::string_view, 9> kBoxNames = {"左上", "中上", "右上", "左中", "中间",
                                                       "右中", "左下", "中下", "右下"};

std::string Digits(Mask m, std::string_view separator) {
  std::string text;
  for (int d = 1; d <= 9; ++d) {
    if (!Holds(m, d)) continue;
    if (!text.empty()) text += separator;
    text += static_cast<char>('0' + d);
  }
  return text;
}

}  // namespace

std::string CellName(int k) { return {kRowNames[RowOf(k)], kColumnNames[PosOf(k)]}; }

std::string UnitName(int first, int step) {
  switch (step) {
    case 1:
      return std::string("在行") + kRowNames[first / 9];
    case 9:
      return std::string("在列") + kColumnNames[first % 9];
    default:
      return std::string("在") + std::string(kBoxNames[BoxOfIndex(first)]) + "九宫格";
  }
}

std::string DigitText(int d) { return std::string(1, static_cast<char>('0' + d)); }

std::string DigitsPlain(Mask m) { return Digits(m, ""); }
std::string DigitsComma(Mask m) { return Digits(m, ","); }

}  // namespace vexlo::hints
