// The real main window, driven through its widgets: dice and answers come
// from the test, message boxes never open.
#pragma once

#include <QImage>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/window/program.h"

namespace morvik {

// Answers the window's boxes from a script and records them in order.
class AnsweringDialogs : public WindowDialogs {
 public:
  void Inform(std::string_view text) override;
  bool Confirm(std::string_view text) override;
  void ShowAbout(QWidget* owner) override;
  QColor ChooseColour(QWidget* parent, const QColor& current) override;

  std::vector<std::string> events;  // "inform: ...", "confirm: ...", "about", "choose"
  std::deque<bool> answers;         // for Confirm; an unscripted question is answered No
  std::optional<QColor> colour;     // the chooser's answer; none cancels it
  std::function<void(std::string_view)> onInform;
  std::function<void(std::string_view)> onConfirm;
  std::function<void(QWidget*)> onAbout;
};

// Die values in the order they are rolled; runs dry as 6s, counted.
class TestDice : public DiceSource {
 public:
  double Next() override;
  void Add(std::initializer_list<int> dice) { dice_.insert(dice_.end(), dice); }
  std::size_t Left() const { return dice_.size(); }
  int overrun = 0;

 private:
  std::deque<int> dice_;
};

struct WindowFixture {
  // Creates, shows and activates the main window.
  void Open();
  // A fresh fixture with a fresh window: each test function starts here.
  void Reopen();
  // Closes the window at the end of a test function.
  void Close() { form.reset(); }
  // A left click on the grid cell of a point in Player-1's numbering.
  void ClickPoint(int point);
  // A left click on the window surface beside the board.
  void ClickBeside();
  void Click(QWidget* widget);
  // The client area as the user sees it.
  QImage Grab() const;
  QStringList History() const;

  AnsweringDialogs dialogs;
  TestDice dice;
  std::unique_ptr<Tform1> form;
};

// A board from (index, count) pairs: positive Player-1, negative the computer.
SignedBoard MakeBoard(std::initializer_list<std::pair<int, int>> cells);

}  // namespace morvik
