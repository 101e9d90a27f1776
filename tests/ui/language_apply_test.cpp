// Applying the language tables to a widget tree named like the main window and a dialog,
// then switching languages while both exist.
#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "settings/language_active.h"
#include "ui/language_apply.h"
#include "ui/language_fonts.h"
#include "ui/language_switch.h"

using vexlo::ActiveLanguage;
using vexlo::BuiltInTable;
using vexlo::Language;
using namespace vexlo::ui;

namespace {

template <typename T>
T* Named(T* object, const char* name) {
  object->setObjectName(QString::fromLatin1(name));
  return object;
}

// A small main window: menus with a separator and a hidden web link, a tool bar of buttons
// and an action, the mode group with a digit button, and the labels under the board.
struct Window {
  QMainWindow window;
  QMenu* file = nullptr;
  QAction* save = nullptr;
  QAction* separator = nullptr;
  QAction* link = nullptr;
  QToolButton* solve = nullptr;
  QToolButton* savePic = nullptr;
  QAction* copy = nullptr;
  QGroupBox* modes = nullptr;
  QRadioButton* pencil = nullptr;
  QToolButton* digit = nullptr;
  QCheckBox* autoUpdate = nullptr;
  QToolButton* clearMarks = nullptr;
  QToolButton* help = nullptr;
  QLabel* linkLabel = nullptr;
  QLabel* level = nullptr;
  QWidget* qtOwn = nullptr;

  Window() {
    file = Named(window.menuBar()->addMenu(QStringLiteral("File")), "mnFile");
    save = Named(file->addAction(QStringLiteral("Save")), "mnSaveCurrentBoard");
    separator = Named(file->addSeparator(), "N5");
    separator->setText(QStringLiteral("-"));
    QMenu* helpMenu = Named(window.menuBar()->addMenu(QStringLiteral("Help")), "mnHelp");
    link = Named(helpMenu->addAction(QString()), "mnC1");
    link->setVisible(false);

    QToolBar* bar = Named(window.addToolBar(QStringLiteral("top")), "ToolBar1");
    solve = Named(new QToolButton(bar), "btsolve");
    bar->addWidget(solve);
    Named(bar->addSeparator(), "ToolButton3");
    savePic = Named(new QToolButton(bar), "btsavepic");
    bar->addWidget(savePic);
    copy = Named(bar->addAction(QStringLiteral("copy")), "btcopy");
    autoUpdate = Named(new QCheckBox(bar), "cbautoupdate");
    bar->addWidget(autoUpdate);

    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    modes = Named(new QGroupBox(client), "grpShowCandidates");
    pencil = Named(new QRadioButton(modes), "rb_none");
    digit = Named(new QToolButton(modes), "disnote1");
    digit->setText(QStringLiteral("1"));
    clearMarks = Named(new QToolButton(client), "bt_clearcolor");
    help = Named(new QToolButton(client), "bthelp1");
    help->setText(QStringLiteral("?"));
    linkLabel = Named(new QLabel(client), "lbl1");
    level = Named(new QLabel(client), "ndtxt");
    QFont big = level->font();
    big.setPointSize(14);
    big.setBold(true);
    level->setFont(big);
    qtOwn = Named(new QWidget(client), "qt_spare");
    qtOwn->setToolTip(QStringLiteral("Qt's own"));
    Named(window.statusBar(), "sb1");
  }
};

}  // namespace

class LanguageApplyTest : public QObject {
  Q_OBJECT

 private slots:
  void englishThenChineseReTextsEverything() {
    Window w;
    ApplyLanguage(&w.window, BuiltInTable(Language::English));
    QCOMPARE(w.file->title(), QStringLiteral("&File"));
    QCOMPARE(w.save->text(), QStringLiteral("&Save Current Board"));
    QVERIFY(w.separator->isSeparator());
    QCOMPARE(w.solve->text(), QStringLiteral("btsolve"));
    QCOMPARE(w.solve->toolTip(), QStringLiteral("Show Solution"));
    QCOMPARE(w.copy->toolTip(), QStringLiteral("Copy Puzzle To Clipboard"));
    QCOMPARE(w.modes->title(), QStringLiteral("Operation Mode"));
    QCOMPARE(w.pencil->text(), QStringLiteral("Pencil and Paper"));
    QCOMPARE(w.autoUpdate->text(), QStringLiteral("Auto Update Candidates"));
    QCOMPARE(w.clearMarks->text(), QStringLiteral("Clear Marking"));
    QCOMPARE(w.digit->toolTip(), QStringLiteral("You can type number 1..9 to select it quickly."));
    QCOMPARE(w.help->toolTip(), QStringLiteral("Help"));

    ApplyLanguage(&w.window, BuiltInTable(Language::Chinese));
    QCOMPARE(w.file->title(), QStringLiteral("文件(&F)"));
    QCOMPARE(w.save->text(), QStringLiteral("保存当前盘面(&S)"));
    QVERIFY(w.separator->isSeparator());
    QCOMPARE(w.separator->text(), QStringLiteral("-"));
    QCOMPARE(w.solve->text(), QString());
    QCOMPARE(w.savePic->text(), QStringLiteral("保存为图片"));
    QCOMPARE(w.savePic->toolTip(), QStringLiteral("保存为图片"));
    QCOMPARE(w.copy->toolTip(), QStringLiteral("复制题目到剪贴板"));
    QCOMPARE(w.pencil->text(), QStringLiteral("纸笔模式"));
    QCOMPARE(w.clearMarks->text(), QStringLiteral("清除标记"));
    QCOMPARE(w.link->text(), QStringLiteral("Vexlo网站首页"));
    // Controls without a caption key keep their own text; no hint key clears the hint.
    QCOMPARE(w.digit->text(), QStringLiteral("1"));
    QCOMPARE(w.help->text(), QStringLiteral("?"));
    QCOMPARE(w.level->toolTip(), QString());
    QCOMPARE(w.qtOwn->toolTip(), QStringLiteral("Qt's own"));
  }

  void stepsAfterThePasses() {
    Window w;
    ApplyLanguage(&w.window, BuiltInTable(Language::English));
    QVERIFY(w.link->isVisible());
    QCOMPARE(w.linkLabel->text(), QStringLiteral("Vexlo"));
    const QFont unified = UnifiedFont();
    QCOMPARE(w.window.font().family(), unified.family());
    QCOMPARE(w.window.font().pointSize(), 9);
    QCOMPARE(w.file->font().pointSize(), 9);
    QCOMPARE(w.window.statusBar()->font().pointSize(), 9);
    QCOMPARE(w.level->font().family(), unified.family());
    QCOMPARE(w.level->font().pointSize(), 14);
    QVERIFY(w.level->font().bold());
  }

  void japaneseTrimsMenusAndLeavesMissingHintsEmpty() {
    Window w;
    ApplyLanguage(&w.window, BuiltInTable(Language::English));
    ApplyLanguage(&w.window, BuiltInTable(Language::Japanese));
    QCOMPARE(w.file->title(), QStringLiteral("ファイル"));
    QVERIFY(w.separator->isSeparator());
    QCOMPARE(w.savePic->toolTip(), QString());
    QCOMPARE(w.help->toolTip(), QString());
    QCOMPARE(w.solve->toolTip(), QStringLiteral("解答を表示"));
  }

  void dialogsAndTheMainWindowFollowEveryChange() {
    ActiveLanguage active;  // Chinese, as at start
    QtTranslations qtTexts;
    Window w;
    FollowLanguage(&w.window, [&] { ApplyLanguage(&w.window, active.Table()); });

    auto* dialog = Named(new QDialog(&w.window), "frmsave");
    auto* ok = Named(new QPushButton(dialog), "Button1");
    auto* name = Named(new QLabel(dialog), "Label1");
    auto* levels = Named(new QGroupBox(dialog), "RadioGroup1");
    std::vector<QRadioButton*> items;
    for (int i = 0; i < 6; ++i) items.push_back(new QRadioButton(levels));
    const DialogTexts texts{"frmsave", {"Button1", "Label1", "RadioGroup1"}, {"RadioGroup1"}, {}};
    FollowLanguage(dialog, [&] { ApplyDialogTexts(dialog, active.Table(), texts); });
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("保存游戏"));
    QCOMPARE(items[5]->text(), QStringLiteral("未知"));

    SwitchLanguage(active, qtTexts, Language::English);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Save Your Game"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(name->text(), QStringLiteral("Name of Your Game:"));
    QCOMPARE(levels->title(), QStringLiteral("Game Level"));
    QCOMPARE(items[0]->text(), QStringLiteral("Very Easy"));
    QCOMPARE(items[5]->text(), QStringLiteral("Unknown or N/A"));
    QCOMPARE(w.pencil->text(), QStringLiteral("Pencil and Paper"));
    QCOMPARE(QLocale().language(), QLocale::English);

    SwitchLanguage(active, qtTexts, Language::Japanese);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("ゲームを保存"));
    QCOMPARE(items[4]->text(), QStringLiteral("超上級"));
    QCOMPARE(w.file->title(), QStringLiteral("ファイル"));
    QCOMPARE(QLocale().language(), QLocale::Japanese);
  }

  void dialogTitleAndButtonsMayBeEmpty() {
    QDialog dialog;
    auto* close = Named(new QPushButton(QStringLiteral("old"), &dialog), "button2");
    auto* next = Named(new QPushButton(QStringLiteral("old"), &dialog), "bthint");
    const DialogTexts texts{"frmsolover", {"button2"}, {}, {{"bthint", "frmsolover.nexthint"}}};
    ApplyDialogTexts(&dialog, BuiltInTable(Language::English), texts);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Show Hint"));
    QCOMPARE(next->text(), QStringLiteral("Next Hint"));
    ApplyDialogTexts(&dialog, BuiltInTable(Language::Japanese), texts);
    QCOMPARE(dialog.windowTitle(), QString());
    QCOMPARE(close->text(), QString());
    QCOMPARE(next->text(), QString());
  }

  void standardButtonsSpeakTheActiveLanguage() {
    QtTranslations qtTexts;
    auto yesText = [] {
      QMessageBox box;
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      return box.button(QMessageBox::Yes)->text();
    };
    const QString english = yesText();
    if (!qtTexts.Install(Language::Chinese)) QSKIP("Qt's Chinese translation is not installed");
    const QString chinese = yesText();
    QVERIFY(chinese != english);
    QVERIFY(chinese.contains(QStringLiteral("是")));
    QVERIFY(qtTexts.Install(Language::Japanese));
    QVERIFY(yesText().contains(QStringLiteral("はい")));
    QVERIFY(qtTexts.Install(Language::English));
    QCOMPARE(yesText(), english);
  }

  void unifiedFaceIsACjkFont() {
    QLocale::setDefault(LocaleOf(Language::Chinese));
    const QString family = UnifiedFontFamily();
    QVERIFY(!family.isEmpty());
    if (QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK SC"))) {
      QCOMPARE(family, QStringLiteral("Noto Sans CJK SC"));
    }
    QLocale::setDefault(LocaleOf(Language::Japanese));
    if (QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK JP"))) {
      QCOMPARE(UnifiedFontFamily(), QStringLiteral("Noto Sans CJK JP"));
    }
    QLocale::setDefault(LocaleOf(Language::Chinese));
  }
};

QTEST_MAIN(LanguageApplyTest)
#include "language_apply_test.moc"
