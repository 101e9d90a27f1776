#include "ui/color_picker.h"

#include <QColorDialog>

#include "ui/qt_color.h"

namespace vexlo::ui {

std::optional<Color> ColorDialogPicker::PickColor(Color initial) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

}  // namespace vexlo::ui
