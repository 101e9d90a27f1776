// Playing in the main window with the real widgets: clicks on cells and candidate panels,
// Tab with the focus kept, and the question before marks are dropped.
#include <QCheckBox>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "scripted_prompt_fixture.h"
#include "ui/board_view.h"
#include "ui/main_window.h"

namespace {

using vexlo::CellState;
using vexlo::OperationMode;
using vexlo::ui::BoardView;
using vexlo::ui::TForm1;

constexpr const char* kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

using ScriptedPrompt = vexlo::testing::ScriptedQtPrompt;

class PlayTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dataRoot_;
  ScriptedPrompt prompt_;

  // A window showing kPuzzle in "Pencil and Paper" with digit 1 selected.
  std::unique_ptr<TForm1> MakeWindow() {
    auto window = std::make_unique<TForm1>(&prompt_, dataRoot_.path().toStdString());
    vexlo::Game& game = window->game();
    game.QJ1.LoadPuzzle(kPuzzle);
    game.LoadBoardFromHolder(false);
    game.disnote11Click(1);
    game.StartHistory();
    window->ShowGame();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
    return window;
  }

  static BoardView* Board(TForm1& window) {
    return window.findChild<BoardView*>(QStringLiteral("sd991"));
  }
  static void ClickCell(TForm1& window, int row, int col, Qt::MouseButton button) {
    QTest::mousePress(Board(window), button, {}, BoardView::CellRect(row, col).center());
  }
  template <class T>
  static T* Child(TForm1& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VexloTest"));
    QCoreApplication::setApplicationName(QStringLiteral("VexloPlayTest"));
    QSettings().clear();
  }

  void leftClickWritesTheSelectedDigit() {
    auto window = MakeWindow();
    Child<QToolButton>(*window, "disnote5")->click();
    ClickCell(*window, 1, 3, Qt::LeftButton);
    const vexlo::TPicNode& cell = window->game().sd991.cell(1, 3);
    QCOMPARE(cell.state, CellState::BigNumber);
    QCOMPARE(cell.digits, std::string("5"));
    QVERIFY(Child<QToolButton>(*window, "btback")->isEnabled());
    // Ctrl+Z walks back like "Back Step".
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window->game().sd991.cell(1, 3).state, CellState::Open);
  }

  void candidatePanelClickFollowsAutoUpdate() {
    for (bool autoUpdate : {true, false}) {
      auto window = MakeWindow();
      auto* box = Child<QCheckBox>(*window, "cbautoupdate");
      Child<QRadioButton>(*window, "rb_all")->click();
      QVERIFY(box->isEnabled());
      box->setChecked(autoUpdate);
      const vexlo::TPICSD33& board = window->game().sd991;
      QVERIFY(board.cell(2, 2).digits.find('4') != std::string::npos);
      QTest::mousePress(Board(*window), Qt::LeftButton, {}, BoardView::PanelRect(1, 3, 4).center());
      QCOMPARE(board.cell(1, 3).digits, std::string("4"));
      QCOMPARE(board.cell(2, 2).digits.find('4') == std::string::npos, autoUpdate);
    }
  }

  void tabInPartCandidatesKeepsTheFocus() {
    auto window = MakeWindow();
    auto* partCandidates = Child<QRadioButton>(*window, "rb_one");
    partCandidates->click();
    partCandidates->setFocus();
    QTest::mousePress(Child<QToolButton>(*window, "disnote3"), Qt::RightButton);
    QTest::mousePress(Child<QToolButton>(*window, "disnote5"), Qt::RightButton);
    QVERIFY(Child<QToolButton>(*window, "disnote5")->isChecked());
    QTest::keyClick(partCandidates, Qt::Key_Tab);
    QCOMPARE(window->game().SelectedDigit(), 2);  // 1, 3 and 5 were down: 1 decides
    QVERIFY(partCandidates->hasFocus());
    QTest::keyClick(partCandidates, Qt::Key_7);
    QCOMPARE(window->game().SelectedDigit(), 7);
    QTest::keyClick(partCandidates, Qt::Key_8, Qt::KeypadModifier);
    QCOMPARE(window->game().SelectedDigit(), 7);
  }

  void answeringNoKeepsAllCandidates() {
    auto window = MakeWindow();
    Child<QRadioButton>(*window, "rb_all")->click();
    ClickCell(*window, 1, 3, Qt::LeftButton);  // nothing in this mode
    QTest::mousePress(Board(*window), Qt::RightButton, {}, BoardView::PanelRect(1, 3, 4).center());
    const std::string edited = window->game().sd991.cell(1, 3).digits;
    prompt_.questions.clear();
    prompt_.answers = {false};
    auto* pencil = Child<QRadioButton>(*window, "rb_none");
    QTest::mouseClick(pencil, Qt::LeftButton);
    QCOMPARE(prompt_.questions.size(), 1);
    QCOMPARE(prompt_.captions.last(), QStringLiteral("提示"));
    QVERIFY(Child<QRadioButton>(*window, "rb_all")->isChecked());
    QVERIFY(!pencil->isChecked());
    QCOMPARE(window->game().mode, OperationMode::AllCandidates);
    QCOMPARE(window->game().sd991.cell(1, 3).digits, edited);
  }
};

}  // namespace

QTEST_MAIN(PlayTest)
#include "play_test.moc"
