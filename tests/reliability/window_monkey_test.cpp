// The real main window on the offscreen platform, played by a monkey:
// thousands of random clicks, key presses and menu commands, every message box
// and colour chooser answered at random. After every step the two boards must
// be sound, the window must show the game's state, and the score and the
// history may only grow.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <memory>
#include <random>
#include <vector>

#include "display/Unit2.h"
#include "mainwindow/window/Unit1.h"
#include "net/network.h"
#include "net/weight_file.h"
#include "rules/board_invariants.h"
#include "rules/primitives.h"

namespace morvik {

namespace {

class RandomDialogs : public WindowDialogs {
 public:
  explicit RandomDialogs(std::mt19937& random) : random_(random) {}
  void Inform(std::string_view) override { ++messages; }
  bool Confirm(std::string_view) override {
    ++questions;
    return random_() % 8 == 0;
  }
  void ShowAbout(QWidget*) override { ++abouts; }
  QColor ChooseColour(QWidget*, const QColor& current) override {
    if (random_() % 3 == 0) return current;  // cancelled
    return QColor::fromRgb(static_cast<QRgb>(random_() & 0xFFFFFFu));
  }
  int messages = 0;
  int questions = 0;
  int abouts = 0;

 private:
  std::mt19937& random_;
};

// A sound position: both boards in range, 15 checkers a side, no mixed point.
bool Sound(const SignedBoard& board) {
  if (SignedBoardFault(board) != nullptr) return false;
  BoardPosition position;
  BuildBoardPosition(board, position);
  return PositionFault(position) == nullptr;
}

void RandomWeights(std::mt19937& random) {
  std::vector<float> values(kWeightCount);
  std::uniform_real_distribution<float> weight(-1.0f, 1.0f);
  for (float& v : values) v = weight(random);
  SetUpProgramNet(values.data());
}

// The offscreen platform warns at every popup menu; nothing else is dropped.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QStringLiteral("This plugin does not support")))
    return;
  qInstallMessageHandler(nullptr);
  qt_message_output(type, context, text);
  qInstallMessageHandler(QuietPlatform);
}

int Total(const ScoreCounters& s) {
  return s.playerPlain + s.playerGammon + s.playerBackgammon + s.computerPlain + s.computerGammon +
         s.computerBackgammon;
}

}  // namespace

class WindowMonkeyTest : public QObject {
  Q_OBJECT

  std::mt19937 random_{20261208u};

  QPoint Anywhere(const QWidget* widget) {
    return {static_cast<int>(random_() % static_cast<unsigned>(std::max(1, widget->width()))),
            static_cast<int>(random_() % static_cast<unsigned>(std::max(1, widget->height())))};
  }

  void Click(QWidget* widget) {
    if (widget->isVisible()) QTest::mouseClick(widget, Qt::LeftButton, {}, Anywhere(widget));
  }

  void PressKey(Tform1& w) {
    static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_N, Qt::ControlModifier}, {Qt::Key_R, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_D, Qt::ControlModifier},
        {Qt::Key_E, Qt::ControlModifier}, {Qt::Key_O, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_F1, Qt::NoModifier},
        {Qt::Key_F2, Qt::NoModifier},     {Qt::Key_R, Qt::AltModifier},
        {Qt::Key_S, Qt::AltModifier},     {Qt::Key_O, Qt::AltModifier},
        {Qt::Key_U, Qt::AltModifier},     {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Tab, Qt::NoModifier},
        {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_A, Qt::NoModifier},
    };
    const auto& [key, modifiers] = keys[random_() % keys.size()];
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &w;
    QTest::keyClick(target, key, modifiers);
  }

  void MenuCommand(Tform1& w) {
    const std::vector<QAction*> items = {w.newgame,
                                         w.exit,
                                         w.Reversethesequenceofplayingthedice1,
                                         w.AutomaticOKclickafterlastmove1,
                                         w.AutomaticRolldiceafterComputersmove1,
                                         w.EnableHints1,
                                         w.Oneplylookahead1,
                                         w.Coloursettings1,
                                         w.PlayingwithMorvik1,
                                         w.About1,
                                         w.Reversethesequenceofplayingthedice2,
                                         w.Rolloutanalysis1};
    QAction* item = items[random_() % items.size()];
    if (item->isEnabled()) item->trigger();
  }

  // A menu opened and closed again: its opening handler runs.
  void OpenMenu(Tform1& w) {
    QMenu* menu = random_() % 2 == 0 ? w.Options1 : w.PopupMenu1;
    menu->popup(w.mapToGlobal(QPoint(100, 100)));
    menu->hide();
  }

  // Clicks in an open colour dialog, or closes it.
  void ColourDialog(Tform1& w) {
    for (TForm2* dialog : w.findChildren<TForm2*>()) {
      if (!dialog->isVisible()) continue;
      const std::vector<QPushButton*> buttons = {dialog->Button1, dialog->Button3, dialog->Button4,
                                                 dialog->Button5, dialog->Button6, dialog->Button7,
                                                 dialog->ok,      dialog->cancel};
      QTest::mouseClick(buttons[random_() % buttons.size()], Qt::LeftButton);
      return;
    }
  }

  // Mostly the moves of a game, now and then anything else.
  void Step(Tform1& w) {
    if (w.Okknap->isEnabled() && random_() % 3 == 0) return Click(w.Okknap);
    if (w.diceknap->isEnabled() && random_() % 3 == 0) return Click(w.diceknap);
    switch (random_() % 32) {
      case 0:
        Click(w.diceknap);
        break;
      case 1:
        Click(w.Okknap);
        break;
      case 2:
        Click(w.undoknap);
        break;
      case 3:
        Click(w.Surface);
        break;
      case 4:
        Click(w.terningeslag);
        break;
      case 5:
        PressKey(w);
        break;
      case 6:
        MenuCommand(w);
        break;
      case 7:
        OpenMenu(w);
        break;
      case 8:
        ColourDialog(w);
        break;
      default:
        Click(random_() % 2 == 0 ? static_cast<QWidget*>(w.DrawGrid1) : w.DrawGrid2);
        break;
    }
  }

  void CheckWindow(Tform1& w, int step) {
    const GameModel& m = w.Model();
    QVERIFY2(Sound(m.CommittedBoard()), qPrintable(QString("committed board, step %1").arg(step)));
    QVERIFY2(Sound(m.WorkingBoard()), qPrintable(QString("working board, step %1").arg(step)));
    QCOMPARE(w.diceknap->isEnabled(), m.diceknap().enabled);
    QCOMPARE(w.Okknap->isEnabled(), m.Okknap().enabled);
    QCOMPARE(w.undoknap->isEnabled(), m.undoknap().enabled);
    QCOMPARE(w.DrawGrid1->isEnabled(), m.DrawGrid1().enabled);
    QCOMPARE(w.ComboBox1->count(), static_cast<int>(m.ComboBox1().lines.size()));
    QVERIFY(m.MadeMoveCount() >= 0 && m.MadeMoveCount() <= 4);
  }

 private Q_SLOTS:
  void thousandsOfRandomActions() {
    QApplication::setQuitOnLastWindowClosed(false);
    qInstallMessageHandler(QuietPlatform);
    RandomDialogs dialogs(random_);
    ClockDiceSource dice(7);
    Tform1 w(dialogs, dice);
    RandomWeights(random_);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    int lastScore = 0;
    std::size_t lastLines = 0;
    for (int step = 0; step < 10000; ++step) {
      Step(w);
      if (!w.isVisible()) {
        // The exit question was answered Yes: the program would end here.
        // Start the window again with the game as it was.
        w.setEnabled(true);
        w.show();
        w.activateWindow();
      }
      CheckWindow(w, step);
      if (QTest::currentTestFailed()) return;
      const int score = Total(w.Model().Score());
      QVERIFY(score >= lastScore);
      QVERIFY(w.Model().ComboBox1().lines.size() >= lastLines);
      lastScore = score;
      lastLines = w.Model().ComboBox1().lines.size();
    }
    // The monkey reached every corner it was meant to.
    QVERIFY(dialogs.questions > 0);
    QVERIFY(dialogs.messages > 0);
    QVERIFY(lastScore > 0);
    qInfo("history lines %zu, games scored %d, questions %d, messages %d",
          w.Model().ComboBox1().lines.size(), lastScore, dialogs.questions, dialogs.messages);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(WindowMonkeyTest)

#include "window_monkey_test.moc"
