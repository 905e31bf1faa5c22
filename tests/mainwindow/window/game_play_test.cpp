// Games played through the window: the roll button, clicks on the points and
// beside the board, Undo, Ok, the dice label, the game end and the next game.
#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {
const QColor kRedPixel(255, 0, 0);
const QColor kWhitePixel(255, 255, 255);
const QColor kBlackPixel(0, 0, 0);
}  // namespace

class GamePlayTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

 private Q_SLOTS:
  void init() { w_ = {}; }
  void cleanup() {
    QCOMPARE(w_.dice.overrun, 0);
    QCOMPARE(w_.dice.Left(), std::size_t{0});
    w_.form.reset();
  }

  void rollMoveUndoAndAccept() {
    w_.Open();
    Tform1& f = *w_.form;
    w_.dice.Add({1, 3});  // Player-1 opens with 3-1
    w_.Click(f.diceknap);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 3 - 1"));
    QCOMPARE(f.terningeslag->palette().color(QPalette::WindowText), kWhitePixel);
    QCOMPARE(f.diceknap->text(), QString("&Roll Dice"));
    QVERIFY(!f.diceknap->isEnabled());
    QVERIFY(f.Okknap->isVisible() && !f.Okknap->isEnabled());
    QVERIFY(f.undoknap->isVisible() && !f.undoknap->isEnabled());
    QVERIFY(f.DrawGrid1->isEnabled() && f.DrawGrid2->isEnabled());

    w_.ClickPoint(5);  // 8/5 with the 3
    QCOMPARE(f.Model().WorkingBoard()[5], 1);
    QVERIFY(f.undoknap->isEnabled());
    QVERIFY(!f.Okknap->isEnabled());
    const QPoint thirdOnEight(30 + 225, 30 + 385);
    QCOMPARE(w_.Grab().pixelColor(thirdOnEight), kWhitePixel);  // drawn at once

    w_.Click(f.undoknap);
    QVERIFY(f.Model().WorkingBoard() == StartingPosition());
    QVERIFY(!f.undoknap->isEnabled());
    QVERIFY(f.DrawGrid2->isEnabled());
    QCOMPARE(w_.Grab().pixelColor(thirdOnEight), kRedPixel);

    w_.ClickPoint(5);
    w_.ClickPoint(5);  // 6/5 with the 1
    QCOMPARE(f.Model().WorkingBoard()[5], 2);
    QVERIFY(!f.DrawGrid1->isEnabled() && !f.DrawGrid2->isEnabled());
    QVERIFY(f.Okknap->isEnabled());
    QCOMPARE(f.focusWidget(), f.Okknap);

    w_.dice.Add({2, 4});  // the computer's 4-2
    w_.Click(f.Okknap);
    const QStringList history = w_.History();
    QVERIFY(history.size() >= 3);
    QVERIFY(history[1].startsWith("Player-1: 3-1: "));
    QVERIFY(history[1].contains("8/5") && history[1].contains("6/5"));
    QVERIFY(history.last().startsWith("Computer: 4-2: "));
    QCOMPARE(f.ComboBox1->currentIndex(), f.ComboBox1->count() - 1);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 4 - 2"));
    QCOMPARE(f.terningeslag->palette().color(QPalette::WindowText), kBlackPixel);
    QVERIFY(f.diceknap->isEnabled());
    QCOMPARE(f.focusWidget(), f.diceknap);
    QVERIFY(f.Okknap->isVisible() && !f.Okknap->isEnabled());
    QVERIFY(f.Model().WorkingBoard() == f.Model().CommittedBoard());
  }

  void clicksOnDisabledGridsChangeNothing() {
    w_.Open();
    w_.ClickPoint(5);
    w_.ClickBeside();
    QVERIFY(w_.form->Model().WorkingBoard() == StartingPosition());
    QCOMPARE(w_.form->Model().MadeMoveCount(), 0);
  }

  void diceLabelReversesTheDice() {
    w_.Open();
    Tform1& f = *w_.form;
    w_.Click(f.terningeslag);  // before the roll: nothing
    QCOMPARE(f.terningeslag->text(), QString());
    w_.dice.Add({2, 5});
    w_.Click(f.diceknap);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 5 - 2"));
    w_.Click(f.terningeslag);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 2 - 5"));
    QCOMPARE(f.Model().FirstDie(), 2);
    QCOMPARE(f.terningeslag->palette().color(QPalette::WindowText), kWhitePixel);
    // A double click is two clicks: the order comes back. (Widgets see its
    // first press and then the double click itself.)
    QTest::mouseClick(f.terningeslag, Qt::LeftButton);
    QTest::mouseDClick(f.terningeslag, Qt::LeftButton);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 2 - 5"));
    QVERIFY(f.terningeslag->width() > 22);
  }

  // Player-1 bears off his last two checkers by clicks beside the board and
  // wins a gammon; the next game starts and opens at once.
  void bearOffWinAndNextGame() {
    w_.Open();
    Tform1& f = *w_.form;
    f.Model().SetPosition(MakeBoard({{3, 1}, {1, 1}, {12, -15}}));
    w_.dice.Add({1, 3});
    w_.Click(f.diceknap);
    w_.ClickBeside();  // 3/off with the 3
    QCOMPARE(f.Model().WorkingBoard()[3], 0);
    QCOMPARE(w_.Grab().pixelColor(723, 484 - 12 * 13 + 5), kRedPixel);  // the 14th off
    w_.ClickBeside();                                                   // 1/off with the 1
    QVERIFY(f.Okknap->isEnabled());

    QString selectedAtMessage;
    w_.dialogs.onInform = [&](std::string_view) { selectedAtMessage = f.ComboBox1->currentText(); };
    w_.dice.Add({1, 3});  // the next game's opening roll
    w_.Click(f.Okknap);
    const std::string message =
        "inform: Player-1 wins a gammon. The score is - Player-1: 2 (0-1-0) - Comp: 0 (0-0-0)";
    QCOMPARE(w_.dialogs.events.back(), message);
    QCOMPARE(selectedAtMessage, QString("Player-1: 2 (0-1-0) - Comp: 0 (0-0-0)"));
    const QStringList history = w_.History();
    const int result = static_cast<int>(history.indexOf("Player-1 wins a gammon."));
    QVERIFY(result > 0);
    QVERIFY(history[result - 1].startsWith("Player-1: 3-1: "));
    QCOMPARE(history.mid(result + 1, 4),
             QStringList({"Player-1: 2 (0-1-0) - Comp: 0 (0-0-0)", "**********************",
                          "New game", "**********************"}));
    QVERIFY(f.Model().WorkingBoard() == StartingPosition());
    QCOMPARE(f.terningeslag->text(), QString("Dice: 3 - 1"));
    QVERIFY(f.DrawGrid1->isEnabled());
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(GamePlayTest)
#include "game_play_test.moc"
