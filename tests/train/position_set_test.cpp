// Positions with fixed targets: what a game yields, how the file keeps it,
// and which damaged files are refused without touching what was read before.
#include "train/position_set.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "headless/dice_stream.h"
#include "player/search.h"
#include "rules/enumerate.h"
#include "tests/support/temp_path.h"
#include "train/position_kinds.h"
#include "train/trainer.h"

namespace morvik {

namespace {

std::vector<TrainingPosition> OneGame(const PackedNet& net, uint64_t seed, int turns[1] = nullptr) {
  auto ws = std::make_unique<PlayWorkspace>();
  std::vector<TrainingPosition> out;
  DiceStream dice(StreamSeed(seed, 0));
  CollectGamePositions(net, dice, *ws, {}, 0, 0, out);
  if (turns != nullptr) {
    DiceStream again(StreamSeed(seed, 0));
    turns[0] = ObserveGame(net, again, *ws, 0, 0, [](const SideBoard&, const SideBoard&) {});
  }
  return out;
}

std::unique_ptr<PackedNet> SomeNet(uint64_t seed) {
  auto net = std::make_unique<PackedNet>();
  RandomWeights(*net, seed, 0.2);
  return net;
}

// Every move but the last yields one position, scored as the one-ply value
// of the mover's position, and the same dice yield the same positions.
TEST(CollectGamePositions, EveryMoveButTheLastWithItsOnePlyValue) {
  const auto net = SomeNet(5);
  int turns = 0;
  const auto positions = OneGame(*net, 21, &turns);
  ASSERT_EQ(static_cast<int>(positions.size()), turns - 1);

  auto ws = std::make_unique<PlayWorkspace>();
  DiceStream dice(StreamSeed(21, 0));
  size_t i = 0;
  ObserveGame(*net, dice, *ws, 0, 0, [&](const SideBoard& own, const SideBoard& opponent) {
    RowCounts counts;
    CountRows(own, opponent, counts);
    ASSERT_LT(i, positions.size());
    EXPECT_EQ(counts, positions[i].counts) << "position " << i;
    EXPECT_EQ(OnePlyValue(*net, own, opponent, *ws, TrainTarget::kPoints), positions[i].target)
        << "position " << i;
    ++i;
  });
  const auto again = OneGame(*net, 21);
  ASSERT_EQ(again.size(), positions.size());
  EXPECT_EQ(0, std::memcmp(again.data(), positions.data(), positions.size() * sizeof positions[0]));
}

// The candidates of a roll are its best moves, each reaching a position of
// its own, best first; collecting them leaves the game's own positions, in
// order, among the others.
TEST(CollectGamePositions, CandidatesAreTheBestDistinctMovesAndLeaveTheGameAlone) {
  const auto net = SomeNet(5);
  auto ws = std::make_unique<PlayWorkspace>();
  const BoardPosition start = PositionOf(OneGame(*net, 21)[10].counts);
  MoveEntry best[kMaxCandidates];
  const int n = BestCandidates(*net, start.opponent, start.own, 6, 4, 5, ws->search, best);
  ASSERT_EQ(n, 5);
  float last = 2.0f;
  std::vector<RowCounts> seen;
  for (int k = 0; k < n; ++k) {
    BoardPosition after = start;
    ApplyEntry(after.opponent, after.own, best[k]);
    ActiveInputs active;
    CollectActive(after.opponent, after.own, active);
    NetTrace trace;
    const float value = Forward(*net, active, trace);
    EXPECT_LE(value, last) << "candidate " << k;
    last = value;
    RowCounts counts;
    CountRows(after.opponent, after.own, counts);
    for (const RowCounts& c : seen) EXPECT_NE(c, counts) << "candidate " << k;
    seen.push_back(counts);
  }
  SideBoard mover = start.opponent, other = start.own;
  const float greedy =
      PlayBestMove(*net, ToolSearch(TrainTarget::kPoints), mover, other, 6, 4, ws->search);
  ActiveInputs active;
  CollectActive(mover, other, active);
  NetTrace trace;
  EXPECT_EQ(greedy, Forward(*net, active, trace));
  BoardPosition first = start;
  ApplyEntry(first.opponent, first.own, best[0]);
  EXPECT_EQ(first.opponent, mover);

  const auto plain = OneGame(*net, 21);
  std::vector<TrainingPosition> out;
  DiceStream dice(StreamSeed(21, 0));
  PositionScoring scoring;
  scoring.candidates = 3;
  scoring.candidateShare = 1.0;
  CollectGamePositions(*net, dice, *ws, scoring, 0, 0, out);
  EXPECT_GT(out.size(), 2 * plain.size());
  EXPECT_LE(out.size(), 4 * plain.size());
  size_t next = 0;
  for (const TrainingPosition& p : out) {
    if (next < plain.size() && p.counts == plain[next].counts) ++next;
  }
  EXPECT_EQ(next, plain.size());
}

// A candidate that bears off the last checker ends the game: its value is
// the result, not what the network makes of the finished board.
TEST(CollectGamePositions, AFinishingCandidateHasTheExactResult) {
  RowCounts counts{};
  counts.rows[0][0] = 14;  // just moved: one checker left, on its ace point
  counts.rows[0][1] = 1;
  counts.rows[1][7] = 15;  // on roll: none home, so the finish is a gammon
  const BoardPosition from = PositionOf(counts);
  auto ws = std::make_unique<PlayWorkspace>();
  PositionScoring scoring;
  scoring.candidates = 3;
  scoring.candidateShare = 1.0;
  std::vector<TrainingPosition> out;
  DiceStream dice(StreamSeed(3, 0));
  CollectGamePositions(*SomeNet(5), dice, *ws, scoring, 0, 0, out, &from);
  ASSERT_EQ(out.size(), 2u);  // the move from the seven point, then the one finish
  EXPECT_EQ(out[1].counts.rows[0][0], 15);
  EXPECT_EQ(out[1].target, FinalTarget(WinKind::kGammon, TrainTarget::kPoints));
}

class PositionFile : public testing::Test {
 protected:
  void SetUp() override { positions = OneGame(*SomeNet(6), 8); }
  void TearDown() override { std::remove(path.c_str()); }
  // The saved file with `count` bytes at `offset` overwritten, or cut to `size`.
  void Damage(long offset, const void* bytes, size_t count) {
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    std::fseek(f, offset, SEEK_SET);
    std::fwrite(bytes, 1, count, f);
    std::fclose(f);
  }
  std::string Refusal() {
    std::vector<TrainingPosition> read(3);  // what was read before stays
    std::string error;
    EXPECT_FALSE(LoadPositions(path, read, error));
    EXPECT_EQ(read.size(), 3u);
    return error;
  }
  static long RecordAt(size_t i) { return static_cast<long>(16 + i * sizeof(TrainingPosition)); }

  std::string path = UniqueTempPath("positions");
  std::vector<TrainingPosition> positions;
};

TEST_F(PositionFile, RoundTripAppendsToWhatWasRead) {
  ASSERT_TRUE(SavePositions(path, positions));
  std::vector<TrainingPosition> read(positions.begin(), positions.begin() + 2);
  std::string error;
  ASSERT_TRUE(LoadPositions(path, read, error)) << error;
  ASSERT_EQ(read.size(), positions.size() + 2);
  EXPECT_EQ(0, std::memcmp(read.data() + 2, positions.data(), positions.size() * sizeof read[0]));
}

// Rollout labels keep each target's standard error; the fit reads such a
// file as any other, and an older file gives errors of 0.
TEST_F(PositionFile, LabelledFilesKeepTheErrors) {
  std::vector<float> errors(positions.size());
  for (size_t i = 0; i < errors.size(); ++i) errors[i] = 0.001f * static_cast<float>(i);
  ASSERT_TRUE(SaveLabelledPositions(path, positions, errors));
  std::vector<TrainingPosition> read;
  std::vector<float> readErrors;
  std::string error;
  ASSERT_TRUE(LoadPositions(path, read, error, &readErrors)) << error;
  EXPECT_EQ(readErrors, errors);
  ASSERT_EQ(read.size(), positions.size());
  EXPECT_EQ(0, std::memcmp(read.data(), positions.data(), positions.size() * sizeof read[0]));
  errors[1] = -1.0f;
  ASSERT_TRUE(SaveLabelledPositions(path, positions, errors));
  EXPECT_FALSE(LoadPositions(path, read, error));
  ASSERT_TRUE(SavePositions(path, positions));
  ASSERT_TRUE(LoadPositions(path, read, error, &readErrors)) << error;
  EXPECT_EQ(readErrors.back(), 0.0f);
}

TEST_F(PositionFile, EmptySetRoundTrips) {
  ASSERT_TRUE(SavePositions(path, {}));
  std::vector<TrainingPosition> read;
  std::string error;
  EXPECT_TRUE(LoadPositions(path, read, error)) << error;
  EXPECT_TRUE(read.empty());
}

TEST_F(PositionFile, UnwritablePlaceFailsAndLeavesNothing) {
  const std::string missing = path + "-no-such-dir/p.pos";
  EXPECT_FALSE(SavePositions(missing, positions));
}

TEST_F(PositionFile, DamagedFilesAreRefusedWithTheReason) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float above = 1.5f;
  const int8_t sixteen = 16, one = 1;
  struct Row {
    const char* name;
    long offset;
    const void* bytes;
    size_t count;
    const char* reason;
  };
  const long target = static_cast<long>(offsetof(TrainingPosition, target));
  // Row 0 (borne off) of the mover and of the other side: a 16th checker.
  const Row rows[] = {
      {"other kind", 0, "MVKPOS2\n", 8, "not a positions file"},
      {"target not a number", RecordAt(1) + target, &nan, sizeof nan, "impossible"},
      {"target above one", RecordAt(2) + target, &above, sizeof above, "impossible"},
      {"sixteen checkers", RecordAt(0), &sixteen, 1, "impossible"},
      {"a checker too many", RecordAt(0) + 26, &one, 1, "impossible"},
  };
  for (const Row& row : rows) {
    ASSERT_TRUE(SavePositions(path, positions));
    Damage(row.offset, row.bytes, row.count);
    EXPECT_NE(Refusal().find(row.reason), std::string::npos) << row.name;
  }
}

TEST_F(PositionFile, BothSidesOnOnePointIsRefused) {
  // The start: the mover's 24-point is the other side's 1-point.
  positions.resize(1);
  RowCounts& c = positions[0].counts;
  for (auto& side : c.rows)
    for (auto& n : side) n = 0;
  c.rows[0][24] = 2;
  c.rows[0][0] = 13;
  c.rows[1][1] = 1;
  c.rows[1][0] = 14;
  ASSERT_TRUE(SavePositions(path, positions));
  EXPECT_NE(Refusal().find("impossible"), std::string::npos);
}

TEST_F(PositionFile, ShortOrMissingFilesAreRefused) {
  ASSERT_TRUE(SavePositions(path, positions));
  ASSERT_EQ(0, truncate(path.c_str(), RecordAt(positions.size()) - 1));
  EXPECT_NE(Refusal().find("does not hold"), std::string::npos);
  ASSERT_EQ(0, truncate(path.c_str(), 5));
  EXPECT_NE(Refusal().find("not a positions file"), std::string::npos);
  std::remove(path.c_str());
  EXPECT_NE(Refusal().find("cannot open"), std::string::npos);
}

}  // namespace

}  // namespace morvik
