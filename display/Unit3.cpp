#include "display/Unit3.h"

#include <QGuiApplication>
#include <QScreen>

#include "display/application_title.h"
#include "display/board_colours.h"
#include "display/contrast.h"
#include "display/fonts.h"

// The picture lives in the display library's resources; Qt's resource
// initialiser must be called from outside any namespace.
static void InitDisplayResources() {
  Q_INIT_RESOURCE(display);
}

namespace morvik {

namespace {

constexpr uint32_t kGray = 0x808080;
constexpr uint32_t kAqua = 0xFFFF00;
constexpr uint32_t kNavy = 0x800000;
constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kLime = 0x00FF00;

QPalette WithColour(QPalette palette, QPalette::ColorRole role, uint32_t colour) {
  palette.setColor(role, ToQColor(colour));
  return palette;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
  InitDisplayResources();
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(425, 316);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  setFont(font);
  setPalette(WithColour(palette(), QPalette::Window, kGray));
  setAutoFillBackground(true);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 8, 409, 265);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(2);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(8, 8, 185, 249);
  ProgramIcon->setScaledContents(true);
  ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/display/about_picture.bmp")));

  Label3 = AddLabel("Label3", QStringLiteral("Label3"), {216, 16, 150, 26}, kAqua);
  QFont underlined = font;
  underlined.setUnderline(true);
  Label3->setFont(underlined);
  Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label1 = AddLabel("Label1",
                    QStringLiteral("Morvik's play rests on a very basic feed-forward neural net, "
                                   "trained with about 1.5 million games of supervised training. "
                                   "Please excuse any bugs you may come across."),
                    {208, 48, 171, 104}, kNavy);
  Label4 = AddLabel("Label4",
                    QStringLiteral("Note: All results will, if possible, be mailed to the below "
                                   "mail-address for statistical purposes."),
                    {208, 160, 167, 39}, kYellow);
  Label2 = AddLabel("Label2",
                    QStringLiteral("Please report any bug, with a detailed description of the "
                                   "error, to: bugs@morvik.invalid"),
                    {208, 208, 175, 52}, kLime);
  for (QLabel* label : {Label1, Label4, Label2}) FitLabelText(label);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(335, 284, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
  OKButton->setFocus();

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect centred(QPoint(0, 0), size());
    centred.moveCenter(screen->availableGeometry().center());
    move(centred.topLeft());
  }
  FormCreate();
}

QLabel* TAboutBox::AddLabel(const char* name, const QString& text, QRect geometry,
                            uint32_t colour) {
  auto* label = new QLabel(text, Panel1);
  label->setObjectName(QString::fromUtf8(name));
  label->setGeometry(geometry);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The text keeps its colour; where it cannot be read on the gray, the
  // label's own ground is shaded until it can.
  QPalette palette = WithColour(label->palette(), QPalette::WindowText, colour);
  palette.setColor(QPalette::Window, LegibleFace(ToQColor(colour), ToQColor(kGray)));
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  return label;
}

// The title label carries the application title, never its design placeholder.
void TAboutBox::FormCreate() {
  Label3->setText(ApplicationTitle());
  FitLabelText(Label3);
}

void TAboutBox::OKButtonClick() {
  done(QDialog::Accepted);
}

void ShowAboutBox(QWidget* owner) {
  TAboutBox box(owner);
  box.exec();
}

}  // namespace morvik
