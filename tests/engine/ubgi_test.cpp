// The UBGI loop of morvik-engine, driven through real pipes with a small
// hand-made weight file whose preferences are easy to follow by hand.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/engine/engine_process.h"
#include "tests/support/temp_path.h"

namespace morvik {

namespace {

// One hidden unit of each layer carries the whole judgement; a second,
// all-zero unit outputs the constant 0.5 and acts as an offset. The first
// layer's sum S is, for the side that has just moved: +0.1 per checker borne
// off, -0.0001 * p * p per checker on its point p, -0.5 per checker on its bar,
// +0.5 per opposing checker on the bar. Output = s(8 (s(4 (s(S) - 0.5)) - 0.5)),
// so the engine hits first, then bears off, then brings its rearmost checkers
// forward; it takes a double when S >= about -0.17.
std::string WriteHandMadeWeights() {
  const std::string path = UniqueTempPath("ubgi-weights.pc");
  std::FILE* f = std::fopen(path.c_str(), "w");
  auto put = [f](double v) { std::fprintf(f, "%.9g\r\n", v); };
  for (int j = 0; j < 40; ++j) {
    for (int k = 0; k < 780; ++k) {
      const int row = (k % 390) / 15;
      double w = 0.0;
      if (j == 0 && k < 390) w = row == 0 ? 0.1 : row == 25 ? -0.5 : -0.0001 * row * row;
      if (j == 0 && k >= 390 && row == 25) w = 0.5;
      put(w);
    }
  }
  for (int j = 0; j < 40; ++j) {
    for (int k = 0; k < 40; ++k) put(j == 0 && k == 0 ? 4.0 : j == 0 && k == 1 ? -4.0 : 0.0);
  }
  for (int k = 0; k < 40; ++k) put(k == 0 ? 8.0 : k == 1 ? -8.0 : 0.0);
  std::fclose(f);
  return path;
}

// Written once per process and removed when it ends.
struct WeightFile {
  std::string path = WriteHandMadeWeights();
  ~WeightFile() { std::remove(path.c_str()); }
};

const std::string& Weights() {
  static const WeightFile file;
  return file.path;
}

// Checkers per point in a side's own numbering: [0] borne off (implied),
// [1..24] points, [25] bar.
using Side = std::array<int, 26>;

Side Checkers(std::initializer_list<std::pair<int, int>> points) {
  Side s{};
  for (const auto& [point, n] : points) s[static_cast<size_t>(point)] = n;
  return s;
}

// How a board line is addressed: to the engine ("you" is the engine, as a
// server does) or to its opponent with the turn naming the engine (as GNU
// Backgammon's external-player boards do), with colour and direction of "you".
struct Orientation {
  bool youAreEngine;
  int colour;
  int direction;
};

const Orientation kOrientations[] = {{true, 1, -1},  {true, -1, 1},  {true, 1, 1},
                                     {true, -1, -1}, {false, 1, -1}, {false, -1, 1}};

struct Roll {
  int d1 = 0;
  int d2 = 0;
  bool doubled = false;
};

std::string FibsLine(const Side& engine, const Side& opponent, Roll roll, Orientation o) {
  const Side& you = o.youAreEngine ? engine : opponent;
  const Side& them = o.youAreEngine ? opponent : engine;
  std::array<int, 26> cells{};
  const int bar = o.direction < 0 ? 25 : 0;
  auto place = [&](const Side& side, bool isYou) {
    const int sign = isYou ? o.colour : -o.colour;
    const bool downwards = (o.direction < 0) == isYou;
    for (int p = 1; p <= 24; ++p)
      cells[static_cast<size_t>(downwards ? p : 25 - p)] += sign * side[static_cast<size_t>(p)];
    cells[static_cast<size_t>(isYou ? bar : 25 - bar)] += sign * side[25];
  };
  place(you, true);
  place(them, false);
  auto inPlay = [](const Side& s) {
    int n = 0;
    for (int p = 1; p <= 25; ++p) n += s[static_cast<size_t>(p)];
    return n;
  };
  // The engine is on roll, or (after a double) its opponent is.
  const bool youOnRoll = o.youAreEngine != roll.doubled;
  const int turn = youOnRoll ? o.colour : -o.colour;
  std::string line = "board:You:Other:0:0:0";
  for (int c : cells) line += ":" + std::to_string(c);
  const std::string dice = std::to_string(roll.d1) + ":" + std::to_string(roll.d2);
  line += ":" + std::to_string(turn) + ":" + (o.youAreEngine ? dice + ":0:0" : "0:0:" + dice);
  line += ":1:1:1:" + std::to_string(roll.doubled ? 1 : 0) + ":" + std::to_string(o.colour) + ":" +
          std::to_string(o.direction) + ":" + std::to_string(25 - bar) + ":" + std::to_string(bar);
  line += ":" + std::to_string(15 - inPlay(you)) + ":" + std::to_string(15 - inPlay(them));
  line += ":" + std::to_string(you[25]) + ":" + std::to_string(them[25]) + ":0:0:0:0";
  return line;
}

const Side kStart = Checkers({{24, 2}, {13, 5}, {8, 3}, {6, 5}});

class Ubgi : public ::testing::Test {
 protected:
  explicit Ubgi(bool lookahead = false)
      : engine_(lookahead ? std::vector<std::string>{"ubgi", "--weights", Weights(), "--lookahead"}
                          : std::vector<std::string>{"ubgi", "--weights", Weights()}) {}

  std::string Ask(const std::string& line) {
    EXPECT_TRUE(engine_.Send(line + "\n"));
    return engine_.ReadLine().value_or("<no answer>");
  }

  EngineProcess engine_;
};

TEST_F(Ubgi, HandshakeStopAndQuit) {
  EXPECT_TRUE(engine_.Send("ubgi\n"));
  for (const char* expected :
       {"id name Morvik", "id author the Morvik developers", "id version 1.10", "readyok"}) {
    EXPECT_EQ(engine_.ReadLine(), expected);
  }
  // stop has nothing to stop and answers nothing: the next answer is isready's.
  EXPECT_EQ(Ask("stop\nisready"), "readyok");
  EXPECT_TRUE(engine_.Send("quit\nubgi\n"));
  EXPECT_EQ(engine_.ReadLine(), std::nullopt);
  EXPECT_EQ(engine_.Finish(), 0);
}

TEST_F(Ubgi, EndOfInputEndsTheLoopCleanly) {
  EXPECT_EQ(Ask("ubgi"), "id name Morvik");
  EXPECT_EQ(engine_.Finish(), 0);
}

TEST_F(Ubgi, OpeningSixFiveInEveryOrientation) {
  for (const Orientation& o : kOrientations) {
    EXPECT_EQ(Ask(FibsLine(kStart, kStart, {6, 5}, o)), "24/18 18/13")
        << "colour " << o.colour << " direction " << o.direction << " you " << o.youAreEngine;
    // The dice may come smaller first.
    EXPECT_EQ(Ask(FibsLine(kStart, kStart, {5, 6}, o)), "24/18 18/13");
  }
}

TEST_F(Ubgi, BoardsAsGnuBackgammonSendsThemToItsExternalPlayer) {
  // The engine is the second seat: its checkers are negative and the turn
  // (-1) names it; the lines begin with a NUL byte after the first.
  EXPECT_EQ(Ask("board:gnubg:root:0:0:0:0:-2:0:0:0:0:5:0:3:0:0:0:-5:5:0:0:0:-3:0:-5:0:0:0:0:2:0:-1:"
                "6:2:6:2:1:1:1:0:1:-1:0:25:0:0:0:0:0:0:0:1"),
            "24/18 24/22");
  EXPECT_EQ(
      Ask(std::string(1, '\0') +
          "board:gnubg:root:0:0:0:-1:-1:0:0:0:0:5:2:3:0:0:0:-5:3:0:0:0:-2:2:-6:0:0:0:0:0:0:-1:"
          "4:2:4:2:1:1:1:0:1:-1:0:25:0:0:0:0:0:0:0:1\r"),
      "bar/21 24/22");
  // Its opponent has doubled: the engine, on its home board, is asked.
  EXPECT_EQ(Ask(std::string(1, '\0') +
                "board:root:gnubg:0:0:0:0:0:0:0:3:3:3:0:0:0:0:0:0:0:0:0:0:0:0:-3:-3:-3:-3:-3:0:0:1:"
                "0:0:0:0:2:1:0:1:1:-1:0:25:6:0:0:0:0:0:0:1"),
            "take");
}

TEST_F(Ubgi, HitEntryAndBearOffNotation) {
  const Side blotOn20 = Checkers({{5, 1}, {24, 14}});  // the opponent's 5 is the engine's 20
  const Side holding = Checkers({{6, 2}, {5, 2}, {4, 2}, {2, 2}, {13, 7}});
  const Side racing = Checkers({{12, 15}});
  for (const Orientation& o : {kOrientations[0], kOrientations[5]}) {
    EXPECT_EQ(Ask(FibsLine(Checkers({{24, 2}, {6, 13}}), blotOn20, {4, 1}, o)), "24/20 24/23");
    EXPECT_EQ(Ask(FibsLine(Checkers({{25, 1}, {6, 14}}), holding, {3, 1}, o)), "bar/22 6/5");
    EXPECT_EQ(Ask(FibsLine(Checkers({{6, 1}, {2, 1}}), racing, {6, 2}, o)), "6/off 2/off");
  }
}

TEST_F(Ubgi, NoLegalMoveIsAnEmptyLine) {
  const Side prime = Checkers({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {13, 3}});
  const Side onBar = Checkers({{25, 1}, {6, 14}});
  EXPECT_EQ(Ask(FibsLine(onBar, prime, {6, 5}, kOrientations[1])), "");
  EXPECT_EQ(Ask(FibsLine(onBar, prime, {6, 6}, kOrientations[4])), "");
  EXPECT_EQ(Ask(FibsLine(kStart, kStart, {6, 5}, kOrientations[0])), "24/18 18/13");
}

TEST_F(Ubgi, CubeActions) {
  const Side buried = Checkers({{25, 3}, {24, 12}});
  const Side home = Checkers({{6, 5}, {5, 5}, {4, 5}});  // S about -0.04
  for (const Orientation& o : kOrientations) {
    EXPECT_EQ(Ask(FibsLine(kStart, kStart, {0, 0}, o)), "roll");  // never doubles
    EXPECT_EQ(Ask(FibsLine(home, kStart, {0, 0, true}, o)), "take");
    // S about -0.24: a game worth less than -1/2 point
    EXPECT_EQ(Ask(FibsLine(kStart, kStart, {0, 0, true}, o)), "drop");
    EXPECT_EQ(Ask(FibsLine(buried, kStart, {0, 0, true}, o)), "drop");
  }
}

TEST_F(Ubgi, MalformedLinesAreRefusedAndTheEngineGoesOn) {
  const std::string good = FibsLine(kStart, kStart, {6, 5}, kOrientations[0]);
  auto withField = [&good](int index, const std::string& value) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t colon; (colon = good.find(':', start)) != std::string::npos; start = colon + 1) {
      fields.push_back(good.substr(start, colon - start));
    }
    fields.push_back(good.substr(start));
    fields[static_cast<size_t>(index)] = value;
    std::string line = fields[0];
    for (size_t i = 1; i < fields.size(); ++i) line += ":" + fields[i];
    return line;
  };
  const std::vector<std::string> bad = {
      good.substr(0, good.rfind(':')),  // 52 fields
      good + ":0",                      // 54 fields
      "board:" + good,
      withField(0, "bored"),
      withField(9, "x"),  // a board cell that is not a number
      withField(9, "2.5"),
      withField(9, "99999999999"),
      withField(7, "-6"),   // more than fifteen checkers of the opponent
      withField(30, "3"),   // sixteen of the engine's own
      withField(33, "7"),   // die 7
      withField(34, "-1"),  // die -1
      withField(34, "0"),   // one die rolled
      withField(32, "0"),   // turn 0: the game is over
      withField(41, "0"),   // colour 0
      withField(42, "1"),   // direction against home and bar
      withField(43, "12"),  // home 12
      withField(45, "3"),   // three borne off too many
      withField(40, "1"),   // doubled after rolling
      withField(37, "0"),   // cube 0
      "board",
      "xgid=-b----E-C---eE---c-e----B-:0:0:1:52:0:0:0:0:10",
      "go",
      std::string(100000, 'b'),
  };
  for (const std::string& line : bad) {
    EXPECT_EQ(Ask(line).substr(0, 6), "sorry ") << line.substr(0, 80);
  }
  EXPECT_EQ(Ask(good), "24/18 18/13");
  EXPECT_EQ(engine_.Finish(), 0);
}

TEST_F(Ubgi, EmptyAndBlankLinesAreIgnored) {
  EXPECT_EQ(Ask("\n\r\n  \n" + std::string(1, '\0') + "\nisready"), "readyok");
}

class UbgiLookahead : public Ubgi {
 protected:
  UbgiLookahead() : Ubgi(true) {}
};

TEST_F(UbgiLookahead, PlaysTheOnlyMoveAndAnswersCubeQuestions) {
  const Side holding = Checkers({{6, 2}, {5, 2}, {4, 2}, {2, 2}, {13, 7}});
  EXPECT_EQ(Ask(FibsLine(Checkers({{25, 1}, {6, 14}}), holding, {2, 2}, kOrientations[2])), "");
  EXPECT_EQ(
      Ask(FibsLine(Checkers({{6, 1}, {2, 1}}), Checkers({{12, 15}}), {6, 2}, kOrientations[3])),
      "6/off 2/off");
  EXPECT_EQ(Ask(FibsLine(kStart, kStart, {0, 0}, kOrientations[4])), "roll");
}

}  // namespace

}  // namespace morvik
