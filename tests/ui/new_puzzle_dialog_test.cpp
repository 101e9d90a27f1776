// "Import or Create Sudoku" with the real widgets: typing a puzzle by mouse, loading the main
// board, importing text, the three answers of "Check Puzzle", and "Play Puzzle" opened from
// the main window's tool button.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "game/board_walk.h"
#include "known_puzzle_fixture.h"
#include "scripted_prompt_fixture.h"
#include "storage/board_state.h"
#include "storage/import_formats.h"
#include "ui/board_view.h"
#include "ui/import_dialog.h"
#include "ui/main_window.h"
#include "ui/new_puzzle_dialog.h"

namespace {

using vexlo::CellState;
using vexlo::TPICSD33;
using vexlo::testing::kPuzzle;
using vexlo::testing::kSolution;
using vexlo::ui::BoardView;
using vexlo::ui::TForm1;
using vexlo::ui::Tfrm_new;

// kPuzzle less its given 8 at C3: two solutions.
constexpr const char* kTwoSolutions =
    "530070000600195000090000060800060003400803001700020006060000280000419005000080079";

class NewPuzzleDialogTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dataRoot_;
  vexlo::testing::ScriptedQtPrompt prompt_;
  std::unique_ptr<TForm1> window_;

  Tfrm_new* Dialog() const {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<Tfrm_new*>(widget)) return dialog;
    }
    return nullptr;
  }
  static QPushButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
  }
  static void Press(Tfrm_new* dialog, QRect at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(dialog->boardView(), button, {}, at.center());
  }
  static QString Snapshot(const TPICSD33& board) {
    return QString::fromStdString(vexlo::WriteBoardState(board));
  }
  // Runs `inside` once the modal loop that `open` starts is running.
  static void WhileModal(const std::function<void()>& open, std::function<void()> inside) {
    QTimer::singleShot(0, std::move(inside));
    open();
  }
  // The text goes through the Import dialog's editor and its OK.
  void Import(Tfrm_new* dialog, const QString& text) {
    WhileModal([dialog] { Button(dialog, "Button6")->click(); },
               [dialog, text] {
                 dialog->importDialog().SetText(text);
                 Button(&dialog->importDialog(), "Button1")->click();
               });
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VexloTest"));
    QCoreApplication::setApplicationName(QStringLiteral("VexloNewPuzzleTest"));
    QSettings().clear();
  }

  void init() {
    prompt_ = vexlo::testing::ScriptedQtPrompt{};
    window_ = std::make_unique<TForm1>(&prompt_, dataRoot_.path().toStdString());
    window_->findChild<QAction*>(QStringLiteral("mnLangEnglish"))->trigger();
    window_->show();
    QVERIFY(Dialog() != nullptr);
  }

  void cleanup() { window_.reset(); }

  void captionsComeFromTheLanguageTable() {
    Tfrm_new* dialog = Dialog();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Import or Create Sudoku"));
    QStringList captions;
    for (const char* name : {"Button5", "Button6", "Button3", "Button1", "Button2", "Button4"}) {
      captions << Button(dialog, name)->text();
    }
    QCOMPARE(captions, (QStringList{"Load Puzzle", "&Import", "&Clear Grid", "Check Puzzle",
                                    "Play Puzzle", "&Quit"}));
    QCOMPARE(dialog->size(), QSize(545, 428));
  }

  void typingDigitsIntoTheEmptyBoard() {
    Tfrm_new* dialog = Dialog();
    dialog->show();
    TPICSD33& board = dialog->board();
    QCOMPARE(board.cell(1, 1).digits, std::string("123456789"));

    Press(dialog, BoardView::PanelRect(1, 1, 5));
    QCOMPARE(board.cell(1, 1).state, CellState::BigNumber);
    QCOMPARE(board.cell(1, 1).digits, std::string("5"));
    QCOMPARE(board.cell(1, 7).digits, std::string("12346789"));
    // With 5 gone, the panel of 5 in A7 is hidden: the click lands on the cell itself.
    QCOMPARE(dialog->boardView()->HitAt(BoardView::PanelRect(1, 7, 5).center()).digit, 0);

    Press(dialog, BoardView::PanelRect(2, 2, 3), Qt::RightButton);
    QCOMPARE(board.cell(2, 2).digits, std::string("1246789"));

    Press(dialog, BoardView::CellRect(1, 1));  // the entered 5 taken back
    QCOMPARE(board.cell(1, 1).state, CellState::Open);
    QCOMPARE(board.cell(1, 1).digits, std::string("123456789"));
    QCOMPARE(board.cell(1, 7).digits, std::string("123467895"));
  }

  void loadPuzzleCopiesTheMainBoard() {
    window_->findChild<QToolButton*>(QStringLiteral("btCreateVeryEasy"))->click();
    const vexlo::Game& game = window_->game();
    Tfrm_new* dialog = Dialog();
    Button(dialog, "Button5")->click();
    vexlo::ForEachCell(dialog->board(), [&game](int r, int c, const vexlo::TPicNode& cell) {
      const vexlo::TPicNode& main = game.sd991.cell(r, c);
      QCOMPARE(cell.state, main.state == CellState::Fixed ? CellState::BigNumber : CellState::Open);
      if (main.state == CellState::Fixed) QCOMPARE(cell.digits, main.digits);
    });
  }

  void importAndCheckTellNoneOneOrSeveral() {
    Tfrm_new* dialog = Dialog();
    dialog->show();
    const struct {
      QString text;
      QString message;
    } cases[] = {
        {QString::fromLatin1(kPuzzle.data(), 81), QStringLiteral("Check OK")},
        {QString::fromLatin1(kTwoSolutions), QStringLiteral("This puzzle has multiple solution")},
        {QStringLiteral("55") + QString::fromLatin1(kPuzzle.data() + 2, 79),
         QStringLiteral("Puzzle is not solvable")},
    };
    for (const auto& [text, message] : cases) {
      prompt_.told.clear();
      Import(dialog, text);
      QCOMPARE(dialog->importDialog().LastFormat(), vexlo::ImportFormat::Line81);
      QCOMPARE(dialog->board().cell(1, 1).digits, std::string("5"));
      Button(dialog, "Button1")->click();
      QCOMPARE(prompt_.told, QStringList{message});
      QVERIFY(dialog->isVisible());
    }
    QVERIFY(dialog->board().HasError());  // the clash of the last text is marked

    prompt_.told.clear();
    Import(dialog, QStringLiteral("no puzzle"));
    QCOMPARE(prompt_.told, QStringList{QStringLiteral("Invalid format.")});
  }

  void clearGridAsksFirst() {
    Tfrm_new* dialog = Dialog();
    vexlo::LoadGridFromText(dialog->board(), kPuzzle);
    const QString loaded = Snapshot(dialog->board());
    prompt_.answers = {false, true};
    Button(dialog, "Button3")->click();
    QCOMPARE(Snapshot(dialog->board()), loaded);
    Button(dialog, "Button3")->click();
    QCOMPARE(prompt_.questions.size(), 2);
    QCOMPARE(prompt_.questions.front(), QStringLiteral("Clear the puzzle board,Sure?"));
    QCOMPARE(dialog->board().cell(1, 1).digits, std::string("123456789"));
  }

  void playPuzzleFromTheToolButtonStartsAtLevelUnknown() {
    Tfrm_new* dialog = Dialog();
    vexlo::LoadGridFromText(dialog->board(), kPuzzle);
    auto* open = window_->findChild<QToolButton*>(QStringLiteral("btimport"));
    WhileModal([open] { open->click(); },
               [dialog] {
                 QVERIFY(dialog->isVisible());
                 Button(dialog, "Button2")->click();
               });
    QVERIFY(!dialog->isVisible());
    const vexlo::Game& game = window_->game();
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("ndtxt"))->text(),
             QStringLiteral("  Level:Unknown"));
    QCOMPARE(game.sd991.nd, 5);
    QCOMPARE(game.QJ1.GetSolution(), std::string(kSolution));
    QCOMPARE(game.sd991.cell(1, 1).state, CellState::Fixed);
    QVERIFY(window_->findChild<BoardView*>(QStringLiteral("sd991"))->isEnabled());
    QVERIFY(window_->findChild<QRadioButton*>(QStringLiteral("rb_none"))->isChecked());
    QVERIFY(prompt_.told.isEmpty());
  }

  void unsolvableIsNeverPlayedAndSeveralAsks() {
    Tfrm_new* dialog = Dialog();
    auto* open = window_->findChild<QAction*>(QStringLiteral("mnImportSudoku"));
    const QString before = Snapshot(window_->game().sd991);

    vexlo::LoadGridFromText(dialog->board(), "55" + std::string(kPuzzle.substr(2)));
    WhileModal([open] { open->trigger(); },
               [dialog] {
                 Button(dialog, "Button2")->click();
                 QVERIFY(dialog->isVisible());  // refused: the dialog stays open
                 Button(dialog, "Button4")->click();
               });
    QCOMPARE(prompt_.told, QStringList{QStringLiteral("Puzzle is not solvable")});
    QCOMPARE(Snapshot(window_->game().sd991), before);

    vexlo::LoadGridFromText(dialog->board(), kTwoSolutions);
    prompt_.answers = {false, true};
    WhileModal([open] { open->trigger(); },
               [dialog] {
                 Button(dialog, "Button2")->click();  // No: still here
                 QVERIFY(dialog->isVisible());
                 Button(dialog, "Button2")->click();  // Yes: played
               });
    QCOMPARE(
        prompt_.questions,
        QStringList(2, QStringLiteral(
                           "This Puzzle has multiple solutions,Do you want to solve it anyway?")));
    QCOMPARE(window_->game().sd991.nd, 5);
    QVERIFY(window_->game().QJ1.GetSolution().empty());
  }
};

}  // namespace

QTEST_MAIN(NewPuzzleDialogTest)
#include "new_puzzle_dialog_test.moc"
