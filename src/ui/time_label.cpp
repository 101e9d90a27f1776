#include "ui/time_label.h"

namespace vexlo::ui {

TTimeLabelView::TTimeLabelView(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
  setPalette(palette);
  QFont font = this->font();
  font.setBold(true);
  font.setPixelSize(15);
  setFont(font);
  ShowTime(TTimeLabel{});
}

void TTimeLabelView::ShowTime(const TTimeLabel& clock) {
  setText(QString::fromStdString(clock.caption()));
}

}  // namespace vexlo::ui
