// The dice label: centred text that widens with it, and a click (or double
// click) that reverses the dice.
#pragma once

#include <QLabel>

namespace morvik {

class DiceLabel : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kMinimumWidth = 22;
  static constexpr int kHeight = 29;

  DiceLabel(QWidget* parent, QPoint topLeft);
  // Sets the text and widens the label to hold it, its left edge fixed.
  void SetDiceText(const QString& text);

 Q_SIGNALS:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace morvik
