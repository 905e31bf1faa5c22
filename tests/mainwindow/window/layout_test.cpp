// The main window as it first appears: every control at its place with its
// caption, hint and state, the fonts and colours, the tab order and the menus.
#include <QMenuBar>

#include "display/fonts.h"
#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {

QString Caption(QWidget* control) {
  if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText();
  return {};
}

QColor Bgr(uint32_t colour) {
  return ToQColor(colour);
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

  WindowFixture w_;

 private Q_SLOTS:
  void init() { w_.Open(); }
  void cleanup() { w_.Close(); }

  void controlsAtStart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    const QString point = "Click on the point you want to move to.";
    QTest::newRow("terningeslag") << "terningeslag" << QRect(661, 0, 22, 29) << ""
                                  << "Click here to reverse the sequence for playing the dice."
                                  << true << true;
    QTest::newRow("diceknap") << "diceknap" << QRect(681, 249, 97, 24) << "&Start game"
                              << "Click here to roll dice." << true << true;
    QTest::newRow("Okknap") << "Okknap" << QRect(681, 280, 41, 26) << "&Ok...?"
                            << "Accept move and let computer roll." << false << false;
    QTest::newRow("undoknap") << "undoknap" << QRect(736, 280, 42, 26) << "&Undo"
                              << "Restore board before move." << false << false;
    QTest::newRow("DrawGrid1") << "DrawGrid1" << QRect(30, 30, 300, 500) << "" << point << false
                               << true;
    QTest::newRow("DrawGrid2") << "DrawGrid2" << QRect(350, 30, 300, 500) << "" << point << false
                               << true;
    QTest::newRow("ComboBox1") << "ComboBox1" << QRect(24, 0, 316, 23) << "Game History:"
                               << "" << true << true;
    QTest::newRow("ComboBox2") << "ComboBox2" << QRect(340, 0, 316, 23) << ""
                               << "" << true << false;
    QTest::newRow("FormSurface") << "FormSurface" << QRect(0, 0, 804, 557) << ""
                                 << "Click here to bear off." << true << true;
  }

  void controlsAtStart() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    auto* control = w_.form->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    if (name == "FormSurface") {  // the client area, under the menu bar
      QCOMPARE(control->geometry().topLeft(), QPoint(0, w_.form->menuBar()->height()));
      QVERIFY(control->width() >= geometry.width() && control->height() >= geometry.height());
    } else {
      QCOMPARE(control->geometry(), geometry);
    }
    QCOMPARE(Caption(control), caption);
    QCOMPARE(control->toolTip(), hint);
    QCOMPARE(control->isEnabled(), enabled);
    QCOMPARE(!control->isHidden(), visible);
  }

  void fontsAndColours() {
    Tform1& f = *w_.form;
    QCOMPARE(f.font().family(), QString("MS Sans Serif"));
    QCOMPARE(f.font().pixelSize(), 12);
    QCOMPARE(f.Surface->palette().color(QPalette::Window), Bgr(0x808080));
    const QFont dice = f.terningeslag->font();
    QCOMPARE(dice.family(), QString("MS Sans Serif"));
    QCOMPARE(dice.pixelSize(), 25);
    QVERIFY(dice.bold() && dice.italic());
    QCOMPARE(f.terningeslag->palette().color(QPalette::WindowText), Bgr(0xFFFF00));
    QVERIFY(f.terningeslag->alignment() & Qt::AlignHCenter);
    for (QComboBox* list : {f.ComboBox1, f.ComboBox2}) {
      QCOMPARE(list->font().family(), QString("Courier New"));
      QCOMPARE(list->font().pixelSize(), 12);
      QCOMPARE(list->palette().color(QPalette::Base), Bgr(0xC0C0C0));
      QVERIFY(list->isEditable());
      QVERIFY(!list->hasFrame());
      QCOMPARE(list->maxVisibleItems(), 10);
    }
    QCOMPARE(f.ComboBox1->count(), 1);
  }

  // Each caption a button can show fits it in the font actually used.
  void captionsFitTheirButtons() {
    Tform1& f = *w_.form;
    const std::pair<QPushButton*, QString> captions[] = {{f.diceknap, "&Start game"},
                                                         {f.diceknap, "&Roll Dice"},
                                                         {f.Okknap, "&Ok...?"},
                                                         {f.undoknap, "&Undo"}};
    for (const auto& [button, caption] : captions) {
      const QSize text = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, caption);
      const QSize area = ButtonTextArea(button);
      QVERIFY2(text.width() <= area.width() && text.height() <= area.height(), qPrintable(caption));
    }
  }

  void tabOrder() {
    const QStringList named = {"diceknap", "Okknap", "undoknap", "ComboBox1", "ComboBox2"};
    QStringList order;
    QWidget* at = w_.form->diceknap;
    for (int i = 0; i < 200 && order.size() < 5; ++i) {
      if (named.contains(at->objectName()) && !order.contains(at->objectName())) {
        order << at->objectName();
      }
      at = at->nextInFocusChain();
    }
    QCOMPARE(order, named);
    // The board halves are no tab stops.
    QCOMPARE(w_.form->DrawGrid1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(w_.form->DrawGrid2->focusPolicy(), Qt::NoFocus);
  }

  void maximisingMovesNothing() {
    Tform1& f = *w_.form;
    const QList<QWidget*> controls = {f.terningeslag, f.diceknap,  f.Okknap,    f.undoknap,
                                      f.DrawGrid1,    f.DrawGrid2, f.ComboBox1, f.ComboBox2};
    QList<QRect> before;
    for (QWidget* c : controls) before << c->geometry();
    f.showMaximized();
    QApplication::processEvents();
    for (int i = 0; i < controls.size(); ++i) QCOMPARE(controls[i]->geometry(), before[i]);
    f.showNormal();
    QApplication::processEvents();
    for (int i = 0; i < controls.size(); ++i) QCOMPARE(controls[i]->geometry(), before[i]);
  }

  void menus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");
    const QString reverse = "&Reverse the sequence of playing the dice";
    QTest::newRow("newgame") << "newgame"
                             << "&New game" << QKeySequence("Ctrl+N") << false << false;
    QTest::newRow("exit") << "exit"
                          << "E&xit" << QKeySequence("Ctrl+X") << false << false;
    QTest::newRow("reverse") << "Reversethesequenceofplayingthedice1" << reverse
                             << QKeySequence("Ctrl+R") << false << false;
    QTest::newRow("auto OK") << "AutomaticOKclickafterlastmove1"
                             << "Automatic OK-&click after last move" << QKeySequence("Ctrl+C")
                             << true << false;
    QTest::newRow("auto roll") << "AutomaticRolldiceafterComputersmove1"
                               << QString::fromUtf8(
                                      "Automatic Roll-&dice after Computer\xc2\xb4s move")
                               << QKeySequence("Ctrl+D") << true << false;
    QTest::newRow("hints") << "EnableHints1"
                           << "&Enable Hints" << QKeySequence("Ctrl+E") << true << true;
    QTest::newRow("look-ahead") << "Oneplylookahead1"
                                << "&One-ply look-ahead" << QKeySequence("Ctrl+O") << true << false;
    QTest::newRow("colours") << "Coloursettings1"
                             << "&Colour-settings" << QKeySequence() << false << false;
    QTest::newRow("help") << "PlayingwithMorvik1"
                          << "&Playing with Morvik" << QKeySequence(Qt::Key_F1) << false << false;
    QTest::newRow("about") << "About1"
                           << "&About" << QKeySequence(Qt::Key_F2) << false << false;
    QTest::newRow("context reverse")
        << "Reversethesequenceofplayingthedice2" << reverse << QKeySequence() << false << false;
  }

  void menus() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, checkable);
    QFETCH(bool, checked);
    auto* item = w_.form->findChild<QAction*>(name);
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QCOMPARE(item->isCheckable(), checkable);
    QCOMPARE(item->isChecked(), checked);
  }

  void menuBarOrder() {
    Tform1& f = *w_.form;
    QStringList top;
    for (QAction* a : f.menuBar()->actions()) top << a->text();
    QCOMPARE(top, QStringList({"&File", "&Options", "&Roll out analysis", "&Help"}));
    QVERIFY(!f.Rolloutanalysis1->isEnabled());
    QCOMPARE(f.Rolloutanalysis1->menu(), nullptr);
    QStringList options;
    for (QAction* a : f.Options1->actions()) options << (a->isSeparator() ? "-" : a->objectName());
    QCOMPARE(options,
             QStringList({"Reversethesequenceofplayingthedice1", "-",
                          "AutomaticOKclickafterlastmove1", "AutomaticRolldiceafterComputersmove1",
                          "EnableHints1", "Oneplylookahead1", "-", "Coloursettings1"}));
    QStringList file;
    for (QAction* a : f.File1->actions()) file << (a->isSeparator() ? "-" : a->objectName());
    QCOMPARE(file, QStringList({"newgame", "-", "exit"}));
    QCOMPARE(f.PopupMenu1->actions().size(), 1);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
