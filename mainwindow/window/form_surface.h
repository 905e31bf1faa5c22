// The main window's own surface: grey, it carries the board frame and the
// borne-off stacks, and a click on it beside the board bears off.
#pragma once

#include <QWidget>

namespace morvik {

class BoardDrawing;

class FormSurface : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 804;
  static constexpr int kHeight = 557;

  FormSurface(QWidget* parent, const BoardDrawing& drawing);

 Q_SIGNALS:
  void clicked();  // a click or a double click, left button

 protected:
  void paintEvent(QPaintEvent* event) override;  // FormPaint
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const BoardDrawing& drawing_;
};

}  // namespace morvik
