#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/mouse_button_of.h"
#include "ui/qt_color.h"

namespace vexlo::ui {

namespace {

constexpr QColor kBevelLight(255, 255, 255);
constexpr QColor kBevelShadow(160, 160, 160);
constexpr QColor kHoverPen(255, 0, 0);


// Font sizes are points at 96 dots per inch; pixel sizes keep the layout the same on every
// screen, and the painter scales them with the device pixel ratio.
QFont FontOf(const std::string& family, int pointSize) {
  QFont font(QString::fromStdString(family));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0))));
  return font;
}

// One-pixel outline covering x in [left, right) and y in [top, bottom), like a GDI rectangle
// drawn with a one-pixel pen and no brush.
void Outline(QPainter& p, int left, int top, int right, int bottom, const QColor& color) {
  const int w = right - left;
  const int h = bottom - top;
  p.fillRect(left, top, w, 1, color);
  p.fillRect(left, bottom - 1, w, 1, color);
  p.fillRect(left, top, 1, h, color);
  p.fillRect(right - 1, top, 1, h, color);
}

// One-pixel bevel of a panel of size w x h at (x, y): light top and left lines, shaded bottom
// and right lines (raised), or the other way round (lowered).
void Bevel(QPainter& p, int x, int y, int w, int h, bool raised) {
  const QColor& topLeft = raised ? kBevelLight : kBevelShadow;
  const QColor& bottomRight = raised ? kBevelShadow : kBevelLight;
  p.fillRect(x, y, 1, h, topLeft);
  p.fillRect(x, y, w - 1, 1, topLeft);
  p.fillRect(x + w - 1, y, 1, h, bottomRight);
  p.fillRect(x + 1, y + h - 1, w - 1, 1, bottomRight);
}

void Caption(QPainter& p, const QRect& r, const std::string& text, const std::string& family,
             int size, Color color) {
  if (text.empty()) return;
  p.setFont(FontOf(family, size));
  p.setPen(ToQColor(color));
  p.drawText(r, Qt::AlignCenter, QString::fromStdString(text));
}

// The cell (1..9) whose span along one axis holds coordinate v, or 0 on a line between boxes.
int CellAlong(int v) {
  for (int i = 1; i <= 9; ++i) {
    const int start = TPICSD33::CellLeft(i);
    if (v >= start && v < start + TPICSD33::kCellSize) return i;
  }
  return 0;
}

}  // namespace

BoardView::BoardView(TPICSD33& board, QWidget* parent) : QWidget(parent), board_(board) {
  setFixedSize(TPICSD33::kBoardSize, TPICSD33::kBoardSize);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize BoardView::sizeHint() const { return {TPICSD33::kBoardSize, TPICSD33::kBoardSize}; }

QRect BoardView::CellRect(int row, int col) {
  return {TPICSD33::CellLeft(col), TPICSD33::CellTop(row), TPICSD33::kCellSize,
          TPICSD33::kCellSize};
}

QRect BoardView::PanelRect(int row, int col, int digit) {
  const QRect cell = CellRect(row, col);
  return {cell.left() + PanelLeft(digit), cell.top() + PanelTop(digit), kPanelSize, kPanelSize};
}

BoardHit BoardView::HitAt(QPoint pos) const {
  const int row = CellAlong(pos.y());
  const int col = CellAlong(pos.x());
  if (row == 0 || col == 0) return {};
  const TPicNode& cell = board_.cell(row, col);
  for (int d = 1; d <= 9; ++d) {
    if (cell.panel(d).visible && PanelRect(row, col, d).contains(pos)) return {row, col, d};
  }
  return {row, col, 0};
}

void BoardView::refresh() {
  if (board_.revision() != paintedRevision_) update();
}

void BoardView::paintEvent(QPaintEvent* /*event*/) {
  paintedRevision_ = board_.revision();
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  Bevel(p, 0, 0, width(), height(), !board_.outerBevelLowered);
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) PaintCell(p, board_.cell(row, col));
  }
}

void BoardView::PaintCell(QPainter& p, const TPicNode& cell) const {
  const QRect r = CellRect(cell.row, cell.col);
  const int size = TPICSD33::kCellSize;
  p.fillRect(r, ToQColor(cell.background));
  Bevel(p, r.left(), r.top(), size, size, true);
  Caption(p, r.adjusted(1, 1, -1, -1), cell.caption, board_.FontName, cell.fontSize,
          cell.fontColor);
  // A cell's frame stops two pixels above its bottom edge.
  if (cell.isEnter) {
    Outline(p, r.left() + 1, r.top() + 1, r.left() + size - 2, r.top() + size - 2, kHoverPen);
  }
  for (int d = 1; d <= 9; ++d) {
    const CandidatePanel& panel = cell.panel(d);
    if (!panel.visible) continue;
    const QRect pr = PanelRect(cell.row, cell.col, d);
    p.fillRect(pr, ToQColor(panel.background));
    Caption(p, pr, std::string(1, static_cast<char>('0' + d)), TPICSD33::kPanelFontName,
            panel.fontSize, panel.fontColor);
    // A panel's frame reaches its bottom edge.
    if (panel.isEnter) {
      Outline(p, pr.left() + 1, pr.top() + 1, pr.left() + kPanelSize - 2, pr.top() + kPanelSize,
              kHoverPen);
    }
  }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  const BoardHit hit = HitAt(event->position().toPoint());
  const MouseButton button = MouseButtonOf(event->button());
  if (hit.isPanel()) {
    emit panelMouseDown(hit.row, hit.col, hit.digit, button);
  } else if (hit.isCell()) {
    emit cellMouseDown(hit.row, hit.col, button);
  }
}

void BoardView::mouseMoveEvent(QMouseEvent* event) { HoverTo(HitAt(event->position().toPoint())); }

void BoardView::leaveEvent(QEvent* /*event*/) { HoverTo({}); }

void BoardView::HoverTo(const BoardHit& hit) {
  if (hit == hover_) return;
  const BoardHit old = hover_;
  hover_ = hit;
  if (old.isPanel()) emit panelLeft(old.row, old.col, old.digit);
  if (old.isCell()) emit cellLeft(old.row, old.col);
  if (hit.isPanel()) emit panelEntered(hit.row, hit.col, hit.digit);
  if (hit.isCell()) emit cellEntered(hit.row, hit.col);
}

}  // namespace vexlo::ui
