// The board widget: which cell or candidate panel a pixel belongs to, the signals a click and a
// hover give, the pixels of the geometry, and one repaint per model change.

#include <QSignalSpy>
#include <QtTest>

#include "board/board.h"
#include "ui/board_view.h"

using vexlo::CellState;
using vexlo::MouseButton;
using vexlo::TPICSD33;
using vexlo::ui::BoardHit;
using vexlo::ui::BoardView;

namespace {

// (1, 1) shows all nine candidates, (1, 2) only candidate 5, (4, 4) a given.
void SetUpBoard(TPICSD33& board) {
  for (int r = 1; r <= 9; ++r) {
    for (int c = 1; c <= 9; ++c) {
      board.cell(r, c).state = CellState::Open;
      board.cell(r, c).digits.clear();
    }
  }
  board.cell(1, 1).digits = "123456789";
  board.cell(1, 2).digits = "5";
  board.cell(4, 4).state = CellState::Fixed;
  board.cell(4, 4).digits = "7";
  board.PaintAllCands();
}

void SendMove(QWidget& w, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, pos, w.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
}

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

class BoardViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    board_ = std::make_unique<TPICSD33>(vexlo::BoardPreset::MainWindow);
    SetUpBoard(*board_);
    view_ = std::make_unique<BoardView>(*board_);
  }

  void hitTest_data() {
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("digit");
    QTest::newRow("outer margin") << QPoint(1, 1) << 0 << 0 << 0;
    QTest::newRow("cell bevel") << QPoint(3, 3) << 1 << 1 << 0;
    QTest::newRow("panel 1") << QPoint(4, 4) << 1 << 1 << 1;
    QTest::newRow("panel 3 top right") << QPoint(2 + 42, 2 + 2) << 1 << 1 << 3;
    QTest::newRow("panel 9 last pixel") << QPoint(2 + 42, 2 + 42) << 1 << 1 << 9;
    QTest::newRow("gap between panels") << QPoint(2 + 15, 2 + 15) << 1 << 1 << 0;
    QTest::newRow("cell's last pixel") << QPoint(47, 47) << 1 << 1 << 0;
    QTest::newRow("next cell in the box") << QPoint(48, 48) << 2 << 2 << 0;
    QTest::newRow("hidden panel goes to the cell") << QPoint(48 + 4, 2 + 4) << 1 << 2 << 0;
    QTest::newRow("shown panel 5") << QPoint(48 + 20, 2 + 20) << 1 << 2 << 5;
    QTest::newRow("line between boxes") << QPoint(140, 100) << 0 << 0 << 0;
    QTest::newRow("given at 142") << QPoint(142, 142) << 4 << 4 << 0;
    QTest::newRow("last cell") << QPoint(419, 419) << 9 << 9 << 0;
    QTest::newRow("bottom margin") << QPoint(419, 420) << 0 << 0 << 0;
  }

  void hitTest() {
    QFETCH(QPoint, pos);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, digit);
    const BoardHit hit = view_->HitAt(pos);
    QCOMPARE(hit.row, row);
    QCOMPARE(hit.col, col);
    QCOMPARE(hit.digit, digit);
  }

  void clicksReportCellOrPanelWithTheButton() {
    QSignalSpy cells(view_.get(), &BoardView::cellMouseDown);
    QSignalSpy panels(view_.get(), &BoardView::panelMouseDown);
    QTest::mouseClick(view_.get(), Qt::RightButton, {}, QPoint(48 + 20, 2 + 20));
    QCOMPARE(panels.count(), 1);
    QCOMPARE(panels[0][2].toInt(), 5);
    QCOMPARE(panels[0][3].value<MouseButton>(), MouseButton::Right);
    QCOMPARE(cells.count(), 0);

    // The hidden panel 1 of the same cell lets the click through to the cell.
    QTest::mouseClick(view_.get(), Qt::MiddleButton, {}, QPoint(48 + 4, 2 + 4));
    QCOMPARE(cells.count(), 1);
    QCOMPARE(cells[0][0].toInt(), 1);
    QCOMPARE(cells[0][1].toInt(), 2);
    QCOMPARE(cells[0][2].value<MouseButton>(), MouseButton::Middle);

    QTest::mouseClick(view_.get(), Qt::LeftButton, {}, QPoint(140, 100));  // a line: nothing
    QCOMPARE(cells.count() + panels.count(), 2);
  }

  void hoverReportsEnterAndLeaveOncePerTarget() {
    QSignalSpy cellIn(view_.get(), &BoardView::cellEntered);
    QSignalSpy cellOut(view_.get(), &BoardView::cellLeft);
    QSignalSpy panelIn(view_.get(), &BoardView::panelEntered);
    QSignalSpy panelOut(view_.get(), &BoardView::panelLeft);
    SendMove(*view_, QPoint(3, 3));
    SendMove(*view_, QPoint(3, 4));  // same cell: nothing new
    QCOMPARE(cellIn.count(), 1);
    SendMove(*view_, QPoint(4, 4));  // onto panel 1: leave the cell, enter the panel
    QCOMPARE(cellOut.count(), 1);
    QCOMPARE(panelIn.count(), 1);
    QCOMPARE(panelIn[0][2].toInt(), 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view_.get(), &leave);
    QCOMPARE(panelOut.count(), 1);
    QCOMPARE(cellIn.count(), 1);
  }

  void pixelsFollowTheGeometry() {
    board_->SetEnter(5, 5, 0, true);  // cell hover frame
    board_->SetEnter(1, 1, 4, true);  // panel hover frame
    const QImage img = view_->grab().toImage();
    QCOMPARE(img.size(), QSize(422, 422));
    const QColor red(255, 0, 0);
    QCOMPARE(img.pixelColor(1, 1), QColor(Qt::black));      // margin
    QCOMPARE(img.pixelColor(140, 100), QColor(Qt::black));  // line between boxes
    QCOMPARE(img.pixelColor(2, 2), QColor(Qt::white));      // raised bevel of cell (1, 1)
    QCOMPARE(img.pixelColor(47, 20), QColor(160, 160, 160));
    QCOMPARE(img.pixelColor(48, 20), QColor(Qt::white));  // next cell touches it
    // Cell hover frame: from (1, 1) to two pixels short of the right and bottom edges.
    const int x = 188, y = 188;
    QCOMPARE(img.pixelColor(x + 1, y + 1), red);
    QCOMPARE(img.pixelColor(x + 43, y + 43), red);
    QVERIFY(img.pixelColor(x + 44, y + 44) != red);
    // Panel hover frame: reaches the panel's bottom row.
    const int px = 2 + 2, py = 2 + 16;
    QCOMPARE(img.pixelColor(px + 1, py + 1), red);
    QCOMPARE(img.pixelColor(px + 10, py + 12), red);
    QVERIFY(img.pixelColor(px + 11, py + 6) != red);
  }

  void refreshRepaintsOnlyAfterAChange() {
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    QTRY_VERIFY(view_->isVisible());
    PaintCounter counter;
    view_->installEventFilter(&counter);
    QTest::qWait(20);
    counter.paints = 0;
    view_->refresh();
    QTest::qWait(20);
    QCOMPARE(counter.paints, 0);
    board_->PaintAll();
    view_->refresh();
    view_->refresh();
    QTRY_COMPARE(counter.paints, 1);
    QTest::qWait(20);
    QCOMPARE(counter.paints, 1);
    view_->removeEventFilter(&counter);
  }

 private:
  std::unique_ptr<TPICSD33> board_;
  std::unique_ptr<BoardView> view_;
};

QTEST_MAIN(BoardViewTest)
#include "board_view_test.moc"
