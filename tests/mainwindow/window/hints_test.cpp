// Hints off and on: the hint texts of every control and of the surface beside
// the board, and the history list that never shows one.
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {

// Asks the widget for its hint as the mouse resting on it would.
QString ShownHint(QWidget* widget, QPoint at) {
  QToolTip::hideText();
  (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000);
  QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &event);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

}  // namespace

class HintsTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

  QList<QWidget*> Hinted() {
    Tform1& f = *w_.form;
    return {f.diceknap, f.terningeslag, f.Okknap, f.DrawGrid1, f.DrawGrid2, f.undoknap, f.Surface};
  }

 private Q_SLOTS:
  void init() { w_.Reopen(); }
  void cleanup() {
    QToolTip::hideText();
    w_.form.reset();
  }

  void switchOffAndOn() {
    Tform1& f = *w_.form;
    QStringList texts;
    for (QWidget* c : Hinted()) texts << c->toolTip();
    QVERIFY(!texts.contains(QString()));
    QCOMPARE(ShownHint(f.Surface, {760, 450}), QString("Click here to bear off."));
    QCOMPARE(ShownHint(f.diceknap, {5, 5}), QString("Click here to roll dice."));

    QTest::keyClick(&f, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!f.EnableHints1->isChecked());
    for (QWidget* c : Hinted()) QCOMPARE(c->toolTip(), QString());
    QCOMPARE(ShownHint(f.Surface, {760, 450}), QString());
    QCOMPARE(ShownHint(f.diceknap, {5, 5}), QString());

    f.EnableHints1->trigger();
    QVERIFY(f.EnableHints1->isChecked());
    for (int i = 0; i < texts.size(); ++i) QCOMPARE(Hinted()[i]->toolTip(), texts[i]);
  }

  void historyListShowsNoHint() {
    Tform1& f = *w_.form;
    QCOMPARE(f.ComboBox1->toolTip(), QString());
    QCOMPARE(ShownHint(f.ComboBox1, {5, 5}), QString());
    QCOMPARE(ShownHint(f.ComboBox1->lineEdit(), {5, 5}), QString());
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(HintsTest)
#include "hints_test.moc"
