// Every menu command, by its shortcut or from its menu, and the context menu.
#include <QContextMenuEvent>
#include <QLineEdit>

#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {

const std::string kNewGameQuestion =
    "confirm: You mother fuckin\xc2\xb4 son of a bitch - Are you trying to cheat ?";

void Key(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
  QTest::keyClick(window, static_cast<Qt::Key>(key), modifiers);
}

}  // namespace

class MenuTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

 private Q_SLOTS:
  void init() { w_.Reopen(); }
  void cleanup() { w_.Close(); }

  void newGameAsksEveryTime() {
    Tform1& f = *w_.form;
    const int lines = f.ComboBox1->count();
    w_.dialogs.answers = {false};
    Key(&f, Qt::Key_N);
    QCOMPARE(w_.dialogs.events.back(), kNewGameQuestion);
    QCOMPARE(f.ComboBox1->count(), lines);

    w_.dice.Add({1, 3});
    w_.Click(f.diceknap);
    w_.ClickPoint(5);
    w_.dialogs.answers = {true};
    f.newgame->trigger();
    QVERIFY(f.Model().WorkingBoard() == StartingPosition());
    QCOMPARE(f.diceknap->text(), QString("&Start game"));
    QVERIFY(f.diceknap->isEnabled());
    QCOMPARE(f.focusWidget(), f.diceknap);
    QVERIFY(f.Okknap->isHidden() && f.undoknap->isHidden());
    QVERIFY(!f.DrawGrid1->isEnabled());
    QCOMPARE(f.terningeslag->text(), QString());
    QCOMPARE(w_.History().mid(lines),
             QStringList({"**********************", "New game", "**********************"}));
  }

  void reverseTheDice() {
    Tform1& f = *w_.form;
    Q_EMIT f.Options1->aboutToShow();
    QVERIFY(!f.Reversethesequenceofplayingthedice1->isEnabled());
    Key(&f, Qt::Key_R);
    QCOMPARE(f.terningeslag->text(), QString());
    w_.dice.Add({2, 6});
    w_.Click(f.diceknap);
    Q_EMIT f.Options1->aboutToShow();
    QVERIFY(f.Reversethesequenceofplayingthedice1->isEnabled());
    Key(&f, Qt::Key_R);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 2 - 6"));
    Q_EMIT f.PopupMenu1->aboutToShow();
    QVERIFY(f.Reversethesequenceofplayingthedice2->isEnabled());
    f.Reversethesequenceofplayingthedice2->trigger();
    QCOMPARE(f.terningeslag->text(), QString("Dice: 6 - 2"));
  }

  void contextMenuOpensOnRightClick() {
    Tform1& f = *w_.form;
    QContextMenuEvent click(QContextMenuEvent::Mouse, {760, 450},
                            f.Surface->mapToGlobal(QPoint(760, 450)));
    QApplication::sendEvent(f.Surface, &click);
    QTRY_VERIFY(f.PopupMenu1->isVisible());
    QVERIFY(!f.Reversethesequenceofplayingthedice2->isEnabled());
    f.PopupMenu1->hide();
  }

  void automaticOkAsksOnlyWhenSwitchedOn() {
    Tform1& f = *w_.form;
    w_.dialogs.answers = {false, true};
    Key(&f, Qt::Key_C);
    QVERIFY(!f.AutomaticOKclickafterlastmove1->isChecked());
    QVERIFY(w_.dialogs.events.back().starts_with(
        "confirm: Note that enabling this feature, will make it impossible to undo moves"));
    Key(&f, Qt::Key_C);
    QVERIFY(f.AutomaticOKclickafterlastmove1->isChecked());
    const std::size_t asked = w_.dialogs.events.size();
    Key(&f, Qt::Key_C);
    QVERIFY(!f.AutomaticOKclickafterlastmove1->isChecked());
    QCOMPARE(w_.dialogs.events.size(), asked);
  }

  void automaticOkAcceptsTheLastClick() {
    Tform1& f = *w_.form;
    w_.dialogs.answers = {true};
    f.AutomaticOKclickafterlastmove1->trigger();
    w_.dice.Add({1, 3, 2, 4});
    w_.Click(f.diceknap);
    w_.ClickPoint(5);
    w_.ClickPoint(5);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 4 - 2"));  // the computer has played
    QVERIFY(f.diceknap->isEnabled());
  }

  void automaticRollAsksAndRolls() {
    Tform1& f = *w_.form;
    w_.dialogs.answers = {true};
    Key(&f, Qt::Key_D);
    QVERIFY(w_.dialogs.events.back().starts_with(
        "confirm: Note that enabling this feature may result in the computer  moving so fast"));
    QVERIFY(f.AutomaticRolldiceafterComputersmove1->isChecked());
    w_.dice.Add({1, 3, 2, 4, 5, 6});  // opening, the computer's roll, Player-1's next roll
    w_.Click(f.diceknap);
    w_.ClickPoint(5);
    w_.ClickPoint(5);
    w_.Click(f.Okknap);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 6 - 5"));
    QVERIFY(!f.diceknap->isEnabled());
    QVERIFY(f.DrawGrid1->isEnabled());
    Key(&f, Qt::Key_D);
    QVERIFY(!f.AutomaticRolldiceafterComputersmove1->isChecked());
  }

  // After the roll the focus stays with the window, so the Ctrl shortcuts
  // still reach the menus.
  void shortcutsWorkDuringTheMove() {
    Tform1& f = *w_.form;
    w_.dice.Add({1, 3});
    w_.Click(f.diceknap);
    QVERIFY(!f.ComboBox1->hasFocus() && !f.ComboBox1->lineEdit()->hasFocus());
    w_.dialogs.answers = {false};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(w_.dialogs.events.size(), std::size_t{1});
  }

  void lookAheadWritesItsLine() {
    Tform1& f = *w_.form;
    const int lines = f.ComboBox1->count();
    for (int i = 0; i < 4; ++i) Key(&f, Qt::Key_O);
    QCOMPARE(w_.History().mid(lines), QStringList({"Look-ahead enabled.", "Look-ahead disabled.",
                                                   "Look-ahead enabled.", "Look-ahead disabled."}));
    Key(&f, Qt::Key_O);
    QVERIFY(f.Oneplylookahead1->isChecked());
    QVERIFY(w_.dialogs.events.empty());
  }

  void helpAndAbout() {
    Tform1& f = *w_.form;
    Key(&f, Qt::Key_F1, Qt::NoModifier);
    const std::string help = w_.dialogs.events.back();
    QVERIFY(help.starts_with("inform: Morvik is played by clicking the mouse on the point"));
    QVERIFY(help.find("right-click-menu.  Bearing off is done") != std::string::npos);
    QVERIFY(help.ends_with("plain games, gammons and backgammons won."));
    w_.dialogs.events.clear();
    Key(&f, Qt::Key_F2, Qt::NoModifier);
    f.About1->trigger();
    QCOMPARE(w_.dialogs.events, std::vector<std::string>({"about", "about"}));
  }

  void colourSettingsOpenAFreshDialogEachTime() {
    Tform1& f = *w_.form;
    f.Coloursettings1->trigger();
    f.Coloursettings1->trigger();
    const QList<TForm2*> dialogs = f.findChildren<TForm2*>();
    QCOMPARE(dialogs.size(), 2);
    for (TForm2* d : dialogs) QVERIFY(d->isVisible() && !d->isModal());
    QVERIFY(f.isEnabled());
  }

  void rollOutAnalysisCannotBeChosen() {
    Tform1& f = *w_.form;
    QVERIFY(!f.Rolloutanalysis1->isEnabled());
    f.Rolloutanalysis1->trigger();
    QVERIFY(w_.dialogs.events.empty());
    QCOMPARE(f.ComboBox1->count(), 1);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
