#include "display/board_drawing.h"

#include <cstdlib>

namespace morvik {

namespace {

constexpr int kCheckerSize = 46;
constexpr int kStackStep = 12;

// An image of `width` x `height` logical pixels with `ratio` device pixels
// to each: drawn in logical coordinates, shown at its logical size.
QImage NewImage(int width, int height, qreal ratio, const QColor& colour) {
  QImage image(qRound(width * ratio), qRound(height * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(colour);
  return image;
}

QImage NewHalf(qreal ratio) {
  return NewImage(kHalfWidth, kHalfHeight, ratio, Qt::black);
}

bool Fits(const QImage& image, qreal ratio) {
  return image.devicePixelRatio() == ratio &&
         image.size() == QSize(qRound(kHalfWidth * ratio), qRound(kHalfHeight * ratio));
}

// Where a point sits: its half, its column and the edge its checkers stack from.
struct PointPlace {
  bool right;
  int column;
  bool bottom;
};

PointPlace PlaceOf(int point) {
  if (point <= 6) return {true, 6 - point, true};
  if (point <= 12) return {false, 12 - point, true};
  if (point <= 18) return {false, point - 13, false};
  return {true, point - 19, false};
}

void Triangle(QPainter& painter, int column, bool top) {
  const int x = 50 * column;
  if (top) {
    const QPoint corners[3] = {{x, 0}, {x + 50, 0}, {x + 25, 220}};
    painter.drawPolygon(corners, 3);
  } else {
    const QPoint corners[3] = {{x, 500}, {x + 50, 500}, {x + 25, 280}};
    painter.drawPolygon(corners, 3);
  }
}

// A checker in the given colour with a black outline.
void BeginCheckers(QPainter& painter, uint32_t colour) {
  painter.setPen(Qt::black);
  painter.setBrush(ToQColor(colour));
}

// Writes a count with its top-left corner at (x, y), black on the checker's colour.
void WriteCount(QPainter& painter, int x, int y, int count, uint32_t colour) {
  painter.setFont(CountFont());
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(ToQColor(colour));
  painter.setPen(Qt::black);
  painter.drawText(QRect(x, y, 40, 20), Qt::AlignLeft | Qt::AlignTop, QString::number(count));
  painter.setBackgroundMode(Qt::TransparentMode);
}

}  // namespace

QRect CornerRect(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

QFont CountFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

BoardDrawing::BoardDrawing(const BoardColours& colours)
    : colours_(colours),
      left_(NewHalf(1.0)),
      right_(NewHalf(1.0)),
      offArea_(NewImage(kOffAreaWidth, kOffAreaHeight, 1.0, ToQColor(kSurfaceGray))) {}

void BoardDrawing::SetPixelRatio(qreal ratio) {
  if (ratio <= 0 || ratio == ratio_) return;
  ratio_ = ratio;
  offArea_ = NewImage(kOffAreaWidth, kOffAreaHeight, ratio_, ToQColor(kSurfaceGray));
  if (drawn_) {
    DrawPosition(last_);
  } else {
    left_ = NewHalf(ratio_);
    right_ = NewHalf(ratio_);
  }
}

void BoardDrawing::DrawBoardBackground() {
  if (!Fits(left_, ratio_)) left_ = NewHalf(ratio_);
  if (!Fits(right_, ratio_)) right_ = NewHalf(ratio_);
  QPainter painter(&left_);
  painter.setPen(Qt::black);
  painter.setBrush(ToQColor(colours_.boardBackground));
  painter.drawRect(CornerRect(0, 0, 300, 500));
  painter.setBrush(ToQColor(colours_.oddPoints));
  for (int c = 0; c < 6; ++c) Triangle(painter, c, c % 2 == 0);
  painter.setBrush(ToQColor(colours_.evenPoints));
  for (int c = 0; c < 6; ++c) Triangle(painter, c, c % 2 == 1);
  painter.end();
  right_ = left_.copy();
}

void BoardDrawing::DrawPosition(const SignedBoard& board) {
  const SignedBoard values = board;
  last_ = values;
  drawn_ = true;
  DrawBoardBackground();
  for (int point = 1; point <= 24; ++point) {
    if (values[point] != 0) DrawPoint(point, values[point]);
  }
  if (values[0] != 0) DrawBar(left_, 227, -values[0], colours_.opponentPieces);
  if (values[25] != 0) DrawBar(right_, 27, values[25], colours_.ownPieces);
  DrawBorneOff(values);
  if (show_) show_();
}

void BoardDrawing::DrawPoint(int point, int count) {
  const PointPlace place = PlaceOf(point);
  const uint32_t colour = count > 0 ? colours_.ownPieces : colours_.opponentPieces;
  const int checkers = std::abs(count);
  const int x = 50 * place.column;
  QPainter painter(place.right ? &right_ : &left_);
  BeginCheckers(painter, colour);
  for (int k = 1; k <= checkers && k <= 5; ++k) {
    const int top = place.bottom ? 500 - kCheckerSize * k : kCheckerSize * (k - 1);
    painter.drawEllipse(CornerRect(x + 2, top, x + 48, top + kCheckerSize));
  }
  if (checkers > 5) WriteCount(painter, x + 22, place.bottom ? 471 : 17, checkers, colour);
}

void BoardDrawing::DrawBar(QImage& half, int left, int count, uint32_t colour) {
  QPainter painter(&half);
  BeginCheckers(painter, colour);
  painter.drawEllipse(CornerRect(left, 227, left + kCheckerSize, 273));
  WriteCount(painter, left + 20, 243, count, colour);
}

void BoardDrawing::DrawBorneOff(const SignedBoard& board) {
  int human = kCheckersPerSide;
  int computer = kCheckersPerSide;
  for (int i = 0; i <= 25; ++i) {
    if (board[i] > 0) human -= board[i];
    if (board[i] < 0) computer += board[i];
  }
  QPainter painter(&offArea_);
  painter.translate(-kOffAreaLeft, -kOffAreaTop);
  painter.setPen(ToQColor(kSurfaceGray));
  painter.setBrush(ToQColor(kSurfaceGray));
  const QPoint area[4] = {{700, 29}, {700, 530}, {800, 530}, {800, 29}};
  painter.drawPolygon(area, 4);
  BeginCheckers(painter, colours_.opponentPieces);
  for (int k = 1; k <= computer; ++k) {
    const int top = 30 + kStackStep * (k - 1);
    painter.drawEllipse(CornerRect(700, top, 746, top + kCheckerSize));
  }
  BeginCheckers(painter, colours_.ownPieces);
  for (int k = 1; k <= human; ++k) {
    const int top = 484 - kStackStep * (k - 1);
    painter.drawEllipse(CornerRect(700, top, 746, top + kCheckerSize));
  }
}

void BoardDrawing::ShowBoard(QPainter& surface) const {
  surface.setPen(Qt::black);
  surface.setBrush(Qt::black);
  surface.drawRect(CornerRect(24, 24, 656, 536));
  surface.drawImage(kOffAreaLeft, kOffAreaTop, offArea_);
}

}  // namespace morvik
