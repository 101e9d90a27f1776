#pragma once
// The key-value backend of the settings over QSettings in the platform's own format: the
// registry key HKEY_CURRENT_USER\SOFTWARE\Vexlo on Windows, the application's settings file
// elsewhere.

#include <QSettings>
#include <QString>
#include <memory>

#include "settings/key_value_store.h"

namespace vexlo::ui {

class QSettingsStore : public KeyValueStore {
 public:
  // The program's own settings location.
  QSettingsStore();
  // Settings kept in the INI file at filePath (tests, portable set-ups).
  explicit QSettingsStore(QString filePath);

  bool Exists() const override;
  std::optional<std::string> Read(const std::string& name) const override;
  bool Write(const std::vector<std::pair<std::string, std::string>>& values) override;

 private:
  // Opened afresh for every access so that each read sees what is stored now.
  std::unique_ptr<QSettings> Open() const;

  QString filePath_;  // empty: the program's own location
};

}  // namespace vexlo::ui
