// The board as the window shows it: each half composed in an off-screen
// image of its own (shown by the point grids), and the borne-off stacks, which
// belong to the main window's surface beside the board.
#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

#include "display/board_colours.h"
#include "rules/board.h"

namespace morvik {

inline constexpr int kHalfWidth = 300;
inline constexpr int kHalfHeight = 500;
// The part of the window surface that holds the borne-off stacks, (700, 29)
// to (801, 531), with a margin of the surface's gray that makes its size a
// whole number of device pixels at pixel ratios 1.25, 1.5, 2 and 3.
inline constexpr int kOffAreaLeft = 700;
inline constexpr int kOffAreaTop = 29;
inline constexpr int kOffAreaWidth = 104;
inline constexpr int kOffAreaHeight = 504;
inline constexpr uint32_t kSurfaceGray = 0x808080;

// Corners as the drawing calls give them: right and bottom are exclusive.
QRect CornerRect(int left, int top, int right, int bottom);

class BoardDrawing {
 public:
  explicit BoardDrawing(const BoardColours& colours);

  // Device pixels per logical pixel of the screen the board is shown on
  // (1 at start). The images keep their logical size and layout and gain
  // device pixels; the last position drawn is drawn again.
  void SetPixelRatio(qreal ratio);
  qreal PixelRatio() const { return ratio_; }

  void DrawBoardBackground();
  // Repaints both halves and the borne-off stacks from the board, then shows them.
  void DrawPosition(const SignedBoard& board);
  // Paints the black frame round both halves and the borne-off stacks onto
  // the window surface. The halves themselves are copied by their grids.
  void ShowBoard(QPainter& surface) const;

  const QImage& Left() const { return left_; }
  const QImage& Right() const { return right_; }
  const QImage& OffArea() const { return offArea_; }
  // Called at the end of every DrawPosition to bring the new images on screen.
  void SetShowHandler(std::function<void()> show) { show_ = std::move(show); }

 private:
  void DrawPoint(int point, int count);
  void DrawBar(QImage& half, int left, int count, uint32_t colour);
  void DrawBorneOff(const SignedBoard& board);

  const BoardColours& colours_;
  qreal ratio_ = 1.0;
  SignedBoard last_;
  bool drawn_ = false;
  QImage left_;
  QImage right_;
  QImage offArea_;
  std::function<void()> show_;
};

// The font counts are written with.
QFont CountFont();

}  // namespace morvik
