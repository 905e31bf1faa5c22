// The game, the engine and the trainer judge a weight file by one rule: all
// 32,840 numbers there, every one of them a number.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/arguments.h"
#include "mainwindow/game/weight_places.h"
#include "net/weight_file.h"
#include "tests/support/temp_path.h"
#include "train/trainer.h"

namespace morvik {

namespace {

struct Row {
  const char* name;
  int numbers;     // lines holding 0.125
  int notNumbers;  // of them, lines at the start holding "x" instead
  bool complete;
};

const Row kFiles[] = {
    {"whole", kWeightCount, 0, true},
    {"one short", kWeightCount - 1, 0, false},
    {"full length, one line not a number", kWeightCount, 1, false},
    {"one more than needed", kWeightCount + 1, 0, true},
    {"empty", 0, 0, false},
};

bool GameAccepts(const std::filesystem::path& folder) {
  return LoadGameWeights({folder, {}}).problem.empty();
}

bool EngineAccepts(const std::string& path) {
  float values[kWeightCount];
  try {
    CheckWeightReport(ReadWeightFile(path.c_str(), values), path);
    return true;
  } catch (const UsageError&) {
    return false;
  }
}

}  // namespace

TEST(WeightVerdict, GameEngineAndTrainerAgreeOnEveryFile) {
  for (const Row& row : kFiles) {
    const std::filesystem::path folder = UniqueTempPath(std::string("verdict-") + row.name);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "gammon.pc").string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    for (int i = 0; i < row.numbers; ++i) std::fputs(i < row.notNumbers ? "x\r\n" : "0.125\r\n", f);
    std::fclose(f);
    auto net = std::make_unique<PackedNet>();
    EXPECT_EQ(GameAccepts(folder), row.complete) << row.name;
    EXPECT_EQ(EngineAccepts(path), row.complete) << row.name;
    EXPECT_EQ(LoadWeightFile(path, *net), row.complete) << row.name;
    std::filesystem::remove_all(folder);
  }
}

}  // namespace morvik
