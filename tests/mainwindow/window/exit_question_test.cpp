// The exit question on every request to close: No leaves the game as it was.
#include <QMessageBox>
#include <QTimer>

#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

class ExitQuestionTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

 private Q_SLOTS:
  void init() { w_.Reopen(); }
  void cleanup() { w_.Close(); }

  void noLeavesTheGameUntouched() {
    Tform1& f = *w_.form;
    w_.dice.Add({1, 3});
    w_.Click(f.diceknap);
    w_.ClickPoint(5);
    const SignedBoard working = f.Model().WorkingBoard();
    const QStringList history = w_.History();
    bool enabledDuringQuestion = true;
    w_.dialogs.onConfirm = [&](std::string_view) { enabledDuringQuestion = f.isEnabled(); };

    w_.dialogs.answers = {false};
    f.close();  // the close box
    w_.dialogs.answers = {false};
    QTest::keyClick(&f, Qt::Key_X, Qt::ControlModifier);  // E&xit
    QCOMPARE(w_.dialogs.events, std::vector<std::string>(2, "confirm:   Exit Morvik ?  "));
    QVERIFY(!enabledDuringQuestion);
    QVERIFY(f.isVisible());
    QVERIFY(f.isEnabled());
    QVERIFY(f.Model().WorkingBoard() == working);
    QCOMPARE(w_.History(), history);
    QCOMPARE(f.terningeslag->text(), QString("Dice: 3 - 1"));
    QVERIFY(f.undoknap->isEnabled());
    QVERIFY(f.DrawGrid1->isEnabled());
  }

  void yesCloses() {
    w_.dialogs.answers = {true};
    w_.form->exit->trigger();
    QVERIFY(!w_.form->isVisible());
  }

  // The real question box: question icon, Yes and No, the text with its blanks.
  void messageBoxAsksWithYesAndNo() {
    MessageBoxDialogs dialogs;
    dialogs.SetParent(w_.form.get());
    w_.form->setEnabled(false);
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool boxEnabled = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      text = box->text();
      icon = box->icon();
      boxEnabled = box->isEnabled() && box->button(QMessageBox::No) != nullptr;
      box->button(QMessageBox::No)->click();
    });
    QVERIFY(!dialogs.Confirm("  Exit Morvik ?  "));
    QCOMPARE(text, QString("  Exit Morvik ?  "));
    QCOMPARE(icon, QMessageBox::Question);
    QVERIFY(boxEnabled);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(ExitQuestionTest)
#include "exit_question_test.moc"
