// The board as the window shows it: each half composed in an off-screen
// image of its own (shown by the point grids), and the borne-off stacks, which
// belong to the main window's surface beside the board.
#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

#include "display/board_colours.h"
#include "rules/board.h"

inline constexpr int kHalfWidth = 300;
inline constexpr int kHalfHeight = 500;
// The part of the window surface that holds the borne-off stacks.
inline constexpr int kOffAreaLeft = 700;
inline constexpr int kOffAreaTop = 29;
inline constexpr int kOffAreaWidth = 101;
inline constexpr int kOffAreaHeight = 502;
inline constexpr uint32_t kSurfaceGray = 0x808080;

// Corners as the drawing calls give them: right and bottom are exclusive.
QRect CornerRect(int left, int top, int right, int bottom);

class BoardDrawing {
 public:
  explicit BoardDrawing(const BoardColours& colours);

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
  QImage left_;
  QImage right_;
  QImage offArea_;
  std::function<void()> show_;
};

// The font counts are written with.
QFont CountFont();
