// The colour dialog opened from the window: every change shows on the board at
// once; Restore defaults, Ok and Cancel.
#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {
const QColor kRedPixel(255, 0, 0);
const QColor kWhitePixel(255, 255, 255);
const QColor kBluePixel(0, 0, 255);
const QPoint kEvenTriangle(30 + 75, 30 + 100);  // point 14
const QPoint kOddTriangle(30 + 125, 30 + 100);  // point 15
const QPoint kOwnChecker(350 + 25, 30 + 477);   // point 6
}  // namespace

class ColourSettingsTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

  TForm2* Open() {
    w_.form->Coloursettings1->trigger();
    return w_.form->findChildren<TForm2*>().last();
  }

 private Q_SLOTS:
  void init() { w_.Reopen(); }
  void cleanup() { w_.Close(); }

  void changeShowsAtOnceAndOkKeepsIt() {
    TForm2* dialog = Open();
    w_.dialogs.colour = kBluePixel;
    QTest::mouseClick(dialog->Button6, Qt::LeftButton);
    QCOMPARE(w_.Grab().pixelColor(kEvenTriangle), kBluePixel);
    QCOMPARE(w_.Grab().pixelColor(350 + 75, 30 + 100), kBluePixel);  // point 20 too
    QCOMPARE(w_.Grab().pixelColor(kOddTriangle), kRedPixel);
    QTest::mouseClick(dialog->ok, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(w_.form->ColourSettings().evenPoints, 0xFF0000u);
    QCOMPARE(w_.Grab().pixelColor(kEvenTriangle), kBluePixel);
  }

  void restoreDefaults() {
    w_.form->ColourSettings() = {0x00FF00, 0x000000, 0x404040, 0x00FFFF, 0xFF00FF};
    TForm2* dialog = Open();
    QTest::mouseClick(dialog->Button7, Qt::LeftButton);
    QTest::mouseClick(dialog->ok, Qt::LeftButton);
    const QImage board = w_.Grab();
    QCOMPARE(board.pixelColor(kOwnChecker), kRedPixel);
    QCOMPARE(board.pixelColor(30 + 25, 30 + 477), kWhitePixel);  // the computer's on point 12
    QCOMPARE(board.pixelColor(30 + 25, 30 + 250), QColor(0, 128, 0));
    QCOMPARE(board.pixelColor(kEvenTriangle), kWhitePixel);
    QCOMPARE(board.pixelColor(kOddTriangle), kRedPixel);
  }

  // Cancel goes back to the colours of the opening, after any number of
  // changes and repaints.
  void cancelRestoresTheOpeningColours() {
    TForm2* dialog = Open();
    w_.dialogs.colour = kBluePixel;
    dialog->Button1Click();
    dialog->repaint();
    QCOMPARE(w_.Grab().pixelColor(kOwnChecker), kBluePixel);
    dialog->Button5Click();
    dialog->repaint();
    QTest::mouseClick(dialog->cancel, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(w_.form->ColourSettings(), BoardColours{});
    QCOMPARE(w_.Grab().pixelColor(kOwnChecker), kRedPixel);
    QCOMPARE(w_.Grab().pixelColor(kOddTriangle), kRedPixel);
  }

  // During a move the redraw shows the committed board: the checker moved
  // from point 8 is back there until the next click.
  void redrawShowsTheCommittedBoard() {
    const QPoint thirdOnEight(30 + 225, 30 + 385);
    w_.dice.Add({1, 3});
    w_.Click(w_.form->diceknap);
    w_.ClickPoint(5);
    QCOMPARE(w_.Grab().pixelColor(thirdOnEight), kWhitePixel);
    Open()->okClick();
    QCOMPARE(w_.Grab().pixelColor(thirdOnEight), kRedPixel);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(ColourSettingsTest)
#include "colour_settings_test.moc"
