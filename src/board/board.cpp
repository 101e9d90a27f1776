#include "board/board.h"

#include <algorithm>

namespace vexlo {

namespace {

// Digits 1..9, ascending, for which `keep` holds.
template <class Keep>
std::string DigitsWhere(Keep keep) {
  std::string out;
  for (char d = '1'; d <= '9'; ++d) {
    if (keep(d)) out += d;
  }
  return out;
}

bool Contains(const std::string& s, char d) { return s.find(d) != std::string::npos; }

bool IsSingleDigit(const std::string& s) { return s.size() == 1 && s[0] >= '1' && s[0] <= '9'; }

}  // namespace

TPICSD33::TPICSD33(BoardPreset preset) {
  ApplyPreset(preset);
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      TPicNode& c = cell(row, col);
      c.row = row;
      c.col = col;
      c.isError = false;
      c.state = CellState::BigNumber;
      c.digits.clear();
      c.background = BoxColor(row, col);
    }
  }
  LayoutCells();
  PaintAll();
}

void TPICSD33::ApplyPreset(BoardPreset preset) {
  UNFoucsColor1 = 16777215;
  UNFoucsColor2 = 16759739;
  FONTSize1 = 25;
  FONTSize2 = 25;
  FONTSize3 = 12;
  FONTColor1 = colors::kBlack;
  FONTColor2 = 16711680;
  FONTColor3 = 128;
  nd = 0;
  errorcolor = 732916;
  highcolor = 11654065;
  FontName = "Tahoma";
  outerBevelLowered = false;
  switch (preset) {
    case BoardPreset::Default:
      break;
    case BoardPreset::MainWindow:
    case BoardPreset::Solution:
      UNFoucsColor1 = UNFoucsColor2 = 14284791;
      FONTSize1 = FONTSize2 = 20;
      FONTSize3 = 10;
      FONTColor3 = colors::kBlack;
      errorcolor = 239;
      highcolor = 9813909;
      if (preset == BoardPreset::MainWindow) {
        FontName = "Arial";
        outerBevelLowered = true;
      }
      break;
    case BoardPreset::ImportCreate:
      FONTSize2 = 18;
      FONTSize3 = 10;
      FONTColor3 = 111666;
      errorcolor = 254;
      highcolor = 9813909;
      break;
  }
}

int TPICSD33::CellLeft(int col) {
  return (col - 1) * kCellSize + 2 + (col > 3 ? 2 : 0) + (col > 6 ? 2 : 0);
}

int TPICSD33::BoxOf(int row, int col) {
  if (row < 1 || row > 9 || col < 1 || col > 9) return 0;
  return 3 * ((row - 1) / 3) + (col - 1) / 3 + 1;
}

Color TPICSD33::BoxColor(int row, int col) const {
  return BoxOf(row, col) % 2 == 0 ? UNFoucsColor2 : UNFoucsColor1;
}

const TPICSD33::Peers& TPICSD33::PeersOf(int row, int col) {
  static const std::array<Peers, 81> table = [] {
    std::array<Peers, 81> t{};
    for (int r = 1; r <= 9; ++r) {
      for (int c = 1; c <= 9; ++c) {
        int n = 0;
        for (int pr = 1; pr <= 9; ++pr) {
          for (int pc = 1; pc <= 9; ++pc) {
            const bool shares = pr == r || pc == c || BoxOf(pr, pc) == BoxOf(r, c);
            if (shares && !(pr == r && pc == c)) t[Index(r, c)][n++] = {pr, pc};
          }
        }
      }
    }
    return t;
  }();
  return table[Index(row, col)];
}

bool TPICSD33::SetEnter(int row, int col, int digit, bool on) {
  TPicNode& c = cell(row, col);
  bool& flag = digit == 0 ? c.isEnter : c.panel(digit).isEnter;
  if (flag == on) return false;
  flag = on;
  Touch();
  return true;
}

void TPICSD33::LayoutCells() {
  // Positions follow from CellLeft/CellTop; only the coordinates are stored in the cells.
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      cell(row, col).row = row;
      cell(row, col).col = col;
    }
  }
  Touch();
}

void TPICSD33::PaintPlacedOf(TPicNode& c) const {
  const bool fixed = c.state == CellState::Fixed;
  c.fontSize = fixed ? FONTSize1 : FONTSize2;
  c.fontColor = fixed ? FONTColor1 : FONTColor2;
  c.caption = c.digits;
}

void TPICSD33::PaintAll() {
  for (TPicNode& c : cells_) {
    if (c.isError) {
      c.background = errorcolor;
    } else {
      c.setcolor(BoxColor(c.row, c.col));
    }
    if (c.state == CellState::Fixed || c.digits.size() == 1) {
      c.Hide();
      PaintPlacedOf(c);  // a one-character open cell is drawn as a big number too
    } else {
      c.caption.clear();
      c.setFontSize(FONTSize3);
      c.setFontColor(FONTColor3);
      c.showhxs();
    }
  }
  Touch();
}

void TPICSD33::PaintBaseOf(TPicNode& c) const {
  if (c.isError) {
    c.background = errorcolor;
  } else {
    c.caption.clear();
    c.background = BoxColor(c.row, c.col);
  }
}

void TPICSD33::PaintPencil() {
  for (TPicNode& c : cells_) {
    if (c.isAuto == 1) c.Hide();
    PaintBaseOf(c);
    if (c.state == CellState::Open) {
      c.showhxs();
    } else {
      PaintPlacedOf(c);
    }
  }
  Touch();
}

template <class ShowsCands>
void TPICSD33::PaintCandidates(ShowsCands shows) {
  for (TPicNode& c : cells_) {
    PaintBaseOf(c);
    if (c.state != CellState::Open) {
      PaintPlacedOf(c);
      c.Hide();
      continue;
    }
    c.caption.clear();
    c.setFontSize(FONTSize3);
    c.setFontColor(FONTColor3);
    if (shows(c)) {
      c.showhxs();
    } else {
      c.Hide();
    }
  }
  Touch();
}

void TPICSD33::PaintFiltered(const std::string& filter) {
  PaintCandidates([&filter](const TPicNode& c) {
    return c.digits.size() == 1 || std::any_of(filter.begin(), filter.end(),
                                               [&c](char d) { return Contains(c.digits, d); });
  });
}

void TPICSD33::PaintAllCands() {
  PaintCandidates([](const TPicNode&) { return true; });
}

void TPICSD33::PaintDigitCands(int digit) {
  PaintFiltered(std::string(1, static_cast<char>('0' + digit)));
}

void TPICSD33::HideOpenCands() {
  for (TPicNode& c : cells_) {
    if (c.digits.size() != 1) c.Hide();
  }
  Touch();
}

std::string TPICSD33::FreeDigits(int row, int col) const {
  std::string used;
  for (const auto& [r, c] : PeersOf(row, col)) {
    if (IsPlaced(cell(r, c))) used += cell(r, c).digits;
  }
  return DigitsWhere([&used](char d) { return !Contains(used, d); });
}

std::string TPICSD33::ReduceCands(int row, int col) const {
  std::string rest = cell(row, col).digits;
  for (const auto& [r, c] : PeersOf(row, col)) {
    if (IsPlaced(cell(r, c))) rest = RemoveChars(rest, cell(r, c).digits);
  }
  return DigitsWhere([&rest](char d) { return Contains(rest, d); });
}

std::string TPICSD33::RemoveChars(std::string s, const std::string& chars) {
  for (auto it = chars.rbegin(); it != chars.rend(); ++it) {
    const auto pos = s.find(*it);
    if (pos != std::string::npos) s.erase(pos, 1);
  }
  return s;
}

void TPICSD33::RemoveFromPeers(int row, int col) {
  const std::string& text = cell(row, col).digits;
  if (!IsSingleDigit(text)) return;
  const char d = text[0];
  for (const auto& [r, c] : PeersOf(row, col)) {
    TPicNode& peer = cell(r, c);
    if (peer.state == CellState::Fixed) continue;
    std::erase(peer.digits, d);
  }
  Touch();
}

void TPICSD33::RestoreToPeers(int row, int col, const std::string& t) {
  if (t.empty()) return;  // nothing to give back
  for (const auto& [r, c] : PeersOf(row, col)) {
    TPicNode& peer = cell(r, c);
    if (peer.state != CellState::Open) continue;
    if (FreeDigits(r, c).find(t) != std::string::npos && peer.digits.find(t) == std::string::npos) {
      peer.digits += t;
    }
  }
  Touch();
}

void TPICSD33::FindConflict() {
  // Only a placed digit can clash; an emptied big number holds nothing to compare.
  auto clashes = [this](const TPicNode& a, int r, int c) {
    const TPicNode& b = cell(r, c);
    return IsPlaced(b) && !b.digits.empty() && b.digits == a.digits;
  };
  TPicNode* first = nullptr;
  TPicNode* partner = nullptr;
  for (TPicNode& c : cells_) {
    if (!IsPlaced(c) || c.digits.empty()) continue;
    for (const auto& [r, col] : PeersOf(c.row, c.col)) {
      if (clashes(c, r, col)) partner = &cell(r, col);
    }
    if (partner != nullptr) {
      first = &c;
      break;
    }
  }
  for (TPicNode& c : cells_) c.isError = false;
  if (first != nullptr) {
    first->isError = true;
    partner->isError = true;
  }
  Touch();
}

bool TPICSD33::HasError() const {
  return std::any_of(cells_.begin(), cells_.end(), [](const TPicNode& c) { return c.isError; });
}

bool TPICSD33::IsSolved() {
  // A big number emptied by a candidate update leaves a blank cell: not a solution either.
  if (std::any_of(cells_.begin(), cells_.end(), [](const TPicNode& c) {
        return c.state == CellState::Open || !IsSingleDigit(c.digits);
      })) {
    return false;
  }
  FindConflict();
  return !HasError();
}

std::string TPICSD33::GetPuzzleString() const {
  std::string out;
  out.reserve(81);
  for (const TPicNode& c : cells_) {
    out += c.state == CellState::Fixed && IsSingleDigit(c.digits) ? c.digits[0] : '0';
  }
  return out;
}

}  // namespace vexlo
