// Saves a picture of the main window in mid-game, drawn on the offscreen
// platform: morvik-screenshot FILE (run where "gammon.pc" lies).
#include <QApplication>
#include <QMenuBar>
#include <cstdio>
#include <vector>

#include "mainwindow/window/program.h"

namespace morvik {

namespace {

// Answers every box at once: OK, Yes, the colour unchanged.
class SilentDialogs : public WindowDialogs {
 public:
  void Inform(std::string_view) override {}
  bool Confirm(std::string_view) override { return true; }
  void ShowAbout(QWidget*) override {}
  QColor ChooseColour(QWidget*, const QColor& current) override { return current; }
};

// Dice that fall as listed, again and again.
class ListedDice : public DiceSource {
 public:
  explicit ListedDice(std::vector<int> dice) : dice_(std::move(dice)) {}
  double Next() override { return (dice_[next_++ % dice_.size()] - 1) / 6.0 + 0.01; }

 private:
  std::vector<int> dice_;
  std::size_t next_ = 0;
};

// A game under way: Player-1 has a checker on the bar and six on his point 6,
// the computer has built three points of its home board and left a blot.
SignedBoard MidGame() {
  SignedBoard board;
  board[25] = 1;
  board[13] = 4;
  board[8] = 2;
  board[6] = 6;
  board[4] = 2;
  board[19] = -4;
  board[20] = -3;
  board[21] = -2;
  board[22] = -1;
  board[17] = -2;
  board[12] = -3;
  return board;
}

}  // namespace

}  // namespace morvik

using namespace morvik;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: morvik-screenshot FILE\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SilentDialogs dialogs;
  // Player-1 opens with 3-1.
  ListedDice dice({1, 3});
  std::unique_ptr<Tform1> form = StartProgram(dialogs, dice);
  // The picture shows the window at its own size, not maximised.
  form->setWindowState(Qt::WindowNoState);
  QApplication::processEvents();
  form->resize(FormSurface::kWidth, FormSurface::kHeight + form->menuBar()->sizeHint().height());
  QApplication::processEvents();
  form->Model().SetPosition(MidGame());
  form->diceknap->click();
  // He enters with the 3, hitting the blot on his point 22.
  Q_EMIT form->DrawGrid2->cellClicked(3, 0);
  QApplication::processEvents();
  if (!form->grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "morvik-screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
