#include "net/network.h"
#include "player/computer_player.h"
#include "player/evaluation_log.h"

namespace {

constexpr double kCloseCall = 0.97;
constexpr double kDoubletWeight = 1.0 / 36.0;
constexpr double kOtherWeight = 1.0 / 18.0;

bool AllBorneOff(const SideBoard& side) {
  return side.Slot(kOffRow, kCheckersPerSide) != 0;
}

}  // namespace

// Values each kept candidate by the human's best reply to each of his 21
// rolls, weighted by their chances; only when the two best are close.
void ComputerPlayer::OnePlyLookAhead(SideBoard& mover, SideBoard& opponent, int n,
                                     PlayerSink& sink) {
  float* scores = choiceScores_;
  if (!(static_cast<double>(scores[1]) > kCloseCall * static_cast<double>(scores[0]))) return;
  bool firstPlyWin = false;
  for (int k = 0; k < n; ++k) {
    const MoveEntry& candidate = choice_[k];
    ApplyEntry(mover, opponent, candidate);
    if (AllBorneOff(mover) || firstPlyWin) {
      sink.Log(kFirstPlyWin);
      scores[k] = EvaluateBoards(mover, opponent);
      firstPlyWin = true;
    } else {
      scores[k] = 0.0f;
      for (int i = 1; i <= 6; ++i) {
        for (int j = i; j <= 6; ++j) {
          const double v = FindBestReply(opponent, mover, i, j);
          const double w = i == j ? kDoubletWeight : kOtherWeight;
          scores[k] = static_cast<float>(static_cast<double>(scores[k]) + v * w);
        }
      }
    }
    UndoEntry(mover, opponent, candidate);
  }
}
