#pragma once
// One digit counter under the board: a small vertical bar, 0..9, that counts how often its
// digit stands on the board. It reports mouse presses and the mouse entering and leaving,
// so that a click on the bar can select the digit and the status bar can explain it.

#include <QProgressBar>

#include "board/color.h"

namespace vexlo::ui {

class Tmousepb : public QProgressBar {
  Q_OBJECT

 public:
  explicit Tmousepb(QWidget* parent = nullptr);

  // The bar's colour as a colour number (red in the lowest byte).
  void setBarColor(Color color);
  Color barColor() const { return barColor_; }

 signals:
  void pressed(Qt::MouseButton button);
  void entered();
  void left();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  Color barColor_ = 0;
};

}  // namespace vexlo::ui
