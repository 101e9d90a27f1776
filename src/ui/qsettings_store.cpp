#include "ui/qsettings_store.h"

#include <QVariant>

namespace vexlo::ui {

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

std::unique_ptr<QSettings> QSettingsStore::Open() const {
  if (!filePath_.isEmpty()) return std::make_unique<QSettings>(filePath_, QSettings::IniFormat);
#ifdef Q_OS_WIN
  return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Vexlo"),
                                     QSettings::NativeFormat);
#else
  return std::make_unique<QSettings>();
#endif
}

bool QSettingsStore::Exists() const { return !Open()->childKeys().isEmpty(); }

std::optional<std::string> QSettingsStore::Read(const std::string& name) const {
  const QVariant value = Open()->value(QString::fromStdString(name));
  if (!value.isValid()) return std::nullopt;
  // Numbers written by other tools (a DWORD in the registry) read as their decimal text; a
  // list or other structure is not a setting of ours and reads as empty.
  if (value.typeId() == QMetaType::QStringList || !value.canConvert<QString>()) return "";
  return value.toString().toStdString();
}

bool QSettingsStore::Write(const std::vector<std::pair<std::string, std::string>>& values) {
  auto settings = Open();
  if (!settings->isWritable()) return false;
  for (const auto& [name, value] : values) {
    settings->setValue(QString::fromStdString(name), QString::fromStdString(value));
  }
  settings->sync();
  return settings->status() == QSettings::NoError;
}

}  // namespace vexlo::ui
