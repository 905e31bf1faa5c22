// The window on a screen scaled by 2 (QT_SCALE_FACTOR=2): the board halves
// show, device pixel for device pixel, the board drawn at double size, in the
// same logical layout.
#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {

QImage DevicePixels(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class HiDpiTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

 private Q_SLOTS:
  void init() {
    w_.Reopen();
    if (w_.form->devicePixelRatio() != 2) QSKIP("run with QT_SCALE_FACTOR=2");
  }
  void cleanup() { w_.Close(); }

  void halvesShowTheBoardDrawnAtDoubleSize() {
    Tform1& f = *w_.form;
    const SignedBoard board = MakeBoard({{6, 7}, {13, 3}, {25, 2}, {19, -7}, {12, -2}, {0, -3}});
    f.Model().SetPosition(board);
    BoardColours colours;
    BoardDrawing reference(colours);
    reference.SetPixelRatio(2);
    reference.DrawPosition(board);
    QCOMPARE(f.DrawGrid1->geometry(), QRect(30, 30, 300, 500));
    const QImage left = DevicePixels(f.DrawGrid1);
    const QImage right = DevicePixels(f.DrawGrid2);
    QCOMPARE(left.size(), QSize(600, 1000));
    QCOMPARE(left, reference.Left().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(right, reference.Right().convertToFormat(QImage::Format_RGB32));
  }

  void borneOffStacksToo() {
    Tform1& f = *w_.form;
    f.Model().SetPosition(MakeBoard({{1, 3}}));
    const QImage surface = DevicePixels(f.Surface);
    QCOMPARE(f.Drawing().OffArea().devicePixelRatio(), 2.0);
    const QImage off = f.Drawing().OffArea().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < off.height(); y += 7) {
      const int logicalY = kOffAreaTop + y / 2;
      if (logicalY >= 245 && logicalY <= 310) continue;  // the buttons in front
      for (int x = 0; x < off.width(); x += 5) {
        QCOMPARE(surface.pixel(2 * kOffAreaLeft + x, 2 * kOffAreaTop + y), off.pixel(x, y));
      }
    }
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
