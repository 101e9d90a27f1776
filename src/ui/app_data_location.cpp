#include "ui/app_data_location.h"

#include <QDir>
#include <QStandardPaths>

namespace vexlo::ui {

std::string AppDataRoot() {
#ifdef Q_OS_WIN
  QString root = qEnvironmentVariable("APPDATA");
  if (root.isEmpty()) root = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
  const QString root = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
  return QDir::toNativeSeparators(QDir::cleanPath(root)).toStdString();
}

}  // namespace vexlo::ui
