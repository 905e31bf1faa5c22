#include "mainwindow/window/Unit1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

#include "display/application_title.h"
#include "display/fonts.h"
#include "mainwindow/game/game_texts.h"

namespace morvik {

namespace {

constexpr uint32_t kSilver = 0xC0C0C0;
constexpr uint32_t kBoardGreen = 0x008000;
const char kExitQuestion[] = "  Exit Morvik ?  ";
const char kHintBearOff[] = "Click here to bear off.";

QFont PixelFont(const char* family, int pixels) {
  QFont font(QString::fromUtf8(family));
  font.setPixelSize(pixels);
  return font;
}

void SetBackground(QWidget* widget, uint32_t colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Window, ToQColor(colour));
  colours.setColor(QPalette::Base, ToQColor(colour));
  colours.setColor(QPalette::Button, ToQColor(colour));
  widget->setPalette(colours);
}

QPushButton* NewButton(QWidget* parent, const char* name, QRect geometry) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

QComboBox* NewHistoryList(QWidget* parent, const char* name, QRect geometry) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromUtf8(name));
  list->setGeometry(geometry);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setFrame(false);
  list->setMaxVisibleItems(10);
  list->setFont(PixelFont("Courier New", 12));
  list->view()->setStyleSheet(QStringLiteral("QAbstractItemView::item { height: 15px; }"));
  SetBackground(list, kSilver);
  return list;
}

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Tform1::Tform1(WindowDialogs& dialogs, DiceSource& dice, const std::string& weightProblem)
    : dialogs_(dialogs), drawing_(colours_) {
  setObjectName(QStringLiteral("form1"));
  setWindowTitle(ApplicationTitle());
  setFont(PixelFont("MS Sans Serif", 12));
  drawing_.SetShowHandler([this] {
    Surface->update();
    DrawGrid1->update();
    DrawGrid2->update();
  });
  // The board images are drawn for the screen's pixel ratio.
  drawing_.SetPixelRatio(devicePixelRatio());
  CreateControls();
  CreateMenus();
  model_ = std::make_unique<GameModel>(dice, static_cast<GameDialogs&>(*this),
                                       static_cast<GameView*>(this));
  model_->SetUpNewGame();
  Mirror();
  if (!weightProblem.empty()) dialogs_.Inform(weightProblem);
  dialogs_.ShowAbout(this);
}

Tform1::~Tform1() = default;

void Tform1::CreateControls() {
  Surface = new FormSurface(this, drawing_);
  setCentralWidget(Surface);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, &Tform1::ShowPopupMenu);
  connect(Surface, &FormSurface::clicked, this, [this] { Run([this] { model_->FormClick(); }); });

  terningeslag = new DiceLabel(Surface, {661, 0});
  terningeslag->setObjectName(QStringLiteral("terningeslag"));
  QFont diceFont = PixelFont("MS Sans Serif", 25);
  diceFont.setBold(true);
  diceFont.setItalic(true);
  terningeslag->setFont(diceFont);
  connect(terningeslag, &DiceLabel::clicked, this,
          [this] { Run([this] { model_->terningeslagDblClick(); }); });

  diceknap = NewButton(Surface, "diceknap", {681, 249, 97, 24});
  Okknap = NewButton(Surface, "Okknap", {681, 280, 41, 26});
  undoknap = NewButton(Surface, "undoknap", {736, 280, 42, 26});
  connect(diceknap, &QPushButton::clicked, this,
          [this] { Run([this] { model_->diceknapClick(); }); });
  connect(Okknap, &QPushButton::clicked, this, [this] { Run([this] { model_->OkknapClick(); }); });
  connect(undoknap, &QPushButton::clicked, this,
          [this] { Run([this] { model_->undoknapClick(); }); });
  FitButtonText(diceknap, {FromView(texts::kStartGame), FromView(texts::kRollDice)});
  FitButtonText(Okknap, {FromView(texts::kOk)});
  FitButtonText(undoknap, {FromView(texts::kUndo)});
  // Return and Enter press the focused button, as Space does.
  for (QPushButton* button : {diceknap, Okknap, undoknap}) button->installEventFilter(this);

  DrawGrid1 = new BoardGrid(Surface, drawing_.Left());
  DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
  DrawGrid1->setGeometry(30, 30, kHalfWidth, kHalfHeight);
  DrawGrid2 = new BoardGrid(Surface, drawing_.Right());
  DrawGrid2->setObjectName(QStringLiteral("DrawGrid2"));
  DrawGrid2->setGeometry(350, 30, kHalfWidth, kHalfHeight);
  for (BoardGrid* grid : {DrawGrid1, DrawGrid2}) {
    SetBackground(grid, kBoardGreen);
    // Moved to a screen of another pixel ratio: the board is drawn again for it.
    connect(
        grid, &BoardGrid::pixelRatioChanged, this,
        [this](qreal ratio) { drawing_.SetPixelRatio(ratio); }, Qt::QueuedConnection);
  }
  connect(DrawGrid1, &BoardGrid::cellClicked, this,
          [this](int c, int r) { Run([=, this] { model_->DrawGrid1Click(c, r); }); });
  connect(DrawGrid2, &BoardGrid::cellClicked, this,
          [this](int c, int r) { Run([=, this] { model_->DrawGrid2Click(c, r); }); });

  ComboBox1 = NewHistoryList(Surface, "ComboBox1", {24, 0, 316, 23});
  ComboBox2 = NewHistoryList(Surface, "ComboBox2", {340, 0, 316, 23});
  ComboBox2->setVisible(false);
  // The history list has no hint of its own and shows none, not even the window's.
  ComboBox1->installEventFilter(this);
  ComboBox1->lineEdit()->installEventFilter(this);

  setTabOrder(diceknap, Okknap);
  setTabOrder(Okknap, DrawGrid2);
  setTabOrder(DrawGrid2, undoknap);
  setTabOrder(undoknap, ComboBox1);
  setTabOrder(ComboBox1, ComboBox2);
  ApplyHints(true);
}

bool Tform1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip &&
      (watched == ComboBox1 || watched == ComboBox1->lineEdit())) {
    return true;
  }
  if (event->type() == QEvent::ShortcutOverride && IsMenuShortcut(static_cast<QKeyEvent*>(event))) {
    // The history list's edit field would take Ctrl+X, Ctrl+C, ... as
    // editing keys: left unclaimed, they reach the menus.
    event->ignore();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* button = qobject_cast<QPushButton*>(watched);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      if (button->isEnabled()) button->click();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

bool Tform1::IsMenuShortcut(const QKeyEvent* key) const {
  const QKeySequence pressed(key->keyCombination());
  for (const QAction* item : findChildren<QAction*>()) {
    if (!item->shortcut().isEmpty() &&
        item->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
      return true;
    }
  }
  return false;
}

void Tform1::ApplyHints(bool shown) {
  hintsShown_ = shown;
  const auto hint = [shown](const char* text) {
    return shown ? QString::fromUtf8(text) : QString();
  };
  diceknap->setToolTip(hint("Click here to roll dice."));
  terningeslag->setToolTip(hint("Click here to reverse the sequence for playing the dice."));
  Okknap->setToolTip(hint("Accept move and let computer roll."));
  DrawGrid1->setToolTip(hint("Click on the point you want to move to."));
  DrawGrid2->setToolTip(hint("Click on the point you want to move to."));
  undoknap->setToolTip(hint("Restore board before move."));
  Surface->setToolTip(hint(kHintBearOff));
}

void Tform1::DrawPosition(const SignedBoard& board) {
  drawing_.DrawPosition(board);
}

void Tform1::tegnbraet1(QObject*) {
  drawing_.DrawPosition(model_->CommittedBoard());
}

void Tform1::RepaintDiceLabel(const LabelState& label) {
  MirrorLabel(label);
  terningeslag->repaint();
}

void Tform1::Inform(std::string_view text) {
  Mirror();
  dialogs_.Inform(text);
}

bool Tform1::Confirm(std::string_view text) {
  Mirror();
  return dialogs_.Confirm(text);
}

// The focused button shows its focus frame from the start, not only once Tab
// has been pressed (showing a window clears the flag).
void Tform1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  setAttribute(Qt::WA_KeyboardFocusChange);
}

void Tform1::closeEvent(QCloseEvent* event) {
  if (FormClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool Tform1::FormClose() {
  setEnabled(false);
  const bool yes = dialogs_.Confirm(kExitQuestion);
  if (!yes) setEnabled(true);
  return yes;
}

void Tform1::exitClick() {
  close();
}

}  // namespace morvik
