#include "tests/reliability/soak_game.h"

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "net/network.h"
#include "net/weight_file.h"
#include "player/computer_player.h"
#include "rules/primitives.h"
#include "tests/reliability/board_invariants.h"

namespace {

// Counts the reports of one move and checks their shape.
class CheckingSink : public PlayerSink {
 public:
  void History(std::string_view line) override {
    ++history;
    if (line.rfind("Computer: ", 0) != 0) badLine = true;
  }
  void Log(std::string_view) override {}
  void LogElapsed(double) override {}
  int history = 0;
  bool badLine = false;
};

// Random weights of a random scale: small ones play like chance, large ones
// saturate the units, the largest overflow the sums to infinities and NaN.
void RandomWeights(std::mt19937_64& rng) {
  static float values[kWeightCount];
  static const float kScales[] = {0.05f, 0.5f, 3.0f, 30.0f, 1e37f};
  const float scale = kScales[rng() % 5];
  std::uniform_real_distribution<float> weight(-scale, scale);
  for (float& v : values) v = weight(rng);
  StoreWeights(values);
}

std::string Fault(long ply, int d1, int d2, const std::string& what) {
  return "ply " + std::to_string(ply) + " dice " + std::to_string(d1) + "-" + std::to_string(d2) +
         ": " + what;
}

// The signed board read from the position (computer = `computerSide`) and
// built back must give the same SideBoards.
bool SurvivesSignedBoard(const BoardPosition& p, int computerSide) {
  BoardPosition asGame = p;
  if (computerSide == 1) std::swap(asGame.own, asGame.opponent);
  SignedBoard signedBoard;
  ReadBoardPosition(asGame, signedBoard);
  if (SignedBoardFault(signedBoard) != nullptr) return false;
  BoardPosition back;
  BuildBoardPosition(signedBoard, back);
  return back == asGame;
}

struct Ply {
  ComputerPlayer& player;
  MoveList& list;
  BoardPosition& p;
  int lookahead;
  int d1;
  int d2;
  bool checkReply;

  // The best-reply search, played on copies and on the boards themselves:
  // the same value, a listed play, the boards it was given left alone.
  const char* ReplyFault(const BoardPosition& before) {
    BoardPosition reply = p;
    const float played = player.PlayBestReply(reply.own, reply.opponent, d1, d2);
    if (list.count > 0 ? FindListedPlay(before, reply, list) < 0 : !(reply == before)) {
      return "the best reply is not a listed play";
    }
    const float found = player.FindBestReply(p.own, p.opponent, d1, d2);
    if (!(p == before)) return "the best-reply search changed the boards";
    const bool same = found == played || (std::isnan(found) && std::isnan(played));
    return same ? nullptr : "the best-reply search gave two values for one position";
  }

  // Plays one move of the side owning p.own; returns a fault or "".
  std::string Play() {
    const BoardPosition before = p;
    EnumerateMoves(p.own, p.opponent, d1, d2, list);
    if (!(p == before)) return "enumeration did not restore the boards";
    if (const char* fault = MoveListFault(p, list)) return fault;
    if (checkReply) {
      if (const char* fault = ReplyFault(before)) return fault;
    }
    CheckingSink sink;
    const MoveEntry chosen = player.PlayComputerMove(p.own, p.opponent, lookahead, d1, d2, sink);
    if (sink.history != 1 || sink.badLine) return "not exactly one computer history line";
    if (const char* fault = PositionFault(p)) return fault;
    if (list.count == 0) return p == before ? "" : "a pass changed the boards";
    if (FindListedPlay(before, p, list) < 0) return "the board changed by a play not listed";
    BoardPosition replay = before;
    ApplyEntry(replay.own, replay.opponent, chosen);
    return replay == p ? "" : "the returned entry is not the play made";
  }
};

}  // namespace

int SoakWinKind(const SideBoard& loser) {
  if (loser.Occupied(kOffRow)) return 0;
  for (int row = 19; row <= 25; ++row) {
    if (loser.Occupied(row)) return 2;
  }
  return 1;
}

std::string PlaySoakGame(ComputerPlayer& player, const SoakOptions& options, long index,
                         SoakTotals& totals) {
  static MoveList list;
  std::mt19937_64 rng(options.seed * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(index));
  RandomWeights(rng);
  const int lookahead = options.lookaheadEvery > 0 && index % options.lookaheadEvery == 0 ? 1 : 0;
  totals.lookaheadGames += lookahead;
  std::uniform_int_distribution<int> die(1, 6);
  BoardPosition p;
  BuildBoardPosition(StartingPosition(), p);  // own = the side to move first
  int mover = 0;
  for (long ply = 0; ply < options.maxPlies; ++ply) {
    int d1 = die(rng);
    int d2 = die(rng);
    while (ply == 0 && d1 == d2) d1 = die(rng), d2 = die(rng);  // no doublet opens a game
    if (d1 < d2) std::swap(d1, d2);
    const std::string fault = Ply{player, list, p, lookahead, d1, d2, ply % 4 == 0}.Play();
    if (!fault.empty()) return Fault(ply, d1, d2, fault);
    if (!SurvivesSignedBoard(p, mover))
      return Fault(ply, d1, d2, "the signed board does not round-trip");
    ++totals.plies;
    totals.passes += list.count == 0 ? 1 : 0;
    if (p.own.Slot(kOffRow, 15) == 1) {
      ++totals.wins[mover][SoakWinKind(p.opponent)];
      ++totals.games;
      return "";
    }
    std::swap(p.own, p.opponent);
    mover = 1 - mover;
  }
  // Some networks play games of tens of thousands of moves; such a game is
  // checked as far as it went and cut.
  ++totals.cut;
  ++totals.games;
  return "";
}
