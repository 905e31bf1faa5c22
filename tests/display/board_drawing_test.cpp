// Pixels of the two board halves, the bar and the borne-off stacks as drawn
// into their off-screen images.
#include "display/board_drawing.h"

#include <QTest>

#include "tests/support/positions.h"

namespace morvik {

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

// Whether the image has detail finer than `ratio` device pixels: some block
// of ratio x ratio pixels that is not of one colour. A picture enlarged pixel
// by pixel has none.
bool HasFinerDetail(const QImage& image, int ratio) {
  for (int y = 0; y + ratio <= image.height(); y += ratio) {
    for (int x = 0; x + ratio <= image.width(); x += ratio) {
      const QRgb first = image.pixel(x, y);
      for (int dy = 0; dy < ratio; ++dy) {
        for (int dx = 0; dx < ratio; ++dx) {
          if (image.pixel(x + dx, y + dy) != first) return true;
        }
      }
    }
  }
  return false;
}

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

  // On a scaled screen the images gain device pixels and keep their logical
  // size and layout.
  void drawnAtThePixelRatio_data() {
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0})
      QTest::newRow(qPrintable(QString::number(ratio))) << ratio;
  }

  void drawnAtThePixelRatio() {
    QFETCH(qreal, ratio);
    BoardDrawing plain(colours_);
    plain.DrawPosition(StartingPosition());
    BoardDrawing scaled(colours_);
    scaled.SetPixelRatio(ratio);
    scaled.DrawPosition(StartingPosition());
    for (const QImage* half : {&scaled.Left(), &scaled.Right(), &scaled.OffArea()}) {
      QCOMPARE(half->devicePixelRatio(), ratio);
    }
    QCOMPARE(scaled.Left().size(), QSize(qRound(300 * ratio), qRound(500 * ratio)));
    QCOMPARE(scaled.Left().deviceIndependentSize(), QSizeF(300, 500));
    QCOMPARE(scaled.OffArea().deviceIndependentSize(), QSizeF(kOffAreaWidth, kOffAreaHeight));
    // Checkers, triangles and background at the same logical places.
    const QPoint probes[] = {Checker(5, false, 2),
                             Checker(0, false, 5),
                             Checker(4, true, 3),
                             {75, 100},
                             {125, 100},
                             {25, 250},
                             {5, 150},
                             {275, 400}};
    for (const QPoint& at : probes) {
      const QPoint device(qRound((at.x() + 0.5) * ratio), qRound((at.y() + 0.5) * ratio));
      QCOMPARE(scaled.Left().pixelColor(device), plain.Left().pixelColor(at));
      QCOMPARE(scaled.Right().pixelColor(device), plain.Right().pixelColor(at));
    }
    QCOMPARE(scaled.OffArea().pixelColor(qRound(23 * ratio), qRound(5 * ratio)), kGray);
  }

  // At ratio 2 the board is the same drawing made at double size: crisper
  // than the plain one enlarged, which it matches wherever that is flat.
  void ratioTwoIsDrawnNotEnlarged() {
    BoardDrawing plain(colours_);
    plain.DrawPosition(Board({{6, 7}, {19, -7}, {0, -2}}));
    BoardDrawing scaled(colours_);
    scaled.SetPixelRatio(2);
    scaled.DrawPosition(Board({{6, 7}, {19, -7}, {0, -2}}));
    for (const QImage* half : {&scaled.Left(), &scaled.Right()}) {
      QVERIFY(HasFinerDetail(half->convertToFormat(QImage::Format_RGB32), 2));
    }
    const QImage enlarged = plain.Right().scaled(600, 1000);
    QVERIFY(!HasFinerDetail(enlarged, 2));
    int differing = 0;
    for (int y = 0; y < 1000; y += 2) {
      for (int x = 0; x < 600; x += 2)
        differing += scaled.Right().pixel(x, y) != enlarged.pixel(x, y);
    }
    QVERIFY(differing > 0);
    QVERIFY(differing < 600 * 1000 / 4 / 20);  // only along edges and in the numbers
  }

  // A new ratio draws the last position again.
  void newRatioRedrawsTheLastPosition() {
    BoardDrawing drawing(colours_);
    int shown = 0;
    drawing.SetShowHandler([&] { ++shown; });
    drawing.DrawPosition(Board({{6, 2}}));
    drawing.SetPixelRatio(1.5);
    QCOMPARE(shown, 2);
    QCOMPARE(drawing.Right().pixelColor(qRound(25 * 1.5), qRound(477 * 1.5)), kRed);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(BoardDrawingTest)
#include "board_drawing_test.moc"
