// The main window: its controls, its layout, start-up in Chinese, new game and restart from
// the tool bar, and the Language menu.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "scripted_prompt_fixture.h"
#include "settings/language_active.h"
#include "ui/digit_counter.h"
#include "ui/main_window.h"

namespace {

using vexlo::ui::TForm1;

using ScriptedPrompt = vexlo::testing::ScriptedQtPrompt;

// Every control and menu item that the window's commands and texts address by name.
const char* const kNamedWidgets[] = {"sd991",
                                     "TimeLabel1",
                                     "ndtxt",
                                     "sb1",
                                     "Panel1",
                                     "grpshowcandidates",
                                     "grpColorPanel",
                                     "rb_none",
                                     "rb_one",
                                     "rb_all",
                                     "cbautoupdate",
                                     "chkcolor",
                                     "colorgrid1",
                                     "bt_clearcolor",
                                     "bthelp1",
                                     "bthelp2",
                                     "lbl1",
                                     "WC_Label",
                                     "ToolBar1",
                                     "ToolBar2",
                                     "btDisplayYourGameList",
                                     "btsave",
                                     "btprintableBoard",
                                     "btimport",
                                     "btCreateVeryEasy",
                                     "btCreateGentle",
                                     "btCreateModerate",
                                     "btCreateTough",
                                     "btCreateDiabolical",
                                     "btRestart",
                                     "btsolve",
                                     "btcopy",
                                     "btsavepic",
                                     "btcheck",
                                     "btShowhint",
                                     "btStartBranch",
                                     "btAccept",
                                     "btRejectBranch",
                                     "btfirst",
                                     "btback",
                                     "btnext",
                                     "btlast",
                                     "ToolButton1"};

const char* const kMenuItems[] = {"mnFile",
                                  "mnSaveCurrentBoard",
                                  "mnDisplayYourGameList1",
                                  "mnPrintableBoard",
                                  "mnImportSudoku",
                                  "N5",
                                  "mnContinue",
                                  "N18",
                                  "mnExit",
                                  "mnNewGame",
                                  "mnVeryEasy",
                                  "mnGentle",
                                  "mnModerate",
                                  "mnTough",
                                  "mnDiabolical",
                                  "N1",
                                  "mnDisplayYourGameList2",
                                  "mnTools",
                                  "mnAppearance",
                                  "N2",
                                  "savet",
                                  "mnLoadReplay",
                                  "N3",
                                  "mnCopyPuzzleToClipboard",
                                  "mnHelp",
                                  "mnContent",
                                  "N15",
                                  "mnC1",
                                  "mnC2",
                                  "mnC3",
                                  "mnC4",
                                  "N4",
                                  "mnAbout",
                                  "mnLanguage",
                                  "mnLangChinese",
                                  "mnLangEnglish",
                                  "mnLangJapanese"};

QString Zh(const char* key) {
  static const vexlo::LanguageTable table = vexlo::BuiltInTable(vexlo::Language::Chinese);
  return QString::fromStdString(table.LangText(key));
}

int CounterSum(TForm1& window) {
  int sum = 0;
  for (int d = 1; d <= 9; ++d) {
    sum += window.findChild<vexlo::ui::Tmousepb*>(QStringLiteral("ProgressBar%1").arg(d))->value();
  }
  return sum;
}

// The hidden dialog of that name among the program's windows.
QWidget* TopLevel(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name)) return widget;
  }
  return nullptr;
}

QPoint ClientPos(TForm1& window, const char* name) {
  auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
  return widget->mapTo(&window, QPoint(0, 0)) - QPoint(0, window.menuBar()->height());
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dataRoot_;
  ScriptedPrompt prompt_;

  std::unique_ptr<TForm1> MakeWindow() {
    auto window = std::make_unique<TForm1>(&prompt_, dataRoot_.path().toStdString());
    window->show();
    return window;
  }

  static void Click(TForm1& window, const char* name) {
    auto* button = window.findChild<QToolButton*>(QString::fromLatin1(name));
    QVERIFY(button != nullptr);
    button->click();
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VexloTest"));
    QCoreApplication::setApplicationName(QStringLiteral("VexloTest"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vexlo 5.0 正式版"));
    QSettings().clear();
  }

  void everyNamedControlIsThere() {
    auto window = MakeWindow();
    for (const char* name : kNamedWidgets) {
      QVERIFY2(window->findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
    }
    for (const char* name : kMenuItems) {
      QVERIFY2(window->findChild<QAction*>(QString::fromLatin1(name)) != nullptr, name);
    }
    for (int d = 1; d <= 9; ++d) {
      auto* digit = window->findChild<QToolButton*>(QStringLiteral("disnote%1").arg(d));
      QVERIFY(digit != nullptr && digit->isCheckable());
      QCOMPARE(digit->text(), QString::number(d));
      auto* counter =
          window->findChild<vexlo::ui::Tmousepb*>(QStringLiteral("ProgressBar%1").arg(d));
      QVERIFY(counter != nullptr);
      QCOMPARE(counter->size(), QSize(11, 57));
      QCOMPARE(counter->maximum(), 9);
      QCOMPARE(counter->orientation(), Qt::Vertical);
    }
    for (const char* name : {"btsave", "btCreateTough", "btlast", "ToolButton1"}) {
      QVERIFY2(!window->findChild<QToolButton*>(QString::fromLatin1(name))->icon().isNull(), name);
    }
  }

  void layoutFollowsTheDesign() {
    auto window = MakeWindow();
    QCOMPARE(window->width(), 593);
    QCOMPARE(window->height() - window->menuBar()->height(), 540);
    QCOMPARE(ClientPos(*window, "Panel1"), QPoint(6, 31));
    QCOMPARE(window->findChild<QWidget*>(QStringLiteral("Panel1"))->size(), QSize(466, 462));
    QCOMPARE(ClientPos(*window, "sd991"), QPoint(6 + 25, 31 + 20));
    QCOMPARE(ClientPos(*window, "grpshowcandidates"), QPoint(480, 40));
    QCOMPARE(ClientPos(*window, "grpColorPanel"), QPoint(480, 219));
    QCOMPARE(ClientPos(*window, "bthelp1"), QPoint(565, 37));
    QCOMPARE(ClientPos(*window, "bthelp2"), QPoint(565, 217));
    QCOMPARE(ClientPos(*window, "disnote5"), QPoint(480 + 38, 40 + 104));
    QCOMPARE(ClientPos(*window, "ProgressBar1").y(), 432);
    QCOMPARE(ClientPos(*window, "ProgressBar1").x(), 481);
    QCOMPARE(ClientPos(*window, "ProgressBar9").x() + 11, 593 - 1);
    QCOMPARE(window->findChild<QWidget*>(QStringLiteral("ToolBar1"))->height(), 29);
    QCOMPARE(window->findChild<QWidget*>(QStringLiteral("ToolBar2"))->height(), 26);
    QCOMPARE(window->findChild<QWidget*>(QStringLiteral("TimeLabel1"))->size(), QSize(77, 22));
    QCOMPARE(window->findChild<QWidget*>(QStringLiteral("ndtxt"))->size(), QSize(158, 22));
  }

  void startsInChineseWithAnEmptyDisabledBoard() {
    auto window = MakeWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Vexlo 5.0 正式版"));
    QCOMPARE(window->findChild<QAction*>(QStringLiteral("mnFile"))->text(),
             Zh("mnfile.caption").trimmed());
    QCOMPARE(window->findChild<QRadioButton*>(QStringLiteral("rb_none"))->text(),
             QStringLiteral("纸笔模式"));
    QVERIFY(window->findChild<QAction*>(QStringLiteral("mnLangChinese"))->isChecked());
    QVERIFY(!window->findChild<QWidget*>(QStringLiteral("sd991"))->isEnabled());
    QVERIFY(window->findChild<QRadioButton*>(QStringLiteral("rb_none"))->isChecked());
    QCOMPARE(CounterSum(*window), 0);
    QVERIFY(!window->findChild<QToolButton*>(QStringLiteral("btback"))->isEnabled());
    QVERIFY(QDir(dataRoot_.filePath(QStringLiteral("vexlo/replay"))).exists());
  }

  void newGameFromTheToolBar() {
    auto window = MakeWindow();
    Click(*window, "btCreateTough");
    const vexlo::Game& game = window->game();
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("ndtxt"))->text(), Zh("msg_ndtxt_tough"));
    QVERIFY(window->findChild<QWidget*>(QStringLiteral("sd991"))->isEnabled());
    const std::string puzzle = game.QJ1.GetPuzzle();
    const int givens = 81 - static_cast<int>(std::count(puzzle.begin(), puzzle.end(), '0'));
    QCOMPARE(CounterSum(*window), givens);
    QVERIFY(window->findChild<QToolButton*>(QStringLiteral("disnote1"))->isChecked());
    QVERIFY(window->findChild<QToolButton*>(QStringLiteral("btStartBranch"))->isEnabled());
    QVERIFY(!window->findChild<QToolButton*>(QStringLiteral("btAccept"))->isEnabled());
    QTRY_VERIFY(game.TimeLabel1.MS() >= 200);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("TimeLabel1"))->text(),
             QString::fromStdString(game.TimeLabel1.caption()));
  }

  void countersShowTheGameCounts() {
    auto window = MakeWindow();
    window->game().counters[4] = {9, vexlo::colors::kRed};
    window->game().counters[6] = {3, vexlo::colors::kBlue};
    window->ShowGame();
    auto* five = window->findChild<vexlo::ui::Tmousepb*>(QStringLiteral("ProgressBar5"));
    auto* seven = window->findChild<vexlo::ui::Tmousepb*>(QStringLiteral("ProgressBar7"));
    QCOMPARE(five->value(), 9);
    QCOMPARE(five->barColor(), vexlo::colors::kRed);
    QCOMPARE(seven->value(), 3);
    QCOMPARE(seven->barColor(), vexlo::colors::kBlue);
  }

  void restartAsksAndKeepsTheGivens() {
    auto window = MakeWindow();
    prompt_.questions.clear();
    Click(*window, "btRestart");
    QVERIFY(prompt_.questions.isEmpty());  // no game yet

    Click(*window, "btCreateVeryEasy");
    const std::string puzzle = window->game().QJ1.GetPuzzle();
    prompt_.answers = {true};
    Click(*window, "btRestart");
    QCOMPARE(prompt_.questions, QStringList{Zh("msg_restart")});
    QCOMPARE(window->game().QJ1.GetPuzzle(), puzzle);
    QCOMPARE(window->game().sd991.GetPuzzleString(), puzzle);
  }

  void languageMenuSwitchesAndIsRemembered() {
    {
      auto window = MakeWindow();
      Click(*window, "btCreateGentle");
      window->findChild<QAction*>(QStringLiteral("mnLangEnglish"))->trigger();
      QCOMPARE(window->findChild<QAction*>(QStringLiteral("mnFile"))->text(),
               QStringLiteral("&File"));
      QCOMPARE(window->findChild<QLabel*>(QStringLiteral("ndtxt"))->text(),
               QStringLiteral("  Level:Gentle"));
      QCOMPARE(window->findChild<QGroupBox*>(QStringLiteral("grpshowcandidates"))->title(),
               QStringLiteral("Operation Mode"));
      // The dialogs follow at once, hidden ones too.
      QCOMPARE(TopLevel("frmAppearance")->windowTitle(), QStringLiteral("Appearance"));
    }
    {
      auto window = MakeWindow();
      QVERIFY(window->findChild<QAction*>(QStringLiteral("mnLangEnglish"))->isChecked());
      QCOMPARE(window->findChild<QRadioButton*>(QStringLiteral("rb_all"))->text(),
               QStringLiteral("All Candidates"));
      window->findChild<QAction*>(QStringLiteral("mnLangChinese"))->trigger();
    }
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("zh"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
