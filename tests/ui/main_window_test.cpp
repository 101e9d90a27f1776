#include <QtTest>

#include "ui/main_window.h"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void hasTitle() {
    vexlo::ui::MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Vexlo 5.0 正式版"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
