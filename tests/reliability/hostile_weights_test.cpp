// Weight files nobody meant to give the program: each has a defined result,
// and the computer still plays a legal move with whatever was stored.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/arguments.h"
#include "net/network.h"
#include "net/weight_file.h"
#include "player/computer_player.h"
#include "rules/board_invariants.h"
#include "rules/enumerate.h"
#include "rules/primitives.h"
#include "tests/support/temp_path.h"

namespace morvik {

namespace {

struct Read {
  std::vector<float> values;
  WeightFileReport report;
};

Read FromText(const std::string& text, int count) {
  Read r{std::vector<float>(static_cast<size_t>(count), -7.0f), {}};
  std::FILE* f = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
  r.report = ReadWeightValues(f, r.values.data(), count);
  std::fclose(f);
  return r;
}

std::string TempPath(const char* name) {
  return UniqueTempPath(name);
}

void WriteFile(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

bool AllWeightsZero() {
  std::vector<float> values(kWeightCount);
  ExtractWeights(values.data());
  for (float v : values) {
    if (v != 0.0f) return false;
  }
  return true;
}

void SetUpNet() {
  SetUpProgramNet(nullptr);
}

TEST(HostileWeights, EmptyFileAndWhatIsNoFileLeaveEveryWeightZero) {
  SetUpNet();
  const std::string empty = TempPath("hostile_empty.pc");
  WriteFile(empty, "");
  WeightFileReport r = LoadWeightsFrom(empty.c_str());
  EXPECT_TRUE(r.opened);
  EXPECT_EQ(r.numbers, 0);
  EXPECT_TRUE(AllWeightsZero());

  // A directory, an endless device and a FIFO without a writer are no weight
  // files: each counts as a missing file at once, without reading or waiting.
  const std::string dir = TempPath("hostile_dir.pc");
  const std::string fifo = TempPath("hostile_fifo.pc");
  ::mkdir(dir.c_str(), 0700);
  ::mkfifo(fifo.c_str(), 0600);
  const std::string one = TempPath("hostile_one.pc");
  WriteFile(one, "1\r\n");
  for (const std::string& path : {dir, std::string("/dev/zero"), fifo}) {
    LoadWeightsFrom(one.c_str());
    r = LoadWeightsFrom(path.c_str());
    EXPECT_FALSE(r.opened) << path;
    EXPECT_EQ(r.numbers, 0) << path;
    EXPECT_TRUE(AllWeightsZero()) << path;
  }
  const BoardPosition start = [] {
    BoardPosition p;
    BuildBoardPosition(StartingPosition(), p);
    return p;
  }();
  EXPECT_EQ(EvaluateBoards(start.own, start.opponent), 0.5f);

  // The engine's --weights refuses them instead of playing on zeros.
  for (const std::string& path : {dir, std::string("/dev/zero"), fifo}) {
    EngineOptions options;
    options.weights = path;
    options.hasWeights = true;
    EXPECT_THROW(LoadEngineWeights(options), UsageError) << path;
  }
  std::remove(empty.c_str());
  std::remove(one.c_str());
  std::remove(fifo.c_str());
  ::rmdir(dir.c_str());
}

TEST(HostileWeights, BinaryGarbageStoresZeroForEveryLineThatIsNoNumber) {
  const char bytes[] =
      "\x00\x01\xff\xfe\r\n\x7f"
      "12\n"
      "\x80\x00"
      "3\n"
      "4\x00"
      "5\n"
      "\n\n\xc3\xa9\n";
  const std::string garbage(bytes, sizeof bytes - 1);
  const Read r = FromText(garbage, 6);
  // A NUL or any other byte ends a number like a blank; a line starting with
  // one is malformed.
  EXPECT_EQ(r.values, (std::vector<float>{0.0f, 0.0f, 0.0f, 4.0f, 0.0f, 0.0f}));
  EXPECT_EQ(r.report.numbers, 5);
  EXPECT_EQ(r.report.malformed, 4);
}

TEST(HostileWeights, HugeTinyAndNonFiniteSpellings) {
  const Read r = FromText(
      "1e999\n-1e999\n1e-999\n3.41e38\n3.4028234e38\n-3.4028234e38\n1e-40\n1e-50\n"
      "nan\nNaN\ninf\n-inf\nInfinity\nnan(1)\n0x1p3\n1,5\n1e99999999999999999999\n",
      17);
  const float max = 3.40282347e38f;
  const std::vector<float> expected{0.0f, 0.0f, 0.0f, 0.0f, max,  -max, 1e-40f, 0.0f, 0.0f,
                                    0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f,   0.0f};
  EXPECT_EQ(r.values, expected);
  // Overflow past the single range, underflow of the double, the spellings of
  // infinity and not-a-number: malformed. "0x1p3" reads as 0 and "1,5" as 1,
  // the rest of the line being ignored.
  EXPECT_EQ(r.report.malformed, 11);
  for (float v : r.values) EXPECT_TRUE(std::isfinite(v));
}

TEST(HostileWeights, LineEndsAndOverlongSpellings) {
  // CR LF, LF and CR CR LF end a line; a CR alone does not.
  EXPECT_EQ(FromText("1\r\n2\n3\r\r\n4", 4).values, (std::vector<float>{1, 2, 3, 4}));
  EXPECT_EQ(FromText("1\r2\r3\n4\n", 3).values, (std::vector<float>{1, 4, 0}));
  // A number may be spelt with up to 64 characters; a longer one is malformed.
  const std::string fits = "0.5" + std::string(61, '0');
  const std::string tooLong = "0.5" + std::string(62, '0');
  const Read r = FromText(fits + "\n" + tooLong + "\n", 2);
  EXPECT_EQ(r.values, (std::vector<float>{0.5f, 0.0f}));
  EXPECT_EQ(r.report.malformed, 1);
}

TEST(HostileWeights, NegativeZeroIsKeptAndEvaluatesAsZero) {
  const Read r = FromText("-0\n-0.0\n-0e5\n-.0\n", 4);
  for (float v : r.values) {
    EXPECT_EQ(v, 0.0f);
    EXPECT_TRUE(std::signbit(v));
  }
  SetUpNet();
  const std::string path = TempPath("hostile_negzero.pc");
  std::string text;
  for (int i = 0; i < kWeightCount; ++i) text += "-0\r\n";
  WriteFile(path, text);
  LoadWeightsFrom(path.c_str());
  std::remove(path.c_str());
  BoardPosition p;
  BuildBoardPosition(StartingPosition(), p);
  EXPECT_EQ(EvaluateBoards(p.own, p.opponent), 0.5f);
}

// A stream of one line of `size` bytes made up as it is read, then "2\n".
struct LongLine {
  size_t size;
  char fill;
  size_t pos = 0;
};

std::FILE* OpenLongLine(LongLine& line) {
  cookie_io_functions_t io{};
  io.read = [](void* cookie, char* buf, size_t n) -> ssize_t {
    auto& l = *static_cast<LongLine*>(cookie);
    const std::string tail = "\n2\n";
    size_t k = 0;
    for (; k < n && l.pos < l.size + tail.size(); ++k, ++l.pos) {
      buf[k] = l.pos < l.size ? (l.pos == 0 ? '1' : l.fill) : tail[l.pos - l.size];
    }
    return static_cast<ssize_t>(k);
  };
  return fopencookie(&line, "r", io);
}

TEST(HostileWeights, OneEnormousLineIsStreamedNotHeld) {
  // 16 MB of digits: a number far too long to be a weight, so malformed.
  LongLine digits{16u << 20, '7'};
  float out[3];
  std::FILE* f = OpenLongLine(digits);
  WeightFileReport r = ReadWeightValues(f, out, 3);
  std::fclose(f);
  EXPECT_EQ(out[0], 0.0f);
  EXPECT_EQ(out[1], 2.0f);
  EXPECT_EQ(out[2], 0.0f);
  EXPECT_EQ(r.numbers, 2);
  EXPECT_EQ(r.malformed, 1);
  // A number followed by 16 MB of text: the number counts, the text is skipped.
  LongLine text{16u << 20, 'x'};
  f = OpenLongLine(text);
  r = ReadWeightValues(f, out, 3);
  std::fclose(f);
  EXPECT_EQ(out[0], 1.0f);
  EXPECT_EQ(out[1], 2.0f);
  EXPECT_EQ(r.malformed, 0);
}

TEST(HostileWeights, NumbersBeyondTheLastWeightAreNeverRead) {
  SetUpNet();
  const std::string path = TempPath("hostile_long.pc");
  std::string text;
  for (int i = 0; i < kWeightCount + 5000; ++i) text += std::to_string(i % 7 + 1) + "\r\n";
  text += "garbage that is never reached\x00\xff\r\n";
  WriteFile(path, text);
  const WeightFileReport r = LoadWeightsFrom(path.c_str());
  std::remove(path.c_str());
  EXPECT_EQ(r.numbers, kWeightCount);
  EXPECT_EQ(r.malformed, 0);
  EXPECT_EQ(NetWeights[2][0][39], static_cast<float>((kWeightCount - 1) % 7 + 1));
  EXPECT_EQ(NetWeights[2][0][40], 0.0f);  // past the used block
  EXPECT_EQ(NetWeights[2][1][0], 0.0f);
}

// The computer's move with a network that sums to infinities or NaN: every
// comparison with NaN is false, so the earlier candidate is kept; the move is
// still one of the listed plays.
class ExtremeWeights : public testing::TestWithParam<int> {};

void FillWeights(int pattern) {
  std::vector<float> values(kWeightCount);
  for (int i = 0; i < kWeightCount; ++i) {
    const float huge = 3.0e38f;
    switch (pattern) {
      case 0:
        values[static_cast<size_t>(i)] = huge;
        break;  // +inf sums
      case 1:
        values[static_cast<size_t>(i)] = (i % 2 == 0) ? huge : -huge;
        break;  // inf - inf = NaN
      default:
        values[static_cast<size_t>(i)] = (i % 3 == 0) ? -huge : 1e-3f;
        break;
    }
  }
  StoreWeights(values.data());
}

TEST_P(ExtremeWeights, ComputerStillPlaysAListedMove) {
  SetUpNet();
  FillWeights(GetParam());
  auto player = std::make_unique<ComputerPlayer>(gPackedNet);
  auto list = std::make_unique<MoveList>();
  NullSink sink;
  for (int lookahead = 0; lookahead <= 1; ++lookahead) {
    for (int d1 = 1; d1 <= 6; ++d1) {
      for (int d2 = 1; d2 <= d1; ++d2) {
        BoardPosition p;
        BuildBoardPosition(StartingPosition(), p);
        const BoardPosition before = p;
        EnumerateMoves(p.own, p.opponent, d1, d2, *list);
        player->PlayComputerMove(p.own, p.opponent, lookahead, d1, d2, sink);
        EXPECT_EQ(PositionFault(p), nullptr);
        EXPECT_GE(FindListedPlay(before, p, *list), 0) << d1 << "-" << d2;
      }
    }
  }
  // NaN or not, the best reply comes back and leaves no trace.
  BoardPosition p;
  BuildBoardPosition(StartingPosition(), p);
  const BoardPosition before = p;
  player->FindBestReply(p.opponent, p.own, 6, 5);
  EXPECT_EQ(p, before);
  SetUpNet();
  StoreWeights(std::vector<float>(kWeightCount, 0.0f).data());
}

INSTANTIATE_TEST_SUITE_P(Patterns, ExtremeWeights, testing::Values(0, 1, 2));

}  // namespace

}  // namespace morvik
