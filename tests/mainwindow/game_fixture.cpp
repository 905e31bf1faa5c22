#include "tests/mainwindow/game_fixture.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "net/network.h"
#include "net/weight_file.h"

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
  static bool loaded = false;
  if (loaded) return;
  const auto path = std::filesystem::temp_directory_path() / "morvik-zero-weights.pc";
  std::FILE* file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  for (int i = 0; i < kWeightCount; ++i) std::fputs("0.0\r\n", file);
  std::fclose(file);
  NetGain = 0.5f;
  InitNetLayout();
  const WeightFileReport report = LoadWeightsFrom(path.c_str());
  ASSERT_EQ(report.numbers, kWeightCount);
  std::filesystem::remove(path);
  loaded = true;
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
