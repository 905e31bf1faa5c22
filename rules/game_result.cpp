#include "rules/game_result.h"

namespace morvik {

bool AllBorneOff(const SideBoard& side) {
  return side.Slot(kOffRow, kCheckersPerSide) != 0;
}

WinKind KindOfWin(const SideBoard& loser) {
  if (loser.Occupied(kOffRow)) return WinKind::kPlain;
  for (int row = 19; row <= kBarRow; ++row) {
    if (loser.Occupied(row)) return WinKind::kBackgammon;
  }
  return WinKind::kGammon;
}

GameResult ResultOf(const SideBoard& own, const SideBoard& opponent) {
  if (AllBorneOff(own)) return {KindOfWin(opponent), true};
  if (AllBorneOff(opponent)) return {KindOfWin(own), false};
  return {};
}

}  // namespace morvik
