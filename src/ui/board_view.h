#pragma once
// Draws a board model (cells, candidate panels, hover frames) pixel for pixel at its fixed
// 422 x 422 geometry and reports what the mouse does over it. It keeps no game state: the
// owner changes the model and calls refresh().

#include <QWidget>

#include "board/board.h"
#include "board/mouse_button.h"

namespace vexlo::ui {

// What lies under a point of the board: a cell, or one of its visible candidate panels.
struct BoardHit {
  int row = 0;  // 0: a line between cells or the margin
  int col = 0;
  int digit = 0;  // 1..9 for a candidate panel, 0 for the cell itself
  bool isCell() const { return row != 0 && digit == 0; }
  bool isPanel() const { return row != 0 && digit != 0; }
  bool operator==(const BoardHit&) const = default;
};

class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(TPICSD33& board, QWidget* parent = nullptr);

  TPICSD33& board() const { return board_; }

  // Panel geometry inside a cell: digits 1-3 on top, 7-9 at the bottom, like a phone keypad.
  static constexpr int kPanelSize = 13;
  static int PanelLeft(int digit) { return 2 + (digit - 1) % 3 * 14; }
  static int PanelTop(int digit) { return 2 + (digit - 1) / 3 * 14; }

  BoardHit HitAt(QPoint pos) const;
  static QRect CellRect(int row, int col);
  static QRect PanelRect(int row, int col, int digit);

  QSize sizeHint() const override;

 public slots:
  // Repaints once when the model changed since the last paint.
  void refresh();

 signals:
  void cellMouseDown(int row, int col, vexlo::MouseButton button);
  void panelMouseDown(int row, int col, int digit, vexlo::MouseButton button);
  void cellEntered(int row, int col);
  void cellLeft(int row, int col);
  void panelEntered(int row, int col, int digit);
  void panelLeft(int row, int col, int digit);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void HoverTo(const BoardHit& hit);
  void PaintCell(QPainter& p, const TPicNode& cell) const;

  TPICSD33& board_;
  std::uint64_t paintedRevision_ = ~std::uint64_t{0};
  BoardHit hover_;  // where the last enter was reported
};

}  // namespace vexlo::ui
