#pragma once
// The game clock's label: bold lime-green digits on black. The owner's timer ticks the pure
// clock and shows its caption here.

#include <QLabel>

#include "board/time_label.h"

namespace vexlo::ui {

class TTimeLabelView : public QLabel {
  Q_OBJECT

 public:
  explicit TTimeLabelView(QWidget* parent = nullptr);

  void ShowTime(const TTimeLabel& clock);
};

}  // namespace vexlo::ui
