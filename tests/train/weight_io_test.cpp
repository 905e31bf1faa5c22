#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "headless/dice_stream.h"
#include "net/network.h"
#include "net/weight_file.h"
#include "tests/support/temp_path.h"
#include "train/trainer.h"

namespace morvik {

namespace {
// Every exponent, both signs, subnormals, and random mantissas.
std::vector<float> BitPatterns() {
  std::vector<float> values;
  DiceStream random(7);
  for (uint32_t sign = 0; sign < 2; ++sign) {
    for (uint32_t exponent = 0; exponent < 255; ++exponent) {
      for (int m = 0; m < 24; ++m) {
        const uint32_t mantissa = m == 0   ? 0u
                                  : m == 1 ? 0x7FFFFFu
                                           : static_cast<uint32_t>(random.Next() & 0x7FFFFF);
        values.push_back(std::bit_cast<float>(sign << 31 | exponent << 23 | mantissa));
      }
    }
  }
  return values;
}

TEST(WeightFileValues, EverySinglePrecisionPatternComesBackExactly) {
  const std::vector<float> values = BitPatterns();
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(WriteWeightValues(file, values.data(), static_cast<int>(values.size())));
  std::rewind(file);
  std::vector<float> back(values.size());
  const WeightFileReport report =
      ReadWeightValues(file, back.data(), static_cast<int>(back.size()));
  std::fclose(file);
  EXPECT_EQ(report.malformed, 0);
  for (size_t i = 0; i < values.size(); ++i) {
    ASSERT_EQ(std::bit_cast<uint32_t>(back[i]), std::bit_cast<uint32_t>(values[i])) << i;
  }
}

TEST(WeightFileValues, LinesEndWithCarriageReturnAndLineFeed) {
  const float values[2] = {0.1f, -3.0f};
  std::FILE* file = std::tmpfile();
  ASSERT_TRUE(WriteWeightValues(file, values, 2));
  std::rewind(file);
  char text[64] = {};
  const size_t n = std::fread(text, 1, sizeof text - 1, file);
  std::fclose(file);
  EXPECT_EQ(std::string(text, n), "0.100000001\r\n-3\r\n");
}

// The trainer's file is what the game loads: the same weight in every place.
TEST(TrainerWeightFile, GameReadsTheTrainedNetwork) {
  static PackedNet trained;
  RandomWeights(trained, 3, 0.5);
  const std::string path = UniqueTempPath("trained.pc");
  ASSERT_TRUE(SaveWeightFile(trained, path));

  SetUpProgramNet(nullptr);
  const WeightFileReport report = LoadWeightsFrom(path.c_str());
  EXPECT_EQ(report.numbers, kWeightCount);
  for (int j = 0; j < kHidden; ++j) {
    for (int k = 0; k < kInputs; ++k) ASSERT_EQ(NetWeights[0][j][k], trained.w1[k][j]);
    for (int k = 0; k < kHidden; ++k) ASSERT_EQ(NetWeights[1][j][k], trained.w2[k][j]);
  }
  for (int k = 0; k < kHidden; ++k) ASSERT_EQ(NetWeights[2][0][k], trained.w3[k]);

  static PackedNet back;
  ASSERT_TRUE(LoadWeightFile(path, back));
  EXPECT_EQ(std::memcmp(back.w1, trained.w1, sizeof back.w1), 0);
  EXPECT_EQ(std::memcmp(back.w3, trained.w3, sizeof back.w3), 0);
  std::remove(path.c_str());
}

TEST(TrainerWeightFile, ShortFileIsRefused) {
  const std::string path = UniqueTempPath("short.pc");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fputs("0.5\r\n0.25\r\n", file);
  std::fclose(file);
  static PackedNet net;
  EXPECT_FALSE(LoadWeightFile(path, net));
  std::remove(path.c_str());
}

// --resume reads only a regular file: a FIFO would block the trainer for good.
TEST(TrainerWeightFile, FifoAndDirectoryAreRefusedWithoutBlocking) {
  const std::string fifo = ::testing::TempDir() + "/resume_fifo_" + std::to_string(::getpid());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  static PackedNet net;
  EXPECT_FALSE(LoadWeightFile(fifo, net));
  EXPECT_FALSE(LoadWeightFile(::testing::TempDir(), net));
  std::remove(fifo.c_str());
}
}  // namespace

}  // namespace morvik
