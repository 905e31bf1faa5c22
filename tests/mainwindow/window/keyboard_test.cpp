// The keyboard wherever the focus is: the menus' shortcuts from the history
// list's edit field, typing there ignored, Return and Enter on the buttons.
#include <QLineEdit>

#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {

// The focus as a click into the history list leaves it.
QWidget* FocusHistory(Tform1& f) {
  QTest::mouseClick(f.ComboBox1->lineEdit(), Qt::LeftButton);
  f.ComboBox1->lineEdit()->setFocus();
  QApplication::processEvents();
  return QApplication::focusWidget();
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

 private Q_SLOTS:
  void init() { w_.Reopen(); }
  void cleanup() { w_.Close(); }

  // "&Start game" has the focus at start and shows its focus frame at once,
  // as it does once Tab has moved the focus away and back.
  void focusFrameFromTheStart() {
    Tform1& f = *w_.form;
    QVERIFY(f.diceknap->hasFocus());
    const QImage atStart = f.diceknap->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(f.diceknap->hasFocus());
    QCOMPARE(atStart, f.diceknap->grab().toImage());
  }

  void shortcutsFromTheHistoryList_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("asked");  // the start of the box's text, or empty
    QTest::newRow("Ctrl+X exit") << int(Qt::Key_X) << "confirm:   Exit Morvik ?";
    QTest::newRow("Ctrl+N new game") << int(Qt::Key_N) << "confirm: You mother";
    QTest::newRow("Ctrl+C automatic OK")
        << int(Qt::Key_C) << "confirm: Note that enabling this feature, will";
    QTest::newRow("Ctrl+D automatic roll")
        << int(Qt::Key_D) << "confirm: Note that enabling this feature may";
    QTest::newRow("Ctrl+E hints") << int(Qt::Key_E) << "";
    QTest::newRow("Ctrl+O look-ahead") << int(Qt::Key_O) << "";
  }

  void shortcutsFromTheHistoryList() {
    QFETCH(int, key);
    QFETCH(QString, asked);
    Tform1& f = *w_.form;
    QWidget* focus = FocusHistory(f);
    QVERIFY(focus == f.ComboBox1 || focus == f.ComboBox1->lineEdit());
    f.ComboBox1->lineEdit()->selectAll();
    const QStringList history = w_.History();
    w_.dialogs.answers = {false};
    QTest::keyClick(focus, static_cast<Qt::Key>(key), Qt::ControlModifier);
    if (asked.isEmpty()) {
      QVERIFY(w_.dialogs.events.empty());
      w_.dialogs.answers.clear();
    } else {
      QCOMPARE(w_.dialogs.events.size(), std::size_t{1});
      QVERIFY(w_.dialogs.events[0].starts_with(asked.toStdString()));
    }
    if (key == Qt::Key_E) QVERIFY(!f.EnableHints1->isChecked());
    if (key == Qt::Key_O) QCOMPARE(w_.History().last(), QString("Look-ahead enabled."));
    if (key != Qt::Key_O) QCOMPARE(w_.History(), history);
    if (key != Qt::Key_O)
      QCOMPARE(f.ComboBox1->currentText(), QString("Game History:"));  // nothing cut
  }

  void reverseAndHelpFromTheHistoryList() {
    Tform1& f = *w_.form;
    w_.dice.Add({2, 6});
    w_.Click(f.diceknap);
    QWidget* focus = FocusHistory(f);
    QTest::keyClick(focus, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 2 - 6"));
    QTest::keyClick(focus, Qt::Key_F1);
    QTest::keyClick(focus, Qt::Key_F2);
    QCOMPARE(w_.dialogs.events.size(), std::size_t{2});
    QCOMPARE(w_.dialogs.events[1], std::string("about"));
  }

  // What is typed into the edit field is ignored: no line is added.
  void typingIntoTheHistoryListIsIgnored() {
    Tform1& f = *w_.form;
    QWidget* focus = FocusHistory(f);
    QTest::keyClicks(focus, "hello");
    QTest::keyClick(focus, Qt::Key_Return);
    QCOMPARE(f.ComboBox1->count(), 1);
    QCOMPARE(f.Model().ComboBox1().lines.size(), std::size_t{1});
    QVERIFY(w_.dialogs.events.empty());
  }

  void returnPressesTheFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
  }

  void returnPressesTheFocusedButton() {
    QFETCH(int, key);
    const auto press = [key](QWidget* button) {
      button->setFocus();
      QTest::keyClick(button, static_cast<Qt::Key>(key));
    };
    Tform1& f = *w_.form;
    w_.dice.Add({1, 3});
    press(f.diceknap);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 3 - 1"));
    w_.ClickPoint(5);
    press(f.undoknap);
    QVERIFY(f.Model().WorkingBoard() == StartingPosition());
    QVERIFY(!f.undoknap->isEnabled());
    w_.ClickPoint(5);
    w_.ClickPoint(5);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.Okknap));
    w_.dice.Add({2, 4});
    press(f.Okknap);
    QCOMPARE(w_.History().mid(1, 1), QStringList({"Player-1: 3-1: 8/5 6/5 "}));
    QCOMPARE(f.terningeslag->text(), QString("Dice: 4 - 2"));
  }

  // A disabled button ignores Return; Return elsewhere presses nothing.
  void returnOnADisabledButtonDoesNothing() {
    Tform1& f = *w_.form;
    w_.dice.Add({1, 3});
    w_.Click(f.diceknap);
    QTest::keyClick(f.Okknap, Qt::Key_Return);
    QVERIFY(f.DrawGrid1->isEnabled());
    QCOMPARE(w_.History().size(), 1);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
