// The main window's menus, and the mirror of the model's state.
#include <QMenuBar>

#include "mainwindow/window/Unit1.h"

namespace morvik {

namespace {

const char kHelpText[] =
    "Morvik is played by clicking the mouse on the point you want to move TO. In case of "
    "ambiguity in which dice to use, the dice will be played in the order they are shown on the "
    "screen. This order can be changed either by clicking on the dice-numbers, or via the "
    "options-menu or right-click-menu.  Bearing off is done by clicking next to the board. The "
    "score is shown between the games, and the three numbers in parethesis is the number of, "
    "respectively, plain games, gammons and backgammons won.";

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

void MirrorButton(QPushButton* button, const ControlState& state) {
  // A button losing the focus leaves it with the window itself, not with the
  // next control (the history list would take the menus' Ctrl shortcuts).
  if (button->hasFocus() && !(state.enabled && state.visible)) {
    button->window()->findChild<FormSurface*>()->setFocus();
  }
  button->setText(Text(state.caption));
  button->setEnabled(state.enabled);
  button->setVisible(state.visible);
  if (state.focused && state.enabled) button->setFocus();
}

void MirrorList(QComboBox* list, const ListState& state) {
  const int shown = list->count();
  if (shown > static_cast<int>(state.lines.size())) list->clear();
  QStringList added;
  for (std::size_t i = static_cast<std::size_t>(list->count()); i < state.lines.size(); ++i) {
    added << Text(state.lines[i]);
  }
  if (!added.isEmpty()) list->addItems(added);
  if (list->currentIndex() != state.selected) list->setCurrentIndex(state.selected);
}

void MirrorItem(QAction* item, const MenuItemState& state) {
  item->setChecked(state.checked);
  item->setEnabled(state.enabled);
}

}  // namespace

QAction* Tform1::AddItem(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut,
                         void (Tform1::*handler)()) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(QString::fromUtf8(name));
  item->setShortcut(shortcut);
  connect(item, &QAction::triggered, this, handler);
  return item;
}

QAction* Tform1::AddModelItem(QMenu* menu, const char* name, const char* caption,
                              QKeySequence shortcut, void (GameModel::*handler)()) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(QString::fromUtf8(name));
  item->setShortcut(shortcut);
  connect(item, &QAction::triggered, this,
          [this, handler] { Run([=, this] { (*model_.*handler)(); }); });
  return item;
}

void Tform1::CreateMenus() {
  QMenuBar* MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  File1 = MainMenu1->addMenu(QStringLiteral("&File"));
  File1->setObjectName(QStringLiteral("File1"));
  newgame = File1->addAction(QStringLiteral("&New game"));
  newgame->setObjectName(QStringLiteral("newgame"));
  newgame->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
  connect(newgame, &QAction::triggered, this, [this] { Run([this] { model_->newgameClick(); }); });
  File1->addSeparator()->setObjectName(QStringLiteral("N1"));
  exit =
      AddItem(File1, "exit", "E&xit", QKeySequence(QStringLiteral("Ctrl+X")), &Tform1::exitClick);

  Options1 = MainMenu1->addMenu(QStringLiteral("&Options"));
  Options1->setObjectName(QStringLiteral("Options1"));
  connect(Options1, &QMenu::aboutToShow, this, [this] { Run([this] { model_->optionsClick(); }); });
  Reversethesequenceofplayingthedice1 = AddModelItem(
      Options1, "Reversethesequenceofplayingthedice1", "&Reverse the sequence of playing the dice",
      QKeySequence(QStringLiteral("Ctrl+R")), &GameModel::terningeslagDblClick);
  Options1->addSeparator()->setObjectName(QStringLiteral("N3"));
  AutomaticOKclickafterlastmove1 = AddModelItem(
      Options1, "AutomaticOKclickafterlastmove1", "Automatic OK-&click after last move",
      QKeySequence(QStringLiteral("Ctrl+C")), &GameModel::AutomaticOKclickafterlastmove1Click);
  AutomaticRolldiceafterComputersmove1 = AddModelItem(
      Options1, "AutomaticRolldiceafterComputersmove1",
      "Automatic Roll-&dice after Computer\u00b4s move", QKeySequence(QStringLiteral("Ctrl+D")),
      &GameModel::AutomaticRolldiceafterComputersmove1Click);
  EnableHints1 =
      AddModelItem(Options1, "EnableHints1", "&Enable Hints",
                   QKeySequence(QStringLiteral("Ctrl+E")), &GameModel::EnableHints1Click);
  Oneplylookahead1 =
      AddModelItem(Options1, "Oneplylookahead1", "&One-ply look-ahead",
                   QKeySequence(QStringLiteral("Ctrl+O")), &GameModel::Oneplylookahead1Click);
  Options1->addSeparator()->setObjectName(QStringLiteral("N2"));
  Coloursettings1 = AddItem(Options1, "Coloursettings1", "&Colour-settings", QKeySequence(),
                            &Tform1::Coloursettings1Click);
  for (QAction* option : {AutomaticOKclickafterlastmove1, AutomaticRolldiceafterComputersmove1,
                          EnableHints1, Oneplylookahead1}) {
    option->setCheckable(true);
  }

  Rolloutanalysis1 = MainMenu1->addAction(QStringLiteral("&Roll out analysis"));
  Rolloutanalysis1->setObjectName(QStringLiteral("Rolloutanalysis1"));
  Rolloutanalysis1->setEnabled(false);

  Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
  Help1->setObjectName(QStringLiteral("Help1"));
  PlayingwithMorvik1 = AddItem(Help1, "PlayingwithMorvik1", "&Playing with Morvik",
                               QKeySequence(Qt::Key_F1), &Tform1::PlayingwithMorvik1Click);
  About1 = AddItem(Help1, "About1", "&About", QKeySequence(Qt::Key_F2), &Tform1::About1Click);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Reversethesequenceofplayingthedice2 =
      AddModelItem(PopupMenu1, "Reversethesequenceofplayingthedice2",
                   "&Reverse the sequence of playing the dice", QKeySequence(),
                   &GameModel::terningeslagDblClick);
  connect(PopupMenu1, &QMenu::aboutToShow, this,
          [this] { Run([this] { model_->PopupMenu1Popup(); }); });
}

void Tform1::ShowPopupMenu(const QPoint& at) {
  PopupMenu1->popup(mapToGlobal(at));
}

void Tform1::Coloursettings1Click() {
  new TForm2(this, *this, dialogs_);
}

void Tform1::PlayingwithMorvik1Click() {
  dialogs_.Inform(kHelpText);
}

void Tform1::About1Click() {
  dialogs_.ShowAbout(this);
}

void Tform1::Run(const std::function<void()>& handler) {
  handler();
  Mirror();
}

void Tform1::Mirror() {
  const GameModel& m = *model_;
  MirrorButton(diceknap, m.diceknap());
  MirrorButton(Okknap, m.Okknap());
  MirrorButton(undoknap, m.undoknap());
  DrawGrid1->setEnabled(m.DrawGrid1().enabled);
  DrawGrid2->setEnabled(m.DrawGrid2().enabled);
  MirrorLabel(m.terningeslag());
  MirrorList(ComboBox1, m.ComboBox1());
  MirrorList(ComboBox2, m.ComboBox2());
  MirrorItem(EnableHints1, m.EnableHints1());
  MirrorItem(Oneplylookahead1, m.Oneplylookahead1());
  MirrorItem(AutomaticOKclickafterlastmove1, m.AutomaticOKclickafterlastmove1());
  MirrorItem(AutomaticRolldiceafterComputersmove1, m.AutomaticRolldiceafterComputersmove1());
  // The reverse items follow the roll button at all times, not only when
  // their menu opens, so that Ctrl+R works throughout the human's move.
  Reversethesequenceofplayingthedice1->setEnabled(!m.diceknap().enabled);
  Reversethesequenceofplayingthedice2->setEnabled(!m.diceknap().enabled);
  if (m.EnableHints1().checked != hintsShown_) ApplyHints(m.EnableHints1().checked);
}

void Tform1::MirrorLabel(const LabelState& label) {
  QPalette colours = terningeslag->palette();
  colours.setColor(QPalette::WindowText, ToQColor(label.colour));
  terningeslag->setPalette(colours);
  terningeslag->SetDiceText(Text(label.text));
}

}  // namespace morvik
