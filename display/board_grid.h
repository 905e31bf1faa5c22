// A board half as the user clicks it: 6 columns x 2 rows of 50 x 250 pixel
// cells that draw nothing themselves and show the image of their half, drawn
// for the pixel ratio of the screen.
#pragma once

#include <QImage>
#include <QWidget>

namespace morvik {

class BoardGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColumnWidth = 50;
  static constexpr int kRowHeight = 250;

  BoardGrid(QWidget* parent, const QImage& half);

  // The cell of the last click.
  int Col() const { return column_; }
  int Row() const { return row_; }

 Q_SIGNALS:
  // A click or a double click on a cell; a double click counts as a second click.
  void cellClicked(int column, int row);
  // The grid is painted on a screen whose pixel ratio its image was not drawn for.
  void pixelRatioChanged(qreal ratio);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void Select(QMouseEvent* event);

  const QImage& half_;
  int column_ = 0;
  int row_ = 0;
};

}  // namespace morvik
