#pragma once
// The game's mouse button for a Qt mouse button; any other button counts as the left one.

#include <Qt>

#include "board/mouse_button.h"

namespace vexlo::ui {

inline MouseButton MouseButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

}  // namespace vexlo::ui
