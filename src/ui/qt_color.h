#pragma once
// Colours of the engine (red in the lowest byte) as Qt colours and back.

#include <QColor>

#include "board/color.h"

namespace vexlo::ui {

inline QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Color FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

}  // namespace vexlo::ui
