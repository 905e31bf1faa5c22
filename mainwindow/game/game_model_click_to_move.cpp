// The human's move entry: a click on the point a checker is to move to, or
// beside the board to bear off, checked against the list of legal plays.
#include <algorithm>

#include "mainwindow/game/game_model.h"
#include "rules/primitives.h"

namespace morvik {

namespace {

bool SameMove(const CheckerMove& a, int from, int to) {
  return a.from == from && a.to == to;
}

// Whether slots 1 and 2 of the entry are the two single moves, in either order.
bool FormsPair(const MoveEntry& e, const CheckerMove& x, const CheckerMove& y) {
  return (SameMove(e.slot[0], x.from, x.to) && SameMove(e.slot[1], y.from, y.to)) ||
         (SameMove(e.slot[0], y.from, y.to) && SameMove(e.slot[1], x.from, x.to));
}

}  // namespace

void GameModel::DrawGrid1Click(int column, int row) {
  if (!grid1_.enabled || column < 0 || column > 5 || row < 0 || row > 1) return;
  TryMoveTo(row == 0 ? 13 + column : 12 - column);
}

void GameModel::DrawGrid2Click(int column, int row) {
  if (!grid2_.enabled || column < 0 || column > 5 || row < 0 || row > 1) return;
  TryMoveTo(row == 0 ? 19 + column : 6 - column);
}

void GameModel::FormClick() {
  if (!grid1_.enabled) return;
  const int target = BearOffTarget();
  if (target <= 0) TryMoveTo(target);
}

// The bear-off target for a click beside the board; 1 when not all the
// human's checkers are home.
int GameModel::BearOffTarget() const {
  int i = 25;
  while (i > 0 && working_[i] < 1) --i;
  if (i >= 7) return 1;
  int t = 0;
  const int m = std::max(d1_, d2_);
  if (i < d1_ && i < d2_) t = i - m;
  if (d2_ < i && i < d1_) t = i - m;
  if (madeCount_ == 1 && made_[0].from - made_[0].to > d2_ && d2_ < i && i < d1_) t = 0;
  return t;
}

void GameModel::TryMoveTo(int t) {
  if (t < -5 || t > 24 || madeCount_ >= 4) return;
  SignedBoard& w = working_;
  if (w[t] > -2 || t == 0) {
    int from = 0;
    bool hit = false;
    const auto source = [&](int die) {
      if (w[t + die] > 0) {
        from = t + die;
        hit = t >= 1 && t <= 24 && w[t] == -1;
      }
    };
    source(d1_);
    if (from == 0 || !IsLegalHumanMove(from, t)) source(d2_);
    if (from != 0) {
      if (IsLegalHumanMove(from, t)) {
        ++madeCount_;
        Enable(undoknap_, true);
        if (madeCount_ == moves_->usable) CompleteMove();
        const int to = std::max(t, 0);
        made_[static_cast<std::size_t>(madeCount_ - 1)] = {from, to, hit ? kHit : 0};
        if (hit) SignedHit(w, to);
        SignedMove(w, from, to);
      }
    } else {
      TryCombinedMove(t);
    }
    Draw(w);
  }
  AutomaticOk();
}

// The move is complete: the grids go off and the accept button takes over.
void GameModel::CompleteMove() {
  EnableGrids(false);
  Enable(okknap_, true);
  Focus(okknap_);
}

// One checker with both dice: taken only when the two halves together form the
// first two moves of a listed play. The first die first is tried before the
// second die first.
bool GameModel::TryCombinedMove(int t) {
  if (d1_ == d2_ || madeCount_ != 0 || moves_->usable != 2 || t + d1_ + d2_ > 25) return false;
  SignedBoard& w = working_;
  const int src = t + d1_ + d2_;
  if (w[src] <= 0) return false;
  const int to = std::max(t, 0);
  const auto routeListed = [&](int mid) {
    return w[mid] > -2 && IsListedPair({src, mid, 0}, {mid, to, 0});
  };
  int mid = t + d2_;
  if (!routeListed(mid)) {
    mid = t + d1_;
    if (!routeListed(mid)) return false;
  }
  madeCount_ = 2;
  Enable(undoknap_, true);
  CompleteMove();
  const bool hitMid = w[mid] == -1;
  made_[0] = {src, mid, hitMid ? kHit : 0};
  if (hitMid) SignedHit(w, mid);
  const bool hitTo = to >= 1 && to <= 24 && w[to] == -1;
  made_[1] = {mid, to, hitTo ? kHit : 0};
  if (hitTo) SignedHit(w, to);
  SignedMove(w, src, mid);
  SignedMove(w, mid, to);
  return true;
}

bool GameModel::IsListedPair(const CheckerMove& first, const CheckerMove& second) const {
  for (int i = 0; i < moves_->count; ++i) {
    if (FormsPair((*moves_)[i], first, second)) return true;
  }
  return false;
}

bool GameModel::IsLegalHumanMove(int from, int to) const {
  if (moves_->count == 0) return false;
  to = std::max(to, 0);
  if (d1_ == d2_ && madeCount_ != moves_->usable - 1) return true;  // earlier moves of a doublet
  for (int i = 0; i < moves_->count; ++i) {
    const MoveEntry& e = (*moves_)[i];
    if (d1_ == d2_ ? MatchesDoublet(e, from) : MatchesTwoDice(e, from, to)) return true;
  }
  return false;
}

bool GameModel::MatchesTwoDice(const MoveEntry& e, int from, int to) const {
  if (madeCount_ == 0) {
    for (int s = 0; s < moves_->usable && s < 4; ++s) {
      if (SameMove(e.slot[static_cast<std::size_t>(s)], from, to)) return true;
    }
    return false;
  }
  if (madeCount_ == 1) return FormsPair(e, {from, to, 0}, made_[0]);
  return false;
}

// The last move of a doublet: the sources of all its moves, in any order,
// are the sources of the listed play.
bool GameModel::MatchesDoublet(const MoveEntry& e, int from) const {
  const int u = moves_->usable;
  std::array<int, 4> mine{};
  std::array<int, 4> listed{};
  for (int k = 0; k < u; ++k) {
    const auto s = static_cast<std::size_t>(k);
    mine[s] = k == u - 1 ? from : made_[s].from;
    listed[s] = e.slot[s].from;
  }
  return std::is_permutation(mine.begin(), mine.begin() + u, listed.begin());
}

}  // namespace morvik
