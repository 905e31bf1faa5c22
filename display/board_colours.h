// The five colour settings of the board, each in the 0x00BBGGRR form, and
// their conversion to the toolkit's colours.
#pragma once

#include <QColor>
#include <cstdint>

namespace morvik {

inline constexpr uint32_t kDefaultOwnPieces = 0x0000FF;        // red
inline constexpr uint32_t kDefaultOpponentPieces = 0xFFFFFF;   // white
inline constexpr uint32_t kDefaultBoardBackground = 0x008000;  // green
inline constexpr uint32_t kDefaultEvenPoints = 0xFFFFFF;       // white
inline constexpr uint32_t kDefaultOddPoints = 0x0000FF;        // red

struct BoardColours {
  uint32_t ownPieces = kDefaultOwnPieces;
  uint32_t opponentPieces = kDefaultOpponentPieces;
  uint32_t boardBackground = kDefaultBoardBackground;
  uint32_t evenPoints = kDefaultEvenPoints;
  uint32_t oddPoints = kDefaultOddPoints;
  bool operator==(const BoardColours&) const = default;
};

inline QColor ToQColor(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

inline uint32_t FromQColor(const QColor& colour) {
  return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
         (static_cast<uint32_t>(colour.blue()) << 16);
}

}  // namespace morvik
