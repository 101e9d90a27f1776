#include "ui/tool_icons.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace vexlo::ui {

namespace {

// Where icon themes live: Qt's own list (empty of system folders without a desktop
// platform theme) and the "icons" folder of every XDG data folder.
QStringList IconRoots() {
  QStringList roots = QIcon::themeSearchPaths();
  for (const QString& data :
       QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    roots << data + QStringLiteral("/icons");
  }
  roots.removeDuplicates();
  return roots;
}

}  // namespace

QIcon ToolIcon(const QString& name) {
  static const QStringList roots = IconRoots();
  QIcon icon;
  for (const QString& root : roots) {
    for (const char* size : {"16", "22", "32"}) {
      const QString file = QStringLiteral("%1/breeze/actions/%2/%3.svg").arg(root, size, name);
      if (QFileInfo::exists(file)) icon.addFile(file);
    }
    if (!icon.isNull()) return icon;
  }
  return QIcon::fromTheme(name);
}

}  // namespace vexlo::ui
