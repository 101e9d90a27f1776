#pragma once
// Icons of the tool buttons, taken from the Breeze icon theme so that the tool bars look the
// same whatever theme the desktop uses; the desktop theme serves when Breeze is missing.

#include <QIcon>
#include <QString>

namespace vexlo::ui {

// The icon of a freedesktop icon name such as "document-save".
QIcon ToolIcon(const QString& name);

}  // namespace vexlo::ui
