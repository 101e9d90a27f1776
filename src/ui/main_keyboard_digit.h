#pragma once
// The digit keys of the main keyboard, as opposed to the keypad's and to command shortcuts.

#include <QKeyEvent>

namespace vexlo::ui {

// 1..9 for a digit key of the main keyboard without a command modifier, else 0.
inline int MainKeyboardDigit(const QKeyEvent& key) {
  if (key.key() < Qt::Key_1 || key.key() > Qt::Key_9) return 0;
  if (key.modifiers() &
      (Qt::KeypadModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return 0;
  }
  return key.key() - Qt::Key_0;
}

}  // namespace vexlo::ui
