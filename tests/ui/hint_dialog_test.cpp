// The hint window driven like the player does: it opens below the main window with the first
// finding and "Do It For Me", carries out a single with one history step, cycles its caption,
// shows "Thinking..." while a search runs, closes on Escape dropping a shown finding, and
// says when the board is solved.

#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include "game/game.h"
#include "game/hint_session.h"
#include "hints/hint_engine.h"
#include "known_puzzle_fixture.h"
#include "settings/language_active.h"
#include "ui/board_view.h"
#include "ui/hint_dialog.h"

using namespace vexlo;
using namespace vexlo::testing;
using vexlo::ui::BoardView;
using vexlo::ui::Tfrmsolover;

namespace {

class SilentPrompt : public Prompt {
 public:
  bool AskYesNo(const std::string&) override { return false; }
  void Tell(const std::string&) override {}
};

// A game on a known puzzle in "All Candidates", drawn by a board view inside a stand-in for
// the main window.
struct Table {
  EnglishLanguage language;
  SilentPrompt prompt;
  Game game{prompt, [this](std::string_view key) { return language.LangText(key); }};
  hints::HintEngine engine;
  QWidget mainWindow;
  BoardView view{game.sd991, &mainWindow};
  Tfrmsolover window{language, &mainWindow};

  explicit Table(bool solved = false) {
    game.QJ1.LoadPuzzle(kPuzzle);
    game.QJ1.LoadSolution(kSolution);
    game.mode = OperationMode::AllCandidates;
    game.LoadBoardFromHolder(true);
    if (solved) {
      for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
          TPicNode& cell = game.sd991.cell(r, c);
          if (cell.state == CellState::Fixed) continue;
          cell.state = CellState::BigNumber;
          cell.digits = std::string(1, kSolution[static_cast<std::size_t>(9 * (r - 1) + c - 1)]);
        }
      }
    }
    game.sd991.PaintAll();
    game.StartHistory();
    mainWindow.setGeometry(40, 30, 640, 560);
    view.move(10, 10);
    view.resize(view.sizeHint());
  }

  void Open() { window.Open(engine, HintWiringOf(game), &view, &mainWindow); }
  QString Text() const { return window.Memo1->toPlainText(); }
  QString Caption() const { return window.bthint->text(); }
};

void SaveShot(const QImage& image, const char* name) {
  const QByteArray dir = qgetenv("VEXLO_SCREENSHOT_DIR");
  if (!dir.isEmpty()) image.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name);
}

}  // namespace

class HintDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutAndTexts() {
    Table t;
    QCOMPARE(t.window.size(), QSize(593, 82));
    QCOMPARE(t.window.windowTitle(), QStringLiteral("Show Hint"));
    QCOMPARE(t.window.button2->text(), QStringLiteral("Close"));
    QCOMPARE(t.window.bthint->geometry(), QRect(475, 3, 113, 33));
    QCOMPARE(t.window.Memo1->geometry(), QRect(3, 3, 462, 73));
    QVERIFY(t.window.Memo1->isReadOnly());
    QVERIFY(t.window.isModal());
  }

  void placedBelowTheMainWindowAndKeptOnTheScreen() {
    const QRect screen(0, 0, 1280, 800);
    const QSize size(600, 110);
    QCOMPARE(Tfrmsolover::PlaceBelow(QRect(100, 50, 700, 600), size, screen), QPoint(100, 570));
    // Too low and too far right: pulled back onto the screen.
    QCOMPARE(Tfrmsolover::PlaceBelow(QRect(900, 400, 700, 600), size, screen),
             QPoint(680, 690));
  }

  void opensWithTheFirstFindingAndCyclesThroughThreeHints() {
    Table t;
    t.Open();
    t.window.show();
    QVERIFY(!t.Text().isEmpty());
    QCOMPARE(t.Caption(), QStringLiteral("Do It For Me"));
    QCOMPARE(t.window.pos(), QPoint(40, 30 + 520));
    t.view.repaint();
    QImage board = t.view.grab().toImage();
    QImage dialog = t.window.grab().toImage();
    QImage shot(std::max(board.width(), dialog.width()) + 20, board.height() + dialog.height() + 30,
                QImage::Format_RGB32);
    shot.fill(Qt::lightGray);
    {
      QPainter p(&shot);
      p.drawImage(10, 10, board);
      p.drawImage(10, board.height() + 20, dialog);
    }
    SaveShot(shot, "hint_window.png");

    for (int hint = 0; hint < 3; ++hint) {
      QVERIFY(t.engine.PendingPlacement);  // this puzzle starts with singles
      const std::size_t steps = t.game.memostep.size();
      QTest::mouseClick(t.window.bthint, Qt::LeftButton);
      QCOMPARE(t.game.memostep.size(), steps + 1);
      QCOMPARE(t.Caption(), QStringLiteral("Next Hint"));
      QVERIFY(t.Text().isEmpty());
      QTest::mouseClick(t.window.bthint, Qt::LeftButton);
      QCOMPARE(t.Caption(), QStringLiteral("Do It For Me"));
      QVERIFY(!t.Text().isEmpty());
    }
    QTest::mouseClick(t.window.button2, Qt::LeftButton);
    QVERIFY(!t.window.isVisible());
  }

  void thinkingIsShownWhileTheSearchRuns() {
    Table t;
    QStringList seenDuringSearch;
    HintWiring wiring = HintWiringOf(t.game);
    wiring.langText = [&t, &seenDuringSearch](std::string_view key) {
      // The engine looks the text up last, just before its search begins.
      if (key == "frmsolover.thinking") seenDuringSearch << t.Text();
      return t.language.LangText(key);
    };
    t.window.show();
    t.window.Open(t.engine, std::move(wiring), &t.view, &t.mainWindow);
    QVERIFY(!seenDuringSearch.isEmpty());
    QCOMPARE(seenDuringSearch.last(), QStringLiteral("Thinking..."));
  }

  void escapeClosesAndDropsTheShownFinding() {
    Table t;
    t.Open();
    t.window.show();
    QVERIFY(t.engine.HintPending);
    const QString first = t.Text();
    const std::string board = t.game.memostep.back();
    QTest::keyClick(&t.window, Qt::Key_Escape);
    QVERIFY(!t.window.isVisible());
    QVERIFY(!t.engine.HintPending);
    QCOMPARE(t.game.memostep.back(), board);
    t.Open();
    QCOMPARE(t.Text(), first);
  }

  void solvedBoardIsSaid() {
    Table t(true);
    t.Open();
    QCOMPARE(t.Text(), QStringLiteral("已全部解答完成!"));
    QCOMPARE(t.Caption(), QStringLiteral("Next Hint"));
  }
};

QTEST_MAIN(HintDialogTest)
#include "hint_dialog_test.moc"
