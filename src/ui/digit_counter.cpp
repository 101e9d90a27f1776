#include "ui/digit_counter.h"

#include <QMouseEvent>

namespace vexlo::ui {

Tmousepb::Tmousepb(QWidget* parent) : QProgressBar(parent) {
  setOrientation(Qt::Vertical);
  setRange(0, 9);
  setValue(0);
  setTextVisible(false);
  setFixedSize(11, 57);
  setCursor(Qt::PointingHandCursor);
  setBarColor(colors::kBlue);
}

void Tmousepb::setBarColor(Color color) {
  if (color == barColor_ && !styleSheet().isEmpty()) return;
  barColor_ = color;
  // A style sheet paints the chunk in the same colour under every widget style.
  setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid #8c8c8c; background: #f0f0f0; }"
                               "QProgressBar::chunk { background: rgb(%1, %2, %3); }")
                    .arg(RedOf(color))
                    .arg(GreenOf(color))
                    .arg(BlueOf(color)));
}

void Tmousepb::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->button());
  event->accept();
}

void Tmousepb::enterEvent(QEnterEvent* event) {
  QProgressBar::enterEvent(event);
  emit entered();
}

void Tmousepb::leaveEvent(QEvent* event) {
  QProgressBar::leaveEvent(event);
  emit left();
}

}  // namespace vexlo::ui
