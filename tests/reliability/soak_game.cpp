#include "tests/reliability/soak_game.h"

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "headless/game_loop.h"
#include "net/network.h"
#include "net/weight_file.h"
#include "player/computer_player.h"
#include "rules/board_invariants.h"
#include "rules/enumerate.h"
#include "rules/primitives.h"

namespace morvik {

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

// Dice drawn from the game's own generator.
class SoakDice : public GameDice {
 public:
  explicit SoakDice(std::mt19937_64& rng) : rng_(rng) {}
  void OpeningRoll(int& d1, int& d2) override {
    Draw(d1, d2);
    while (d1 == d2) Draw(d1, d2);  // no doublet opens a game
    if (d1 < d2) std::swap(d1, d2);
  }
  void Roll(int& d1, int& d2) override {
    Draw(d1, d2);
    if (d1 < d2) std::swap(d1, d2);
  }

 private:
  void Draw(int& d1, int& d2) {
    d1 = die_(rng_);
    d2 = die_(rng_);
  }
  std::mt19937_64& rng_;
  std::uniform_int_distribution<int> die_{1, 6};
};

// The computer player in both seats, every move checked; the first fault
// found is kept.
class CheckedPlayer : public GamePlayer {
 public:
  CheckedPlayer(ComputerPlayer& player, MoveList& list, int lookahead)
      : player_(player), list_(list), lookahead_(lookahead) {}
  void Play(SideBoard& own, SideBoard& opponent, int d1, int d2) override {
    BoardPosition p{own, opponent};
    fault = Ply{player_, list_, p, lookahead_, d1, d2, plies_++ % 4 == 0}.Play();
    own = p.own;
    opponent = p.opponent;
  }
  std::string fault;

 private:
  ComputerPlayer& player_;
  MoveList& list_;
  int lookahead_;
  long plies_ = 0;
};

}  // namespace

std::string PlaySoakGame(ComputerPlayer& player, const SoakOptions& options, long index,
                         SoakTotals& totals) {
  static MoveList list;
  std::mt19937_64 rng(options.seed * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(index));
  RandomWeights(rng);
  const int lookahead = options.lookaheadEvery > 0 && index % options.lookaheadEvery == 0 ? 1 : 0;
  totals.lookaheadGames += lookahead;
  SoakDice dice(rng);
  CheckedPlayer checked(player, list, lookahead);
  std::string fault;
  const auto check = [&](const MoveReport& move) {
    if (checked.fault.empty() && !SurvivesSignedBoard({move.own, move.opponent}, move.seat))
      checked.fault = "the signed board does not round-trip";
    if (!checked.fault.empty()) {
      fault = Fault(move.turn, move.d1, move.d2, checked.fault);
      return false;
    }
    ++totals.plies;
    totals.passes += list.count == 0 ? 1 : 0;
    return true;
  };
  const GameOutcome outcome = PlayGame(checked, checked, dice, true, options.maxPlies, check);
  if (!fault.empty()) return fault;
  ++totals.games;
  if (outcome.winner >= 0) {
    ++totals.wins[outcome.winner][Points(outcome.kind) - 1];
  } else {
    // Some networks play games of tens of thousands of moves; such a game is
    // checked as far as it went and cut.
    ++totals.cut;
  }
  return "";
}

}  // namespace morvik
