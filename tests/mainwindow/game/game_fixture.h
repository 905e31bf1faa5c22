// A game model driven by scripted dice and scripted answers, with a network of
// all-zero weights: every position is worth the same, so the computer plays
// the first legal move it lists.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/game/game_model.h"

namespace morvik {

// Dice given as die values; fails the test when it runs dry or when rolls are
// left over at the end.
class ScriptedDice : public DiceSource {
 public:
  double Next() override;
  void Add(std::initializer_list<int> dice) { dice_.insert(dice_.end(), dice); }
  std::size_t Left() const { return dice_.size(); }

 private:
  std::deque<int> dice_;
};

class ScriptedDialogs : public GameDialogs {
 public:
  void Inform(std::string_view text) override { messages.emplace_back(text); }
  bool Confirm(std::string_view text) override;

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;
};

class RecordingView : public GameView {
 public:
  void DrawPosition(const SignedBoard& board) override {
    ++draws;
    drawn = board;
  }
  void RepaintDiceLabel(const LabelState& label) override { repainted.push_back(label.text); }

  int draws = 0;
  SignedBoard drawn;
  std::vector<std::string> repainted;
};

// Sets every weight to zero, in memory.
void LoadZeroWeights();

// A board from (point, count) pairs: positive counts the human's checkers,
// negative the computer's; index 25 the human's bar, 0 the computer's.
SignedBoard MakeBoard(std::initializer_list<std::pair<int, int>> points);

class GameTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadZeroWeights(); }
  void SetUp() override { model = std::make_unique<GameModel>(dice, dialogs, &view); }
  void TearDown() override {
    EXPECT_EQ(dice.Left(), 0u) << "scripted rolls left unused";
    EXPECT_TRUE(dialogs.answers.empty()) << "scripted answers left unused";
  }

  // A click on the point in the human's numbering, through its grid cell.
  void ClickPoint(int point);
  // The computer opens with 6-1 and then plays its own roll d1-d2.
  void ComputerOpens(int d1, int d2);
  // History lines from index `from` on.
  std::vector<std::string> LinesFrom(std::size_t from) const;
  std::size_t LineCount() const { return model->ComboBox1().lines.size(); }
  const std::string& LastLine() const { return model->ComboBox1().lines.back(); }

  ScriptedDice dice;
  ScriptedDialogs dialogs;
  RecordingView view;
  std::unique_ptr<GameModel> model;
};

// Boards print as their points 0..25.
inline void PrintTo(const SignedBoard& b, std::ostream* os) {
  for (int i = 0; i <= 25; ++i) *os << (i ? " " : "") << b[i];
}

}  // namespace morvik
