#include "mainwindow/window/window_dialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QStyle>

#include "display/Unit3.h"
#include "display/application_title.h"

namespace morvik {

namespace {

constexpr QChar kWordJoiner(0x2060);
constexpr QChar kNoBreakSpace(0x00A0);

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A score such as "5 (1-2-0)": its number and its bracket stay on one line.
bool OpensBracketedScore(const QString& text, qsizetype at) {
  return at > 0 && text[at] == ' ' && text[at - 1].isDigit() && at + 2 < text.size() &&
         text[at + 1] == '(' && text[at + 2].isDigit();
}

// "Comp: 3": a side's name stays with its score.
bool NamesAScore(const QString& text, qsizetype at) {
  return at > 0 && text[at] == ' ' && text[at - 1] == ':' && at + 1 < text.size() &&
         text[at + 1].isDigit();
}

// The toolkit sizes a box to its caption in the box's own font; window
// managers draw it bolder, beside an icon and two or three buttons.
void WideEnoughForCaption(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  QFont bold = QApplication::font("QMdiSubWindowTitleBar");
  bold.setBold(true);
  const int caption = QFontMetrics(bold).horizontalAdvance(box.windowTitle());
  const int buttons = 4 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  grid->addItem(new QSpacerItem(caption + buttons, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

QString KeepRunsTogether(const QString& text) {
  QString kept;
  kept.reserve(text.size() * 2);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool afterWord = i > 0 && !text[i - 1].isSpace();
    const bool beforeWord = i + 1 < text.size() && !text[i + 1].isSpace();
    if (c == QChar(0x00B4)) {
      if (afterWord) kept += kWordJoiner;
      kept += c;
      if (beforeWord) kept += kWordJoiner;
    } else if (c == '-' && afterWord && beforeWord) {
      kept += c;
      kept += kWordJoiner;
    } else if (OpensBracketedScore(text, i) || NamesAScore(text, i)) {
      kept += kNoBreakSpace;
    } else {
      kept += c;
    }
  }
  return kept;
}

void MessageBoxDialogs::Inform(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), KeepRunsTogether(FromView(text)),
                  QMessageBox::Ok, parent_);
  box.setDefaultButton(QMessageBox::Ok);
  WideEnoughForCaption(box);
  box.exec();
}

bool MessageBoxDialogs::Confirm(std::string_view text) {
  QMessageBox box(QMessageBox::Question, ApplicationTitle(), KeepRunsTogether(FromView(text)),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  WideEnoughForCaption(box);
  return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::ShowAbout(QWidget* owner) {
  ShowAboutBox(owner);
}

QColor MessageBoxDialogs::ChooseColour(QWidget* parent, const QColor& current) {
  return chooser_.ChooseColour(parent, current);
}

}  // namespace morvik
