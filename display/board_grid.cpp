#include "display/board_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace morvik {

BoardGrid::BoardGrid(QWidget* parent, const QImage& half) : QWidget(parent), half_(half) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void BoardGrid::paintEvent(QPaintEvent*) {
  if (half_.devicePixelRatio() != devicePixelRatio()) Q_EMIT pixelRatioChanged(devicePixelRatio());
  QPainter painter(this);
  painter.drawImage(0, 0, half_);
}

void BoardGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  Select(event);
}

void BoardGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  Select(event);
}

void BoardGrid::Select(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!rect().contains(at)) return;
  column_ = std::clamp(at.x() / kColumnWidth, 0, 5);
  row_ = std::clamp(at.y() / kRowHeight, 0, 1);
  Q_EMIT cellClicked(column_, row_);
}

}  // namespace morvik
