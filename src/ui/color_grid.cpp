#include "ui/color_grid.h"

#include <QMouseEvent>
#include <QPainter>

#include "game/color_marks.h"
#include "ui/qt_color.h"

namespace vexlo::ui {

namespace {

constexpr int kColumns = 4;
constexpr int kRows = 4;

}  // namespace

ColorGrid::ColorGrid(QWidget* parent) : QWidget(parent) {
  setFixedSize(96, 100);
  setCursor(Qt::PointingHandCursor);
}

void ColorGrid::setForegroundIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kColorGridColors.size())) return;
  foregroundIndex_ = index;
  update();
}

QRect ColorGrid::SwatchRect(int index) const {
  const int w = width() / kColumns;
  const int h = height() / kRows;
  return QRect((index % kColumns) * w, (index / kColumns) * h, w, h);
}

void ColorGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int i = 0; i < static_cast<int>(kColorGridColors.size()); ++i) {
    const QRect swatch = SwatchRect(i).adjusted(2, 2, -2, -2);
    painter.fillRect(swatch, ToQColor(kColorGridColors[i]));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
  }
  // The chosen colour carries a double frame that shows on dark and light swatches alike.
  const QRect chosen = SwatchRect(foregroundIndex_).adjusted(0, 0, -1, -1);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(chosen);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(chosen.adjusted(1, 1, -1, -1));
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  for (int i = 0; i < static_cast<int>(kColorGridColors.size()); ++i) {
    if (SwatchRect(i).contains(event->position().toPoint())) {
      setForegroundIndex(i);
      emit foregroundChosen(i);
      return;
    }
  }
}

}  // namespace vexlo::ui
