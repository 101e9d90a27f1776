// The settings backend over QSettings: the nine appearance values under their own names, and
// files written by hand or by other tools read without harm.
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/appearance_settings.h"
#include "settings/appearance_store.h"
#include "ui/qsettings_store.h"

namespace {

using vexlo::AppearanceStore;
using vexlo::AppearanceValue;
using vexlo::ui::QSettingsStore;

AppearanceStore Defaults() {
  AppearanceStore store;
  vexlo::SetDefaultAppearance(store);
  return store;
}

class QSettingsStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VexloTest"));
    QCoreApplication::setApplicationName(QStringLiteral("VexloSettingsTest"));
    QSettings().clear();
    QSettings().sync();
  }

  void firstRunCreatesTheProgramSettingsWithTheNineDefaults() {
    QSettingsStore backend;
    QVERIFY(!backend.Exists());
    AppearanceStore store;
    vexlo::LoadAppearanceStore(store, backend);
    QVERIFY(backend.Exists());
    QCOMPARE(store.values, Defaults().values);

    QSettings settings;
    QCOMPARE(settings.value("reg_board_background_use_default").toString(), QString("1"));
    QCOMPARE(settings.value("reg_Board_color1").toString(), QString("13891060"));
    QCOMPARE(settings.value("reg_Font_color_Big").toString(), QString("16711680"));
    QCOMPARE(settings.value("reg_HighLight_color").toString(), QString("65535"));

    AppearanceStore changed = Defaults();
    changed[AppearanceValue::HighlightUseDefault] = "0";
    changed[AppearanceValue::HighlightColor] = "255";
    QVERIFY(vexlo::SaveAppearanceStore(changed, backend));
    AppearanceStore again;
    vexlo::LoadAppearanceStore(again, backend);
    QCOMPARE(again.values, changed.values);
  }

  void handEditedFileIsReadWithoutHarmAndHealed() {
    QTemporaryDir dir;
    const QString path = dir.filePath("appearance.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "[General]\n"
        "reg_board_background_use_default=0\n"
        "reg_Board_color1=255, 0, 0\n"                 // a list, not a number
        "reg_Board_color2=@Variant(\\0\\0\\0\\x7f)\n"  // a broken binary value
        "reg_Font_use_default=1\n"
        "reg_HighLight_color=yellow\n");
    file.close();

    QSettingsStore backend(path);
    QCOMPARE(backend.Read("reg_Board_color1").value_or("?"), std::string());
    AppearanceStore store;
    const vexlo::AppearanceSettings settings = vexlo::ReloadAppearance(store, backend);
    QVERIFY(settings.backgroundDefault);
    QCOMPARE(store.values, Defaults().values);
    QSettings healed(path, QSettings::IniFormat);
    QCOMPARE(healed.value("reg_Board_color1").toString(), QString("13891060"));
    QCOMPARE(healed.value("reg_HighLight_color").toString(), QString("65535"));
  }

  void unwritableLocationKeepsTheDefaultsForThisRun() {
    QSettingsStore backend(QStringLiteral("/proc/vexlo-none/appearance.ini"));
    AppearanceStore store;
    vexlo::LoadAppearanceStore(store, backend);
    QVERIFY(!backend.Exists());
    QCOMPARE(store.values, Defaults().values);
    QVERIFY(!vexlo::SaveAppearanceStore(store, backend));
  }
};

}  // namespace

QTEST_GUILESS_MAIN(QSettingsStoreTest)
#include "qsettings_store_test.moc"
