// The main window: the board halves, the dice label, the three buttons of
// the turn cycle, the history lists and the menus over the game model. After
// every handler the window shows the model's control states.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <functional>
#include <memory>

#include "display/Unit2.h"
#include "display/board_drawing.h"
#include "display/board_grid.h"
#include "mainwindow/game/game_model.h"
#include "mainwindow/window/dice_label.h"
#include "mainwindow/window/form_surface.h"
#include "mainwindow/window/window_dialogs.h"

class QKeyEvent;

namespace morvik {

class Tform1 : public QMainWindow,
               private GameView,
               private GameDialogs,
               public ColourSettingsHost {
  Q_OBJECT

 public:
  // FormCreate: colours, caption, board images, the starting position, the
  // message of the start-up when it found no complete weight file, then the
  // About box. The network is set up before the window is created.
  Tform1(WindowDialogs& dialogs, DiceSource& dice, const std::string& weightProblem = {});
  ~Tform1() override;

  GameModel& Model() { return *model_; }
  const BoardDrawing& Drawing() const { return drawing_; }
  BoardColours& ColourSettings() override { return colours_; }
  void tegnbraet1(QObject* sender) override;

  // Controls.
  FormSurface* Surface;
  DiceLabel* terningeslag;
  QPushButton* diceknap;
  QPushButton* Okknap;
  QPushButton* undoknap;
  BoardGrid* DrawGrid1;
  BoardGrid* DrawGrid2;
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
  // Menus.
  QMenu* File1;
  QAction* newgame;
  QAction* exit;
  QMenu* Options1;
  QAction* Reversethesequenceofplayingthedice1;
  QAction* AutomaticOKclickafterlastmove1;
  QAction* AutomaticRolldiceafterComputersmove1;
  QAction* EnableHints1;
  QAction* Oneplylookahead1;
  QAction* Coloursettings1;
  QAction* Rolloutanalysis1;
  QMenu* Help1;
  QAction* PlayingwithMorvik1;
  QAction* About1;
  QMenu* PopupMenu1;
  QAction* Reversethesequenceofplayingthedice2;

  // Menu handlers of the window itself.
  void exitClick();
  void Coloursettings1Click();
  void PlayingwithMorvik1Click();
  void About1Click();
  // The exit question: true when the window may close.
  bool FormClose();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // GameView
  void DrawPosition(const SignedBoard& board) override;
  void RepaintDiceLabel(const LabelState& label) override;
  // GameDialogs: the window is brought up to date before a box opens.
  void Inform(std::string_view text) override;
  bool Confirm(std::string_view text) override;

  void CreateControls();
  void CreateMenus();
  QAction* AddItem(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut,
                   void (Tform1::*handler)());
  QAction* AddModelItem(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut,
                        void (GameModel::*handler)());
  void ShowPopupMenu(const QPoint& at);
  // Runs a handler of the model, then shows its state.
  void Run(const std::function<void()>& handler);
  void Mirror();
  void MirrorLabel(const LabelState& label);
  void ApplyHints(bool shown);
  bool IsMenuShortcut(const QKeyEvent* key) const;

  WindowDialogs& dialogs_;
  BoardColours colours_;
  BoardDrawing drawing_;
  std::unique_ptr<GameModel> model_;
  bool hintsShown_ = true;
};

}  // namespace morvik
