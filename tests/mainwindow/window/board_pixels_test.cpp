// The board as the grabbed window shows it, in a known position: frame,
// triangles, checkers with their counts, the bar and the borne-off stacks.
#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {

const QColor kRedPixel(255, 0, 0);
const QColor kWhitePixel(255, 255, 255);
const QColor kBlackPixel(0, 0, 0);
const QColor kGrayPixel(128, 128, 128);

int BlackIn(const QImage& image, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      count += image.pixelColor(x, y) == kBlackPixel;
  }
  return count;
}

}  // namespace

class BoardPixelsTest : public QObject {
  Q_OBJECT

  WindowFixture w_;
  QImage board_;

 private Q_SLOTS:
  void initTestCase() {
    w_.Open();
    // Player-1: 7 on point 6, 3 on point 13, 2 on the bar, 3 borne off.
    // The computer: 7 on point 19, 2 on point 12, 3 on the bar, 3 borne off.
    w_.form->Model().SetPosition(
        MakeBoard({{6, 7}, {13, 3}, {25, 2}, {19, -7}, {12, -2}, {0, -3}}));
    board_ = w_.Grab();
  }
  void cleanupTestCase() { w_.form.reset(); }

  void frameAndBar() {
    QCOMPARE(board_.pixelColor(24, 24), kBlackPixel);
    QCOMPARE(board_.pixelColor(655, 535), kBlackPixel);
    QCOMPARE(board_.pixelColor(340, 100), kBlackPixel);
    QCOMPARE(board_.pixelColor(23, 300), kGrayPixel);
    QCOMPARE(board_.pixelColor(657, 300), kGrayPixel);
  }

  void trianglesInBothColours() {
    QCOMPARE(board_.pixelColor(30 + 75, 30 + 100), kWhitePixel);    // 14
    QCOMPARE(board_.pixelColor(30 + 125, 30 + 100), kRedPixel);     // 15
    QCOMPARE(board_.pixelColor(350 + 75, 30 + 400), kRedPixel);     // 5
    QCOMPARE(board_.pixelColor(350 + 125, 30 + 400), kWhitePixel);  // 4
    QCOMPARE(board_.pixelColor(30 + 25, 30 + 250), QColor(0, 128, 0));
  }

  void checkersWithTheirCounts() {
    // Point 6: five red checkers from the bottom edge and the number 7.
    QCOMPARE(board_.pixelColor(350 + 25, 30 + 500 - 46 * 5 + 23), kRedPixel);
    QVERIFY(BlackIn(board_, QRect(350 + 22, 30 + 471, 18, 13)) > 0);
    // Point 19: five white checkers from the top edge and the number 7.
    QCOMPARE(board_.pixelColor(350 + 25, 30 + 46 * 5 - 23), kWhitePixel);
    QVERIFY(BlackIn(board_, QRect(350 + 22, 30 + 17, 18, 13)) > 0);
    // Points 13 and 12 hold three and two: no number.
    QCOMPARE(board_.pixelColor(30 + 25, 30 + 46 * 3 - 23), kRedPixel);
    QCOMPARE(BlackIn(board_, QRect(30 + 22, 30 + 17, 18, 13)), 0);
    QCOMPARE(board_.pixelColor(30 + 25, 30 + 500 - 46 * 2 + 23), kWhitePixel);
    QCOMPARE(BlackIn(board_, QRect(30 + 22, 30 + 471, 18, 13)), 0);
  }

  void barCheckersWithTheirCount() {
    QCOMPARE(board_.pixelColor(30 + 250, 30 + 232), kWhitePixel);
    QVERIFY(BlackIn(board_, QRect(30 + 247, 30 + 243, 16, 13)) > 0);
    QCOMPARE(board_.pixelColor(350 + 50, 30 + 232), kRedPixel);
    QVERIFY(BlackIn(board_, QRect(350 + 47, 30 + 243, 16, 13)) > 0);
  }

  void borneOffStacks() {
    QCOMPARE(board_.pixelColor(723, 35), kWhitePixel);
    QCOMPARE(board_.pixelColor(723, 30 + 24 + 40), kWhitePixel);  // the third
    QCOMPARE(board_.pixelColor(723, 30 + 24 + 50), kGrayPixel);
    QCOMPARE(board_.pixelColor(723, 525), kRedPixel);
    QCOMPARE(board_.pixelColor(723, 484 - 24 + 5), kRedPixel);  // the third
    QCOMPARE(board_.pixelColor(723, 484 - 24 - 5), kGrayPixel);
    QCOMPARE(board_.pixelColor(790, 300), kGrayPixel);
  }

  // A repaint of the window keeps the stacks beside the board.
  void repaintKeepsTheStacks() {
    w_.form->repaint();
    QCOMPARE(w_.Grab().pixelColor(723, 525), kRedPixel);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(BoardPixelsTest)
#include "board_pixels_test.moc"
