#include "ui/appearance_color_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/qt_color.h"

namespace vexlo::ui {

AppearanceColorPanel::AppearanceColorPanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setFixedSize(kSize);
  setCursor(Qt::PointingHandCursor);
  // Reachable from the keyboard too: Tab to the swatch, Space opens the picker.
  setFocusPolicy(Qt::StrongFocus);
}

void AppearanceColorPanel::setColor(Color color) {
  color_ = color;
  update();
}

void AppearanceColorPanel::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(contentsRect(), ToQColor(color_));
    if (hovered_ || hasFocus()) {
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));
    }
  }
  QFrame::paintEvent(event);
}

void AppearanceColorPanel::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QFrame::enterEvent(event);
}

void AppearanceColorPanel::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QFrame::leaveEvent(event);
}

void AppearanceColorPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QFrame::mouseReleaseEvent(event);
}

void AppearanceColorPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) {
    emit clicked();
    return;
  }
  QFrame::keyPressEvent(event);
}

}  // namespace vexlo::ui
