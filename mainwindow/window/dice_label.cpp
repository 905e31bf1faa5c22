#include "mainwindow/window/dice_label.h"

#include <QMouseEvent>
#include <algorithm>

namespace morvik {

DiceLabel::DiceLabel(QWidget* parent, QPoint topLeft) : QLabel(parent) {
  setGeometry(topLeft.x(), topLeft.y(), kMinimumWidth, kHeight);
  setAlignment(Qt::AlignCenter);
}

void DiceLabel::SetDiceText(const QString& text) {
  setText(text);
  const int width = std::max(kMinimumWidth, fontMetrics().horizontalAdvance(text) + 4);
  resize(width, kHeight);
}

void DiceLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return event->ignore();
  Q_EMIT clicked();
}

void DiceLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return event->ignore();
  Q_EMIT clicked();
}

}  // namespace morvik
