// Pixels of the two board halves, the bar and the borne-off stacks as drawn
// into their off-screen images.
#include "display/board_drawing.h"

#include <QTest>

#include "tests/support/positions.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 128, 0);
const QColor kGray(128, 128, 128);
const QColor kBlack(0, 0, 0);

// Centre of checker k (1..5) of a column, stacked from the top or the bottom edge.
QPoint Checker(int column, bool bottom, int k) {
  return {50 * column + 25, bottom ? 500 - 46 * k + 23 : 46 * k - 23};
}

int BlackPixels(const QImage& image, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == kBlack;
  }
  return count;
}

QImage Area(const QImage& image, QRect area) {
  return image.copy(area);
}

// The window surface as ShowBoard leaves it.
QImage Surface(const BoardDrawing& drawing) {
  QImage surface(804, 557, QImage::Format_RGB32);
  surface.fill(kGray);
  QPainter painter(&surface);
  drawing.ShowBoard(painter);
  return surface;
}

// Off-area pixel at window coordinates.
QColor Off(const BoardDrawing& drawing, int x, int y) {
  return drawing.OffArea().pixelColor(x - kOffAreaLeft, y - kOffAreaTop);
}

}  // namespace

class BoardDrawingTest : public QObject {
  Q_OBJECT

  BoardColours colours_;

 private Q_SLOTS:
  void init() { colours_ = BoardColours{}; }

  void emptyBoardShowsTrianglesInBothColours() {
    BoardDrawing drawing(colours_);
    drawing.DrawBoardBackground();
    for (const QImage* half : {&drawing.Left(), &drawing.Right()}) {
      QCOMPARE(half->size(), QSize(300, 500));
      QCOMPARE(half->pixelColor(25, 100), kRed);     // 13 and 19: odd
      QCOMPARE(half->pixelColor(75, 100), kWhite);   // 14 and 20: even
      QCOMPARE(half->pixelColor(25, 400), kWhite);   // 12 and 6: even
      QCOMPARE(half->pixelColor(75, 400), kRed);     // 11 and 5: odd
      QCOMPARE(half->pixelColor(275, 100), kWhite);  // 18 and 24
      QCOMPARE(half->pixelColor(25, 250), kGreen);   // between the tips
      QCOMPARE(half->pixelColor(5, 150), kGreen);    // beside a triangle
      QCOMPARE(half->pixelColor(25, 219), kBlack);   // the outline of a tip
    }
  }

  void startingPositionPutsCheckersOnTheirPoints() {
    BoardDrawing drawing(colours_);
    drawing.DrawPosition(StartingPosition());
    const QImage& left = drawing.Left();
    const QImage& right = drawing.Right();
    // Player-1 (red): 2 on 24, 5 on 13, 3 on 8, 5 on 6.
    QCOMPARE(right.pixelColor(Checker(5, false, 2)), kRed);
    QCOMPARE(right.pixelColor(Checker(5, false, 3)), kWhite);  // point 24 itself
    QCOMPARE(left.pixelColor(Checker(0, false, 5)), kRed);
    QCOMPARE(left.pixelColor(Checker(4, true, 3)), kRed);
    QCOMPARE(left.pixelColor(Checker(4, true, 4)), kWhite);  // point 8 itself
    QCOMPARE(right.pixelColor(Checker(0, true, 5)), kRed);
    // The computer (white): 2 on 1, 5 on 12, 3 on 17, 5 on 19.
    QCOMPARE(right.pixelColor(Checker(5, true, 2)), kWhite);
    QCOMPARE(right.pixelColor(Checker(5, true, 3)), kRed);  // point 1 itself
    QCOMPARE(left.pixelColor(Checker(0, true, 5)), kWhite);
    QCOMPARE(left.pixelColor(Checker(4, false, 3)), kWhite);
    QCOMPARE(left.pixelColor(Checker(4, false, 4)), kRed);  // point 17 itself
    QCOMPARE(right.pixelColor(Checker(0, false, 5)), kWhite);
    // Neighbouring checkers touch: the outline between the first two.
    QCOMPARE(right.pixelColor(25, 454), kBlack);
  }

  void countsAppearFromTheSixthChecker() {
    BoardDrawing drawing(colours_);
    const QRect bottomCount(22, 471, 20, 14);
    const QRect topCount(22, 17, 20, 14);
    drawing.DrawPosition(Board({{6, 5}, {19, -5}}));
    QCOMPARE(BlackPixels(drawing.Right(), bottomCount), 0);
    QCOMPARE(BlackPixels(drawing.Right(), topCount), 0);
    drawing.DrawPosition(Board({{6, 6}, {19, -6}}));
    QVERIFY(BlackPixels(drawing.Right(), bottomCount) > 0);
    QVERIFY(BlackPixels(drawing.Right(), topCount) > 0);
    const QImage six = Area(drawing.Right(), bottomCount);
    drawing.DrawPosition(Board({{6, 9}}));
    QVERIFY(Area(drawing.Right(), bottomCount) != six);
    // The number sits on the edge checker, whose colour stays around it.
    QCOMPARE(drawing.Right().pixelColor(10, 477), kRed);
  }

  void barCheckersCarryTheirCount() {
    BoardDrawing drawing(colours_);
    drawing.DrawPosition(Board({{0, -3}, {25, 1}}));
    QCOMPARE(drawing.Left().pixelColor(250, 232), kWhite);
    QCOMPARE(drawing.Left().pixelColor(232, 250), kWhite);
    QVERIFY(BlackPixels(drawing.Left(), QRect(247, 243, 16, 14)) > 0);
    QCOMPARE(drawing.Right().pixelColor(50, 232), kRed);
    QVERIFY(BlackPixels(drawing.Right(), QRect(47, 243, 16, 14)) > 0);  // also a single one
    drawing.DrawPosition(Board({}));
    QCOMPARE(drawing.Left().pixelColor(250, 232), kGreen);
    QCOMPARE(drawing.Right().pixelColor(50, 232), kGreen);
  }

  void borneOffStacksGrowFromTheirEdges() {
    BoardDrawing drawing(colours_);
    drawing.DrawPosition(StartingPosition());
    for (int y = 29; y <= 530; y += 7) QCOMPARE(Off(drawing, 723, y), kGray);
    // Player-1 has 12 off (3 left on point 1), the computer all 15.
    drawing.DrawPosition(Board({{1, 3}}));
    QCOMPARE(Off(drawing, 723, 507), kRed);  // the first, on the bottom edge
    QCOMPARE(Off(drawing, 723, 356), kRed);  // the twelfth
    QCOMPARE(Off(drawing, 723, 348), kGray);
    QCOMPARE(Off(drawing, 723, 35), kWhite);
    QCOMPARE(Off(drawing, 723, 240), kWhite);  // the fifteenth reaches 244
    QCOMPARE(Off(drawing, 723, 250), kGray);
    QCOMPARE(Off(drawing, 723, 300), kGray);  // the band of the buttons
    QCOMPARE(Off(drawing, 790, 507), kGray);
    // The next position clears the stacks first.
    drawing.DrawPosition(StartingPosition());
    QCOMPARE(Off(drawing, 723, 507), kGray);
  }

  void frameSurroundsBothHalvesAndTheBar() {
    BoardDrawing drawing(colours_);
    drawing.DrawPosition(Board({{1, 14}}));
    const QImage surface = Surface(drawing);
    QCOMPARE(surface.pixelColor(24, 24), kBlack);
    QCOMPARE(surface.pixelColor(655, 535), kBlack);
    QCOMPARE(surface.pixelColor(340, 300), kBlack);  // the bar strip
    QCOMPARE(surface.pixelColor(23, 300), kGray);
    QCOMPARE(surface.pixelColor(656, 300), kGray);
    QCOMPARE(surface.pixelColor(723, 507), kRed);  // the stack belongs to the surface
  }

  void changedColoursShowAtTheNextDrawing() {
    BoardDrawing drawing(colours_);
    int shown = 0;
    drawing.SetShowHandler([&] { ++shown; });
    colours_.evenPoints = 0xFF0000;  // blue
    colours_.ownPieces = 0x00FFFF;   // yellow
    colours_.boardBackground = 0x000000;
    drawing.DrawPosition(StartingPosition());
    QCOMPARE(shown, 1);
    QCOMPARE(drawing.Left().pixelColor(75, 100), QColor(0, 0, 255));
    QCOMPARE(drawing.Right().pixelColor(75, 100), QColor(0, 0, 255));
    QCOMPARE(drawing.Left().pixelColor(25, 400), kWhite);  // point 12: the computer's checkers
    QCOMPARE(drawing.Right().pixelColor(Checker(0, true, 1)), QColor(255, 255, 0));
    QCOMPARE(drawing.Left().pixelColor(25, 250), kBlack);
    QCOMPARE(drawing.Left().pixelColor(125, 100), kRed);  // odd points unchanged
  }
};

QTEST_MAIN(BoardDrawingTest)
#include "board_drawing_test.moc"
