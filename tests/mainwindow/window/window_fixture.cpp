#include "tests/mainwindow/window/window_fixture.h"

#include "display/application_title.h"

namespace morvik {

void AnsweringDialogs::Inform(std::string_view text) {
  events.push_back("inform: " + std::string(text));
  if (onInform) onInform(text);
}

bool AnsweringDialogs::Confirm(std::string_view text) {
  events.push_back("confirm: " + std::string(text));
  if (onConfirm) onConfirm(text);
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void AnsweringDialogs::ShowAbout(QWidget* owner) {
  events.emplace_back("about");
  if (onAbout) onAbout(owner);
}

QColor AnsweringDialogs::ChooseColour(QWidget*, const QColor& current) {
  events.emplace_back("choose");
  return colour.value_or(current);
}

double TestDice::Next() {
  int die = 6;
  if (dice_.empty()) {
    ++overrun;
  } else {
    die = dice_.front();
    dice_.pop_front();
  }
  return (die - 0.5) / 6.0;
}

void WindowFixture::Reopen() {
  *this = {};
  Open();
}

void WindowFixture::Open() {
  SetApplicationTitle(QString::fromUtf8(kApplicationTitle));
  form = std::make_unique<Tform1>(dialogs, dice, LoadGameWeights(ProgramWeightPlaces()).problem);
  dialogs.events.clear();  // the About box of the start
  form->show();
  form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void WindowFixture::ClickPoint(int point) {
  QWidget* grid = point >= 7 && point <= 18 ? form->DrawGrid1 : form->DrawGrid2;
  int column = 0;
  int row = 0;
  if (point >= 13 && point <= 18) column = point - 13;
  if (point >= 19) column = point - 19;
  if (point >= 7 && point <= 12) column = 12 - point, row = 1;
  if (point <= 6) column = 6 - point, row = 1;
  QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(50 * column + 25, 250 * row + 125));
}

void WindowFixture::ClickBeside() {
  QTest::mouseClick(form->Surface, Qt::LeftButton, {}, QPoint(760, 450));
}

void WindowFixture::Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton);
}

QImage WindowFixture::Grab() const {
  return form->Surface->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QStringList WindowFixture::History() const {
  QStringList lines;
  for (int i = 0; i < form->ComboBox1->count(); ++i) lines << form->ComboBox1->itemText(i);
  return lines;
}

SignedBoard MakeBoard(std::initializer_list<std::pair<int, int>> cells) {
  SignedBoard board;
  for (const auto& [index, count] : cells) board[index] = count;
  return board;
}

}  // namespace morvik
