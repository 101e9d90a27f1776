#pragma once
// Asking the player for a colour. The program uses the platform's colour dialog; tests give
// a picker that answers from a script.

#include <QPointer>
#include <QWidget>
#include <optional>

#include "board/color.h"

namespace vexlo::ui {

class ColorPicker {
 public:
  virtual ~ColorPicker() = default;
  // The colour the player confirms, starting from `initial`; nothing when cancelled.
  virtual std::optional<Color> PickColor(Color initial) = 0;
};

class ColorDialogPicker : public ColorPicker {
 public:
  explicit ColorDialogPicker(QWidget* parent = nullptr) : parent_(parent) {}
  std::optional<Color> PickColor(Color initial) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace vexlo::ui
