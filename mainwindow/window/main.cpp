// The game: one window, where Player-1 plays the computer.
#include <QApplication>

#include "mainwindow/window/program.h"

using namespace morvik;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  MessageBoxDialogs dialogs;
  ClockDiceSource dice;
  std::unique_ptr<Tform1> form1 = StartProgram(dialogs, dice);
  dialogs.SetParent(form1.get());
  return app.exec();
}
