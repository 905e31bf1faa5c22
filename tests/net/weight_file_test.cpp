#include "net/weight_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "net/network.h"
#include "tests/support/temp_path.h"

namespace morvik {

namespace {

std::vector<float> Read(const std::string& text, int count, WeightFileReport* report = nullptr) {
  std::FILE* f = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
  std::vector<float> out(static_cast<size_t>(count), -7.0f);
  const WeightFileReport r = ReadWeightValues(text.empty() ? nullptr : f, out.data(), count);
  if (f != nullptr) std::fclose(f);
  if (report != nullptr) *report = r;
  return out;
}

TEST(WeightFile, LineEndsBlankLinesAndTrailingText) {
  EXPECT_EQ(Read("1.5\r\n-2\r\n0.25e1\r\n", 3), (std::vector<float>{1.5f, -2.0f, 2.5f}));
  EXPECT_EQ(Read("1.5\n-2\n", 2), (std::vector<float>{1.5f, -2.0f}));
  EXPECT_EQ(Read("\n\n  1\n\r\n\t2\n", 2), (std::vector<float>{1.0f, 2.0f}));
  EXPECT_EQ(Read("0.25 and a remark 7\n3\n", 2), (std::vector<float>{0.25f, 3.0f}));
  EXPECT_EQ(Read("+4.\n.5\n1E-1\n", 3), (std::vector<float>{4.0f, 0.5f, 0.1f}));
}

TEST(WeightFile, ShortMissingAndMalformed) {
  EXPECT_EQ(Read("1\n2\n", 4), (std::vector<float>{1.0f, 2.0f, 0.0f, 0.0f}));
  EXPECT_EQ(Read("", 2), (std::vector<float>{0.0f, 0.0f}));
  WeightFileReport report;
  EXPECT_EQ(Read("abc\n-\n3\n1e999\n1e\n", 5, &report),
            (std::vector<float>{0.0f, 0.0f, 3.0f, 0.0f, 1.0f}));
  EXPECT_EQ(report.malformed, 3);
  EXPECT_EQ(report.numbers, 5);
}

TEST(WeightFile, DecimalTextIsRoundedOnceToTheNearestSingle) {
  EXPECT_EQ(Read("0.1\n", 1)[0], 0.1f);
  EXPECT_NE(static_cast<double>(Read("0.1\n", 1)[0]), 0.1);
  // The text is converted in double and the double rounded to single: just
  // above the midpoint of two singles, the double is the midpoint itself,
  // which rounds to the even one.
  EXPECT_EQ(Read("1.00000005960464477540\n", 1)[0], 1.0f);
}

TEST(WeightFile, WriterAndReaderRoundTripEverySingle) {
  std::vector<float> values;
  for (uint32_t bits = 0; bits < 0x7F800000u; bits += 0x00012345u) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    values.push_back(f);
    values.push_back(-f);
  }
  char* buffer = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  ASSERT_TRUE(WriteWeightValues(out, values.data(), static_cast<int>(values.size())));
  std::fclose(out);
  const std::string text(buffer, size);
  std::free(buffer);
  EXPECT_NE(text.find("\r\n"), std::string::npos);
  const std::vector<float> back = Read(text, static_cast<int>(values.size()));
  ASSERT_EQ(back.size(), values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    ASSERT_EQ(std::memcmp(&back[i], &values[i], sizeof(float)), 0) << values[i];
  }
}

TEST(WeightFile, LoadsIntoTheMatricesInFileOrder) {
  SetUpProgramNet(nullptr);
  const std::string name = UniqueTempPath("order.pc");
  const char* path = name.c_str();
  std::FILE* f = std::fopen(path, "wb");
  for (int i = 0; i < kWeightCount; ++i) std::fprintf(f, "%d\r\n", i % 1000);
  std::fclose(f);
  const WeightFileReport r = LoadWeightsFrom(path);
  std::remove(path);
  EXPECT_TRUE(r.opened);
  EXPECT_EQ(r.numbers, kWeightCount);
  EXPECT_EQ(NetWeights[0][0][1], 1.0f);     // number 2: into hidden unit 0 from input 1
  EXPECT_EQ(NetWeights[0][1][0], 780.0f);   // number 781: the second hidden unit
  EXPECT_EQ(NetWeights[1][0][0], 200.0f);   // number 31,201: 31200 % 1000
  EXPECT_EQ(NetWeights[2][0][39], 839.0f);  // the last number: 32839 % 1000
  EXPECT_EQ(NetWeights[0][40][0], 0.0f);    // outside the used block
  const WeightFileReport missing = LoadWeightsFrom(UniqueTempPath("missing.pc").c_str());
  EXPECT_FALSE(missing.opened);
  EXPECT_EQ(NetWeights[2][0][39], 0.0f);
}

}  // namespace

}  // namespace morvik
