#include "tests/mainwindow/game/game_fixture.h"

#include <cstring>
#include <stdexcept>

#include "net/network.h"

namespace morvik {

double ScriptedDice::Next() {
  if (dice_.empty()) {
    throw std::runtime_error("the game rolled more dice than scripted");
  }
  const int die = dice_.front();
  dice_.pop_front();
  return (die - 0.5) / 6.0;
}

bool ScriptedDialogs::Confirm(std::string_view text) {
  questions.emplace_back(text);
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return false;
  }
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void LoadZeroWeights() {
  SetUpProgramNet(nullptr);
}

SignedBoard MakeBoard(std::initializer_list<std::pair<int, int>> points) {
  SignedBoard board;
  for (const auto& [point, count] : points) board[point] = count;
  return board;
}

void GameTest::ClickPoint(int point) {
  if (point >= 13 && point <= 18) model->DrawGrid1Click(point - 13, 0);
  if (point >= 7 && point <= 12) model->DrawGrid1Click(12 - point, 1);
  if (point >= 19 && point <= 24) model->DrawGrid2Click(point - 19, 0);
  if (point >= 1 && point <= 6) model->DrawGrid2Click(6 - point, 1);
}

void GameTest::ComputerOpens(int d1, int d2) {
  dice.Add({6, 1, d1, d2});
  model->diceknapClick();
}

std::vector<std::string> GameTest::LinesFrom(std::size_t from) const {
  const auto& lines = model->ComboBox1().lines;
  return {lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end()};
}

}  // namespace morvik
