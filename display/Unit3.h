// The About box: a picture, the application title and three short texts,
// closed with OK.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace morvik {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* owner);

  QFrame* Panel1;
  QLabel* ProgramIcon;
  QLabel* Label3;
  QLabel* Label1;
  QLabel* Label4;
  QLabel* Label2;
  QPushButton* OKButton;

  void OKButtonClick();

 private:
  QLabel* AddLabel(const char* name, const QString& text, QRect geometry, uint32_t colour);
  void FormCreate();
};

// Creates an About box owned by `owner` and runs it until it is closed.
void ShowAboutBox(QWidget* owner);

}  // namespace morvik
