// Random play through the handlers: thousands of turns of random clicks, with
// the game's invariants checked after every step.
#include <random>
#include <sstream>

#include "rules/enumerate.h"
#include "rules/move_list.h"
#include "rules/primitives.h"
#include "tests/mainwindow/game/game_fixture.h"

namespace morvik {

namespace {

class RandomDialogs : public GameDialogs {
 public:
  explicit RandomDialogs(std::mt19937& random) : random_(random) {}
  void Inform(std::string_view) override { ++messages; }
  bool Confirm(std::string_view) override { return random_() % 2 == 0; }
  int messages = 0;

 private:
  std::mt19937& random_;
};

struct ParsedLine {
  bool computer = false;
  int d1 = 0;
  int d2 = 0;
  std::vector<CheckerMove> moves;
};

// "Player-1: 6-5: 24/18 18/13 " or "Computer: 2-1: B/20* 13/11 ".
bool ParseMoveLine(const std::string& line, ParsedLine& out) {
  const bool human = line.rfind("Player-1: ", 0) == 0;
  const bool computer = line.rfind("Computer: ", 0) == 0;
  if ((!human && !computer) || line.size() < 15 || line[11] != '-' || line[13] != ':') {
    return false;  // a result, score or other line
  }
  out = {computer, line[10] - '0', line[12] - '0', {}};
  std::istringstream rest(line.substr(15));
  std::string move;
  while (rest >> move) {
    const auto slash = move.find('/');
    const std::string from = move.substr(0, slash);
    std::string to = move.substr(slash + 1);
    const bool hit = !to.empty() && to.back() == '*';
    if (hit) to.pop_back();
    out.moves.push_back(
        {from == "B" ? 25 : std::stoi(from), to == "Off" ? 0 : std::stoi(to), hit ? kHit : kNoHit});
  }
  return true;
}

// The committed board after each played line must be the result of a listed
// play for that roll: the first `length` moves of some entry.
class Referee {
 public:
  Referee() : list_(std::make_unique<MoveList>()) {}

  void Check(const ParsedLine& line, SignedBoard& board) {
    BoardPosition position;
    BuildBoardPosition(board, position);
    SideBoard& mover = line.computer ? position.own : position.opponent;
    SideBoard& other = line.computer ? position.opponent : position.own;
    EnumerateMoves(mover, other, std::max(line.d1, line.d2), std::min(line.d1, line.d2), *list_);
    const int n = static_cast<int>(line.moves.size());
    if (list_->count == 0) {
      ASSERT_EQ(n, 0) << "moves without a legal play";
      return;
    }
    ASSERT_EQ(n, list_->usable) << "play of the wrong length";
    BoardPosition played = position;
    SideBoard& pm = line.computer ? played.own : played.opponent;
    SideBoard& po = line.computer ? played.opponent : played.own;
    for (const CheckerMove& m : line.moves) ApplyMove(pm, po, m);
    bool listed = false;
    for (int i = 0; i < list_->count && !listed; ++i) {
      BoardPosition trial = position;
      SideBoard& tm = line.computer ? trial.own : trial.opponent;
      SideBoard& to = line.computer ? trial.opponent : trial.own;
      for (int k = 0; k < n; ++k) ApplyMove(tm, to, (*list_)[i].slot[static_cast<std::size_t>(k)]);
      listed = trial == played;
    }
    ASSERT_TRUE(listed) << "not a listed play";
    ReadBoardPosition(played, board);
  }

 private:
  std::unique_ptr<MoveList> list_;
};

int Checkers(const SignedBoard& b, int sign) {
  int n = 0;
  for (int i = 0; i <= 25; ++i) n += sign * b[i] > 0 ? sign * b[i] : 0;
  return n;
}

class Soak : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadZeroWeights(); }

  void RandomClick() {
    const int action = static_cast<int>(random() % 100);
    if (action < 45) {
      ClickTarget(random() % 2 == 0 ? static_cast<int>(random() % 24) + 1 : IntendedTarget());
    } else if (action < 55) {
      model->FormClick();
    } else if (action < 62) {
      model->undoknapClick();
    } else if (action < 80) {
      model->OkknapClick();
    } else if (action < 92) {
      model->diceknapClick();
    } else if (action < 97) {
      model->terningeslagDblClick();
    } else if (action < 98) {
      model->newgameClick();
    } else if (action < 99) {
      model->AutomaticOKclickafterlastmove1Click();
    } else {
      model->AutomaticRolldiceafterComputersmove1Click();
    }
  }

  // The destination of the next move of a random listed play.
  int IntendedTarget() {
    const MoveList& list = model->Moves();
    const int n = model->MadeMoveCount();
    if (list.count == 0 || n >= 4) return 0;
    return list[static_cast<int>(random() % static_cast<unsigned>(list.count))]
        .slot[static_cast<std::size_t>(n)]
        .to;
  }

  void ClickTarget(int point) {
    if (point <= 0) {
      model->FormClick();
    } else if (point <= 6) {
      model->DrawGrid2Click(6 - point, 1);
    } else if (point <= 12) {
      model->DrawGrid1Click(12 - point, 1);
    } else if (point <= 18) {
      model->DrawGrid1Click(point - 13, 0);
    } else {
      model->DrawGrid2Click(point - 19, 0);
    }
  }

  // Replays the new history lines on the referee's board.
  void ReplayHistory() {
    const auto& lines = model->ComboBox1().lines;
    for (; replayed < lines.size(); ++replayed) {
      ParsedLine line;
      if (lines[replayed] == "New game") {
        board = StartingPosition();
        opening = true;
      } else if (ParseMoveLine(lines[replayed], line)) {
        ASSERT_TRUE(!opening || line.d1 != line.d2) << "a doublet opened the game";
        ASSERT_TRUE(!line.computer || line.d1 >= line.d2) << "the computer's smaller die first";
        opening = false;
        referee.Check(line, board);
        ++turns;
      }
    }
  }

  void CheckInvariants() {
    ReplayHistory();
    ASSERT_EQ(model->CommittedBoard(), board);
    for (const SignedBoard* b : {&model->CommittedBoard(), &model->WorkingBoard()}) {
      ASSERT_LE(Checkers(*b, 1), 15);
      ASSERT_LE(Checkers(*b, -1), 15);
      for (int i = -5; i < 0; ++i) ASSERT_EQ((*b)[i], 0);
      for (int i = 26; i <= 30; ++i) ASSERT_EQ((*b)[i], 0);
      ASSERT_GE((*b)[25], 0);
      ASSERT_LE((*b)[0], 0);
    }
    CheckControls();
    if (model->diceknap().enabled) {
      ASSERT_EQ(model->WorkingBoard(), model->CommittedBoard());
      return;
    }
    // While the human moves, the working board is the committed board with
    // the made moves.
    SignedBoard expected = model->CommittedBoard();
    for (int k = 0; k < model->MadeMoveCount(); ++k) {
      const CheckerMove& m = model->MadeMoves()[static_cast<std::size_t>(k)];
      if (m.hit == kHit) SignedHit(expected, m.to);
      SignedMove(expected, m.from, m.to);
    }
    ASSERT_EQ(model->WorkingBoard(), expected) << Describe();
  }

  std::string Describe() const {
    std::ostringstream os;
    os << "dice " << model->FirstDie() << "-" << model->SecondDie() << " made";
    for (int k = 0; k < model->MadeMoveCount(); ++k) {
      const CheckerMove& m = model->MadeMoves()[static_cast<std::size_t>(k)];
      os << " " << m.from << "/" << m.to << (m.hit == kHit ? "*" : "");
    }
    os << "\ncommitted ";
    PrintTo(model->CommittedBoard(), &os);
    return os.str();
  }

  // The controls are in one of the states a user can see between handlers.
  void CheckControls() {
    const GameModel& m = *model;
    const bool gridsOn = m.DrawGrid1().enabled;
    ASSERT_EQ(gridsOn, m.DrawGrid2().enabled);
    if (m.diceknap().caption == "&Start game") {  // awaiting start
      ASSERT_TRUE(m.diceknap().enabled && m.diceknap().focused);
      ASSERT_FALSE(m.Okknap().visible || m.Okknap().enabled);
      ASSERT_FALSE(m.undoknap().visible || m.undoknap().enabled);
      ASSERT_FALSE(gridsOn);
      ASSERT_EQ(m.terningeslag().text, "");
      return;
    }
    ASSERT_EQ(m.diceknap().caption, "&Roll Dice");
    ASSERT_TRUE(m.Okknap().visible && m.undoknap().visible);
    const std::string dice =
        "Dice: " + std::to_string(m.FirstDie()) + " - " + std::to_string(m.SecondDie());
    ASSERT_EQ(m.terningeslag().text, dice);
    if (m.diceknap().enabled) {  // awaiting roll
      ASSERT_TRUE(m.diceknap().focused);
      ASSERT_FALSE(m.Okknap().enabled || m.undoknap().enabled || gridsOn);
      ASSERT_EQ(m.terningeslag().colour, kBlack);
      return;
    }
    // Human moving.
    ASSERT_EQ(m.terningeslag().colour, kWhite);
    const int n = m.MadeMoveCount();
    const bool pass = m.Moves().count == 0;
    ASSERT_EQ(m.Okknap().enabled, pass || n == m.DiceUsable());
    if (m.Okknap().enabled) {
      ASSERT_TRUE(m.Okknap().focused);
    }
    ASSERT_EQ(m.undoknap().enabled, n > 0);
    ASSERT_EQ(gridsOn, pass || n < m.DiceUsable());
    ASSERT_FALSE(m.diceknap().focused);
  }

  std::mt19937 random{20260612};
  ClockDiceSource dice{7};
  RandomDialogs dialogs{random};
  std::unique_ptr<GameModel> model = std::make_unique<GameModel>(dice, dialogs);
  Referee referee;
  SignedBoard board = StartingPosition();
  std::size_t replayed = 0;
  bool opening = true;
  int turns = 0;
};

}  // namespace

TEST_F(Soak, RandomClicksKeepTheGameConsistent) {
  int steps = 0;
  while (turns < 3000 && steps < 200000) {
    RandomClick();
    ++steps;
    CheckInvariants();
    if (HasFatalFailure()) {
      ADD_FAILURE() << "after " << steps << " clicks, " << turns << " turns";
      return;
    }
  }
  EXPECT_GE(turns, 3000);
  EXPECT_GT(dialogs.messages, 0) << "no game was finished";
  RecordProperty("clicks", steps);
  RecordProperty("games", dialogs.messages);
}

}  // namespace morvik
