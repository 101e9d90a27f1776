#pragma once
// Captions of fixed width: the right-hand column is 107 pixels wide in every language, so a
// caption that does not fit takes a slightly smaller font instead of being cut off.

class QAbstractButton;

namespace vexlo::ui {

// Gives the radio button, check box or push button the largest font, from its parent's font
// down to 7 points, in which its caption fits its width.
void FitCaption(QAbstractButton* button);

}  // namespace vexlo::ui
