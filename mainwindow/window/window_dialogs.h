// Every modal question, message and chooser the window opens, behind one
// interface: the program answers them with real message boxes, tests from a
// script.
#pragma once

#include <QString>

#include "display/colour_chooser.h"
#include "mainwindow/game/game_dialogs.h"

class QWidget;

namespace morvik {

// The text as a message box shows it: no line break inside a hyphenated word
// ("Player-1", "(1-2-3)"), at an acute accent ("can´t") or between a
// score and its bracket ("5 (1-2-0)"), or between a side's name and its
// score ("Comp: 3"). The joins are invisible.
QString KeepRunsTogether(const QString& text);

class WindowDialogs : public GameDialogs, public ColourChooser {
 public:
  // Creates an About box owned by `owner` and shows it modally.
  virtual void ShowAbout(QWidget* owner) = 0;
};

// Plain and confirmation message boxes over the main window, captioned with
// the application title and wide enough to show it whole; Return presses OK,
// or Yes.
class MessageBoxDialogs : public WindowDialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Inform(std::string_view text) override;
  bool Confirm(std::string_view text) override;
  void ShowAbout(QWidget* owner) override;
  QColor ChooseColour(QWidget* parent, const QColor& current) override;

 private:
  QWidget* parent_ = nullptr;
  StandardColourChooser chooser_;
};

}  // namespace morvik
