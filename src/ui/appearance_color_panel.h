#pragma once
// A small sunken swatch that shows one colour of the Appearance dialog and asks for another
// when clicked. The frame thickens while the mouse is over it.

#include <QFrame>

#include "board/color.h"

namespace vexlo::ui {

class AppearanceColorPanel : public QFrame {
  Q_OBJECT

 public:
  explicit AppearanceColorPanel(QWidget* parent = nullptr);

  Color color() const { return color_; }
  void setColor(Color color);  // emits nothing

  static constexpr QSize kSize{38, 15};
  QSize sizeHint() const override { return kSize; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Color color_ = 0;
  bool hovered_ = false;
};

}  // namespace vexlo::ui
