#include "tests/support/positions.h"

#include <memory>

#include "rules/enumerate.h"

namespace morvik {

std::vector<SignedBoard> RandomPlayPositions(std::mt19937& rng, int count) {
  std::vector<SignedBoard> out;
  auto list = std::make_unique<MoveList>();
  std::uniform_int_distribution<int> die(1, 6);
  while (static_cast<int>(out.size()) < count) {
    BoardPosition p;
    BuildBoardPosition(StartingPosition(), p);  // own = computer
    for (int turn = 0; turn < 400; ++turn) {
      EnumerateMoves(p.own, p.opponent, die(rng), die(rng), *list);
      if (list->count > 0) {
        std::uniform_int_distribution<int> pick(0, list->count - 1);
        ApplyEntry(p.own, p.opponent, (*list)[pick(rng)]);
      }
      if (p.own.Slot(0, 15) != 0) break;
      std::swap(p.own, p.opponent);
      // Record with the computer in `own` on even turns, mirrored otherwise.
      BoardPosition computerView = (turn % 2 == 0) ? BoardPosition{p.opponent, p.own} : p;
      SignedBoard b;
      ReadBoardPosition(computerView, b);
      out.push_back(b);
      if (static_cast<int>(out.size()) >= count) break;
    }
  }
  return out;
}

}  // namespace morvik
