#include "display/Unit2.h"

#include "display/contrast.h"
#include "display/fonts.h"

namespace morvik {

namespace {
constexpr uint32_t kMaroon = 0x000080;
constexpr uint32_t kButtonFace = 0xC0C0C0;  // the classic silver
}  // namespace

TForm2::TForm2(QWidget* owner, ColourSettingsHost& host, ColourChooser& chooser)
    // A title bar with the close box alone: a window that names none of the
    // title-bar buttons is given all of them by X11 window managers.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      host_(host),
      chooser_(chooser) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Color settings"));
  setModal(false);
  // An outer size of 344 x 375 with a 4-pixel border and a 23-pixel title bar.
  setFixedSize(336, 348);
  move(320, 136);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  setFont(font);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(kMaroon));
  colours.setColor(QPalette::Button, ToQColor(kButtonFace));
  setPalette(colours);
  setAutoFillBackground(true);

  Button1 = AddButton("Button1", "Change the color of your own pieces", {24, 16, 289, 33},
                      &TForm2::Button1Click);
  Button3 = AddButton("Button3", "Change the color of the opponents pieces", {24, 61, 289, 33},
                      &TForm2::Button3Click);
  Button4 = AddButton("Button4", "Change the color of the board-background", {24, 106, 289, 33},
                      &TForm2::Button4Click);
  Button5 = AddButton("Button5", "Change the color of the odd points", {24, 151, 289, 33},
                      &TForm2::Button5Click);
  Button6 = AddButton("Button6", "Change the color of the even points", {24, 196, 289, 33},
                      &TForm2::Button6Click);
  Button7 = AddButton("Button7", "Restore defaults", {24, 241, 145, 33}, &TForm2::Button7Click);
  ok = AddButton("ok", "Ok", {168, 312, 73, 25}, &TForm2::okClick);
  cancel = AddButton("cancel", "Cancel", {248, 312, 65, 25}, &TForm2::cancelClick);
  ok->setDefault(true);

  TakeSnapshot();
  show();
}

QPushButton* TForm2::AddButton(const char* name, const char* caption, QRect geometry,
                               void (TForm2::*handler)()) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(geometry);
  // Return and Enter press the focused button, else the default one (Ok).
  button->setAutoDefault(true);
  connect(button, &QPushButton::clicked, this, handler);
  FitButtonText(button, {button->text()});
  return button;
}

// Taken once, when the dialog opens: Cancel goes back to the colours of that moment.
void TForm2::TakeSnapshot() {
  const BoardColours& now = host_.ColourSettings();
  saved_ = {now.ownPieces, now.opponentPieces, now.oddPoints, now.evenPoints, now.boardBackground};
  QPalette text = Button1->palette();
  text.setColor(QPalette::ButtonText, Qt::white);
  // White cannot be read on the silver face: the face is darkened until it
  // can, as the style draws it.
  text.setColor(QPalette::Button,
                LegibleButtonFace(*Button1, Qt::white, text.color(QPalette::Button)));
  Button1->setPalette(text);
}

void TForm2::Choose(uint32_t& setting) {
  setting = FromQColor(chooser_.ChooseColour(this, ToQColor(setting)));
  Redraw();
}

void TForm2::Redraw() {
  host_.tegnbraet1(this);
}

void TForm2::Button1Click() {
  Choose(host_.ColourSettings().ownPieces);
}
void TForm2::Button3Click() {
  Choose(host_.ColourSettings().opponentPieces);
}
void TForm2::Button4Click() {
  Choose(host_.ColourSettings().boardBackground);
}
void TForm2::Button5Click() {
  Choose(host_.ColourSettings().oddPoints);
}
void TForm2::Button6Click() {
  Choose(host_.ColourSettings().evenPoints);
}

void TForm2::Button7Click() {
  host_.ColourSettings() = BoardColours{};
  Redraw();
}

void TForm2::okClick() {
  Redraw();
  hide();
}

void TForm2::cancelClick() {
  BoardColours& colours = host_.ColourSettings();
  colours.ownPieces = saved_.ownPieces;
  colours.opponentPieces = saved_.opponentPieces;
  colours.oddPoints = saved_.oddPoints;
  colours.evenPoints = saved_.evenPoints;
  colours.boardBackground = saved_.boardBackground;
  Redraw();
  hide();
}

// Escape and the close box give up the changes as Cancel does.
void TForm2::reject() {
  cancelClick();
}

}  // namespace morvik
