#pragma once
// The marking colour grid: the sixteen standard colours in 4 x 4 swatches. A left click
// chooses the foreground colour, which is drawn with a frame.

#include <QWidget>

namespace vexlo::ui {

class ColorGrid : public QWidget {
  Q_OBJECT

 public:
  explicit ColorGrid(QWidget* parent = nullptr);

  int foregroundIndex() const { return foregroundIndex_; }
  void setForegroundIndex(int index);

 signals:
  void foregroundChosen(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRect SwatchRect(int index) const;

  int foregroundIndex_ = 0;
};

}  // namespace vexlo::ui
