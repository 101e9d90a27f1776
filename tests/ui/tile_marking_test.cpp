// The candidate tile and colour marking with the real widgets: the tile opened by a right
// click, its buttons, keys and "Automatic", the click that only closes it, and painting cells
// with the colour grid.
#include <QCheckBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "game/color_marks.h"
#include "known_puzzle_fixture.h"
#include "scripted_prompt_fixture.h"
#include "storage/board_state.h"
#include "ui/board_view.h"
#include "ui/color_grid.h"
#include "ui/main_window.h"
#include "ui/tile_window.h"

namespace {

using vexlo::CellState;
using vexlo::ui::BoardView;
using vexlo::ui::TForm1;
using vexlo::ui::Tfrmtile;

class TileMarkingTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dataRoot_;
  vexlo::testing::ScriptedQtPrompt prompt_;

  // kPuzzle in "Pencil and Paper" with digit 1 selected; C1 (row 3, column 1) holds the
  // pencil marks 3, 5 and 8.
  std::unique_ptr<TForm1> MakeWindow() {
    auto window = std::make_unique<TForm1>(&prompt_, dataRoot_.path().toStdString());
    vexlo::Game& game = window->game();
    game.QJ1.LoadPuzzle(vexlo::testing::kPuzzle);
    game.LoadBoardFromHolder(false);
    game.sd991.cell(3, 1).digits = "358";
    game.disnote11Click(1);
    game.StartHistory();
    window->ShowGame();
    window->show();
    Activate(*window);
    return window;
  }

  // As a click on the window would: activateWindow() holds back while a tool window the
  // window owns has the keyboard.
  static void Activate(QWidget& window) {
    window.windowHandle()->requestActivate();
    if (!QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; })) {
      qWarning("window not active");
    }
  }
  static BoardView* Board(TForm1& window) {
    return window.findChild<BoardView*>(QStringLiteral("sd991"));
  }
  static Tfrmtile* Tile(TForm1& window) { return window.findChild<Tfrmtile*>(); }
  static void ClickCell(TForm1& window, int row, int col, Qt::MouseButton button) {
    QTest::mousePress(Board(window), button, {}, BoardView::CellRect(row, col).center());
  }
  // Opens the tile on C1 and waits until it has the keyboard. The click goes where the
  // hidden panel of digit 1 lies: the pencil marks' own panels would take it.
  static Tfrmtile* OpenTile(TForm1& window) {
    QTest::mousePress(Board(window), Qt::RightButton, {}, BoardView::PanelRect(3, 1, 1).center());
    Tfrmtile* tile = Tile(window);
    // A tool window counts as active with its owner, so the wait is for the keyboard.
    if (tile == nullptr ||
        !QTest::qWaitFor([tile] { return QApplication::activeWindow() == tile; })) {
      qWarning("tile not active");
    }
    return tile;
  }
  static QString Downs(const Tfrmtile& tile) {
    QString downs;
    for (int d = 1; d <= 9; ++d) {
      if (tile.digitButton(d)->isChecked()) downs += QString::number(d);
    }
    return downs;
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VexloTest"));
    QCoreApplication::setApplicationName(QStringLiteral("VexloTileTest"));
    QSettings().clear();
  }

  void buttonsAndKeysEditTheCellAndEscRecordsOneStep() {
    auto window = MakeWindow();
    vexlo::Game& game = window->game();
    const std::size_t steps = game.memostep.size();
    Tfrmtile* tile = OpenTile(*window);
    QVERIFY(tile != nullptr && tile->isVisible());
    QCOMPARE(tile->size(), QSize(68, 106));
    QCOMPARE(Downs(*tile), QStringLiteral("358"));
    QCOMPARE(tile->automaticButton()->text(),
             QString::fromStdString(game.LangText("frmtile.advglowbutton1")));
    QVERIFY(!tile->automaticButton()->text().isEmpty());
    // Beside the cell, with the pointer inside it.
    const QRect cell(Board(*window)->mapToGlobal(BoardView::CellRect(3, 1).topLeft()),
                     BoardView::CellRect(3, 1).size());
    QVERIFY(cell.contains(tile->pos()));

    QTest::mouseClick(tile->digitButton(5), Qt::LeftButton);
    QTest::mousePress(tile->digitButton(2), Qt::RightButton);
    QTest::keyClick(tile, Qt::Key_9);
    QTest::keyClick(tile, Qt::Key_4, Qt::KeypadModifier);  // the keypad's digits flip nothing
    QCOMPARE(game.sd991.cell(3, 1).digits, std::string("2389"));
    QCOMPARE(Downs(*tile), QStringLiteral("2389"));
    QCOMPARE(game.memostep.size(), steps);  // not before the tile closes

    QTest::keyClick(tile, Qt::Key_Escape);
    QVERIFY(!tile->isVisible());
    QVERIFY(!game.tile.tileOpen);
    QCOMPARE(game.memostep.size(), steps + 1);
    QCOMPARE(game.memostep.back(), vexlo::WriteBoardState(game.sd991));
    // The digit keys choose digits on the main window again.
    QVERIFY(QTest::qWaitFor([&window] { return QApplication::activeWindow() == window.get(); }));
    QTest::keyClick(window.get(), Qt::Key_6);
    QCOMPARE(game.SelectedDigit(), 6);
  }

  void automaticFillsTheFreeDigitsAndCloses() {
    auto window = MakeWindow();
    Tfrmtile* tile = OpenTile(*window);
    QVERIFY(tile != nullptr);
    QTest::mouseClick(tile->automaticButton(), Qt::LeftButton);
    QVERIFY(!tile->isVisible());
    QCOMPARE(window->game().sd991.cell(3, 1).digits, window->game().sd991.FreeDigits(3, 1));
  }

  // Where the window system activates a window only after the click on it was handled, the
  // click that opens the tile is followed by the main window's activation.
  void theMainWindowsLateActivationByTheOpeningClickKeepsTheTile() {
    auto window = MakeWindow();
    QTest::mousePress(Board(*window), Qt::RightButton, {}, BoardView::PanelRect(3, 1, 1).center());
    Tfrmtile* tile = Tile(*window);
    QVERIFY(tile != nullptr && tile->isVisible());
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activation);
    QVERIFY(tile->isVisible());
    QVERIFY(QTest::qWaitFor([tile] { return QApplication::activeWindow() == tile; }));
    QTest::keyClick(tile, Qt::Key_7);
    QCOMPARE(window->game().sd991.cell(3, 1).digits, std::string("3578"));
  }

  void theClickThatBringsTheMainWindowBackOverACellEntersNothing() {
    auto window = MakeWindow();
    Tfrmtile* tile = OpenTile(*window);
    QVERIFY(tile != nullptr);
    QVERIFY(QApplication::activeWindow() != window.get());
    QTest::mouseMove(Board(*window), BoardView::CellRect(1, 3).center());
    QVERIFY(window->game().sd991.cell(1, 3).isEnter);
    Activate(*window);
    QVERIFY(!tile->isVisible());
    ClickCell(*window, 1, 3, Qt::LeftButton);
    QCOMPARE(window->game().sd991.cell(1, 3).state, CellState::Open);
    ClickCell(*window, 1, 3, Qt::LeftButton);
    QCOMPARE(window->game().sd991.cell(1, 3).digits, std::string("1"));
  }

  void markingPaintsInTheChosenColourUntilClearMarking() {
    auto window = MakeWindow();
    vexlo::Game& game = window->game();
    const std::size_t steps = game.memostep.size();
    auto* marking = window->findChild<QCheckBox*>(QStringLiteral("chkcolor"));
    auto* grid = window->findChild<vexlo::ui::ColorGrid*>();
    QVERIFY(marking != nullptr && grid != nullptr);
    QCOMPARE(grid->foregroundIndex(), vexlo::kDefaultMarkingColorIndex);
    marking->click();
    QVERIFY(game.chkcolor.checked);
    // Red: third row of the grid, second column.
    QTest::mouseClick(grid, Qt::LeftButton, {},
                      QPoint(grid->width() * 3 / 8, grid->height() * 5 / 8));
    QCOMPARE(grid->foregroundIndex(), 9);

    ClickCell(*window, 1, 1, Qt::LeftButton);
    QTest::mousePress(Board(*window), Qt::RightButton, {}, BoardView::PanelRect(3, 1, 1).center());
    QVERIFY(!game.tile.visible);  // no tile while marking
    const vexlo::Color red = vexlo::kColorGridColors[9];
    QCOMPARE(game.sd991.cell(1, 1).background, red);
    QCOMPARE(game.colorMarks.at(1, 1, 0), red);
    QCOMPARE(game.sd991.cell(1, 1).digits, std::string("5"));
    QCOMPARE(game.memostep.size(), steps);

    window->findChild<QToolButton*>(QStringLiteral("bt_clearcolor"))->click();
    QCOMPARE(game.colorMarks.at(1, 1, 0), vexlo::ColorMarks::kNoMark);
    QVERIFY(game.sd991.cell(1, 1).background != red);
    QVERIFY(marking->isChecked());
  }
};

}  // namespace

QTEST_MAIN(TileMarkingTest)
#include "tile_marking_test.moc"
