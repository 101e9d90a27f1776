// The solution board and the multiple-solutions viewer: their layout and texts, what they show
// for a puzzle, and the "Check Error" command painting and redrawing the board.

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "game/game.h"
#include "game/solution_lookup.h"
#include "known_puzzle_fixture.h"
#include "settings/language_active.h"
#include "ui/board_view.h"
#include "ui/show_solution.h"
#include "ui/solution_dialog.h"
#include "ui/solutions_viewer.h"

using namespace vexlo;
using namespace vexlo::testing;

namespace {

class RecordingPrompt : public Prompt {
 public:
  QStringList told;
  bool AskYesNo(const std::string&) override { return true; }
  void Tell(const std::string& text) override { told << QString::fromStdString(text); }
};

void SaveShot(QWidget& w, const char* name) {
  const QByteArray dir = qgetenv("VEXLO_SCREENSHOT_DIR");
  if (!dir.isEmpty()) w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name);
}

}  // namespace

class SolutionWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void solutionBoardShowsGivensAndBigNumbers() {
    EnglishLanguage language;
    RecordingPrompt prompt;
    Game game(prompt, {});
    game.QJ1.LoadPuzzle(kPuzzle);
    game.LoadBoardFromHolder(false);

    ui::Tfrmda window(language);
    QCOMPARE(window.size(), QSize(512, 432));
    QCOMPARE(window.windowTitle(), QStringLiteral("Solution"));
    QCOMPARE(window.Button1->text(), QStringLiteral("Close"));
    QCOMPARE(window.sd991->geometry(), QRect(5, 5, 422, 422));
    QCOMPARE(window.Button1->pos(), QPoint(433, 6));

    window.ShowSolution(game.sd991, kSolution);
    const TPicNode& given = window.board().cell(1, 1);
    const TPicNode& solved = window.board().cell(1, 3);
    QCOMPARE(given.state, CellState::Fixed);
    QCOMPARE(solved.state, CellState::BigNumber);
    QCOMPARE(QString::fromStdString(solved.caption), QStringLiteral("4"));
    QCOMPARE(solved.fontColor, window.board().FONTColor2);
    window.show();
    SaveShot(window, "solution_window.png");
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    QVERIFY(!window.isVisible());
  }

  void viewerListsTwoSolutions() {
    EnglishLanguage language;
    ui::TFrmdas viewer(language);
    QCOMPARE(viewer.size(), QSize(517, 418));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Multiple Solutions Viewer"));
    QCOMPARE(viewer.Memo1->geometry().height(), 375);
    QCOMPARE(viewer.Button1->pos(), QPoint(427, 384));
    QVERIFY(viewer.Memo1->isReadOnly());

    const std::string other =
        "534276918678195342192348567859761423426853791713924856961537284287419635345682179";
    viewer.SetLines(TwoSolutionsLines(kSolution, other, [&language](std::string_view key) {
      return language.LangText(key);
    }));
    const QStringList lines = viewer.Memo1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines[0], QStringLiteral("Solution 1:"));
    QCOMPARE(lines[1], QStringLiteral("534678912"));
    QCOMPARE(lines[12], QStringLiteral("Solution 2:"));
    QCOMPARE(lines[13], QStringLiteral("534276918"));
    viewer.show();
    SaveShot(viewer, "solutions_viewer.png");
  }

  void checkErrorPaintsAndRedraws() {
    RecordingPrompt prompt;
    EnglishLanguage language;
    Game game(prompt, [&language](std::string_view key) { return language.LangText(key); });
    game.QJ1.LoadPuzzle(kPuzzle);
    game.QJ1.LoadSolution(kSolution);
    game.LoadBoardFromHolder(false);
    game.sd991.PaintAll();
    ui::BoardView view(game.sd991);
    view.resize(view.sizeHint());
    view.show();

    ui::btcheckClick(game, &view);
    QCOMPARE(prompt.told, QStringList{QStringLiteral("No error found.")});

    game.sd991.cell(1, 3).state = CellState::BigNumber;
    game.sd991.cell(1, 3).digits = "1";
    game.sd991.PaintAll();
    ui::btcheckClick(game, &view);
    QCOMPARE(prompt.told.size(), 1);
    const QRect cell = ui::BoardView::CellRect(1, 3);
    QCOMPARE(view.grab().toImage().pixelColor(cell.left() + 2, cell.top() + 2),
             QColor(254, 0, 0));
  }
};

QTEST_MAIN(SolutionWindowsTest)
#include "solution_windows_test.moc"
