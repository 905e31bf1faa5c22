// The worth of a finished game, at every boundary: one table that every place
// deciding a result is checked against. A row gives the loser's checkers in
// its own numbering (points 1..24, 25 the bar; the rest are borne off); the
// winner's home board is the loser's 19..24.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "rules/board.h"

namespace morvik {

struct ResultRow {
  std::string what;
  std::vector<std::pair<int, int>> loser;  // (own point, checkers)
  int points;                              // 1 plain, 2 gammon, 3 backgammon
};

inline const std::vector<ResultRow>& GameResultRows() {
  static const std::vector<ResultRow> rows = {
      {"none off, all on the loser's mid-point", {{13, 15}}, 2},
      {"none off, all in the loser's own home", {{1, 10}, {6, 5}}, 2},
      {"one off", {{13, 14}}, 1},
      {"fourteen off, the last on the winner's 1-point", {{24, 1}}, 1},
      {"none off, one on the bar", {{13, 14}, {25, 1}}, 3},
      {"none off, one on the winner's 6-point", {{13, 14}, {19, 1}}, 3},
      {"none off, one on the winner's 1-point", {{13, 14}, {24, 1}}, 3},
      {"none off, one just outside the winner's home", {{13, 14}, {18, 1}}, 2},
      {"none off, all in the winner's home", {{19, 5}, {24, 10}}, 3},
      {"one off, one on the bar", {{13, 13}, {25, 1}}, 1},
      {"one off, one on the winner's 6-point", {{13, 13}, {19, 1}}, 1},
      {"one off, one on the winner's 1-point", {{13, 13}, {24, 1}}, 1},
  };
  return rows;
}

// The loser's checkers as a SideBoard.
inline SideBoard LoserBoard(const ResultRow& row) {
  SideBoard side;
  int inPlay = 0;
  for (const auto& [point, n] : row.loser) {
    for (int s = 1; s <= n; ++s) side.Slot(point, s) = 1;
    inPlay += n;
  }
  for (int s = 1; s <= kCheckersPerSide - inPlay; ++s) side.Slot(kOffRow, s) = 1;
  return side;
}

// A side with `left` checkers still on its 1-point: it has won with none left.
inline SideBoard SideWithLeft(int left) {
  SideBoard side;
  for (int s = 1; s <= left; ++s) side.Slot(1, s) = 1;
  for (int s = 1; s <= kCheckersPerSide - left; ++s) side.Slot(kOffRow, s) = 1;
  return side;
}

}  // namespace morvik
