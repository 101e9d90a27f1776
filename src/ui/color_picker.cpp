#include "ui/color_picker.h"

#include <QColorDialog>

namespace vexlo::ui {

std::optional<Color> ColorDialogPicker::PickColor(Color initial) {
  const QColor chosen =
      QColorDialog::getColor(QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return Rgb(chosen.red(), chosen.green(), chosen.blue());
}

}  // namespace vexlo::ui
