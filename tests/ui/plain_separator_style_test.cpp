// Menu separators keep "-" as their caption, yet the menu shows only a line.

#include <QAction>
#include <QMenu>
#include <QtTest>

#include "ui/plain_separator_style.h"

namespace {

QImage MenuPicture(const QString& separatorCaption) {
  QMenu menu;
  menu.addAction(QStringLiteral("Open"));
  QAction* separator = menu.addSeparator();
  separator->setText(separatorCaption);
  menu.addAction(QStringLiteral("Close"));
  menu.adjustSize();
  return menu.grab().toImage();
}

class PlainSeparatorStyleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setStyle(new vexlo::ui::PlainSeparatorStyle); }

  void captionedSeparatorLooksLikeAPlainOne() {
    QCOMPARE(MenuPicture(QStringLiteral("-")), MenuPicture(QString()));
  }
};

}  // namespace

QTEST_MAIN(PlainSeparatorStyleTest)
#include "plain_separator_style_test.moc"
