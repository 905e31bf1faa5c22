#include "mainwindow/window/form_surface.h"

#include <QMouseEvent>
#include <QPainter>

#include "display/board_drawing.h"

namespace morvik {

FormSurface::FormSurface(QWidget* parent, const BoardDrawing& drawing)
    : QWidget(parent), drawing_(drawing) {
  setObjectName(QStringLiteral("FormSurface"));
  setMinimumSize(kWidth, kHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(kSurfaceGray));
  setPalette(colours);
  setAutoFillBackground(true);
}

void FormSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawing_.ShowBoard(painter);
}

void FormSurface::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return event->ignore();
  Q_EMIT clicked();
}

void FormSurface::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return event->ignore();
  Q_EMIT clicked();
}

}  // namespace morvik
