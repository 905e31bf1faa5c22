#include "train/position_set.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "player/game_value.h"
#include "player/position_key.h"
#include "player/scoring.h"
#include "player/search.h"
#include "rules/board.h"
#include "rules/enumerate.h"
#include "rules/game_result.h"

namespace morvik {

namespace {
constexpr char kMagic[8] = {'M', 'V', 'K', 'P', 'O', 'S', '1', '\n'};
constexpr char kLabelledMagic[8] = {'M', 'V', 'K', 'L', 'B', 'L', '1', '\n'};

bool Possible(const TrainingPosition& p) {
  if (!std::isfinite(p.target) || p.target < 0.0f || p.target > 1.0f) return false;
  for (const auto& side : p.counts.rows) {
    int total = 0;
    for (int8_t n : side) {
      if (n < 0 || n > kCheckersPerSide) return false;
      total += n;
    }
    if (total != kCheckersPerSide) return false;
  }
  for (int r = 1; r <= 24; ++r) {  // the two sides never share a point
    if (p.counts.rows[0][r] > 0 && p.counts.rows[1][25 - r] > 0) return false;
  }
  return true;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
}  // namespace

namespace {
// The records of a labelled file: a position, then its target's standard error.
constexpr size_t kLabelledRecord = sizeof(TrainingPosition) + sizeof(float);

bool Save(const std::string& path, const std::vector<TrainingPosition>& positions,
          const std::vector<float>* errors) {
  const std::string temporary = path + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  const uint64_t count = positions.size();
  bool written = std::fwrite(errors ? kLabelledMagic : kMagic, sizeof kMagic, 1, file) == 1 &&
                 std::fwrite(&count, sizeof count, 1, file) == 1;
  if (written && count > 0 && errors == nullptr) {
    written = std::fwrite(positions.data(), sizeof(TrainingPosition), count, file) == count;
  }
  for (size_t i = 0; written && errors != nullptr && i < count; ++i) {
    written = std::fwrite(&positions[i], sizeof(TrainingPosition), 1, file) == 1 &&
              std::fwrite(&(*errors)[i], sizeof(float), 1, file) == 1;
  }
  const bool closed = std::fclose(file) == 0;
  if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}
}  // namespace

bool SavePositions(const std::string& path, const std::vector<TrainingPosition>& positions) {
  return Save(path, positions, nullptr);
}

bool SaveLabelledPositions(const std::string& path, const std::vector<TrainingPosition>& positions,
                           const std::vector<float>& errors) {
  return errors.size() == positions.size() && Save(path, positions, &errors);
}

bool LoadPositions(const std::string& path, std::vector<TrainingPosition>& positions,
                   std::string& error, std::vector<float>* errors) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  char magic[sizeof kMagic];
  uint64_t count = 0;
  const bool read = std::fread(magic, sizeof magic, 1, file.get()) == 1;
  const bool labelled = read && std::memcmp(magic, kLabelledMagic, sizeof kMagic) == 0;
  if (!read || (!labelled && std::memcmp(magic, kMagic, sizeof kMagic) != 0) ||
      std::fread(&count, sizeof count, 1, file.get()) != 1) {
    error = path + " is not a positions file";
    return false;
  }
  const size_t record = labelled ? kLabelledRecord : sizeof(TrainingPosition);
  if (std::fseek(file.get(), 0, SEEK_END) != 0 ||
      static_cast<uint64_t>(std::ftell(file.get())) !=
          sizeof kMagic + sizeof count + count * record ||
      std::fseek(file.get(), sizeof kMagic + sizeof count, SEEK_SET) != 0) {
    error = path + " does not hold the " + std::to_string(count) + " positions it announces";
    return false;
  }
  const size_t first = positions.size();
  const size_t firstError = errors ? errors->size() : 0;
  const auto fail = [&](const std::string& why) {
    positions.resize(first);
    if (errors) errors->resize(firstError);
    error = why;
    return false;
  };
  positions.resize(first + count);
  if (!labelled &&
      std::fread(positions.data() + first, sizeof(TrainingPosition), count, file.get()) != count) {
    return fail("cannot read " + path);
  }
  for (size_t i = first; i < positions.size(); ++i) {
    float e = 0.0f;
    if (labelled && (std::fread(&positions[i], sizeof(TrainingPosition), 1, file.get()) != 1 ||
                     std::fread(&e, sizeof e, 1, file.get()) != 1)) {
      return fail("cannot read " + path);
    }
    if (!Possible(positions[i]) || !(e >= 0.0f) || !std::isfinite(e)) {
      return fail(path + ": position " + std::to_string(i - first) + " is impossible");
    }
    if (errors) errors->push_back(e);
  }
  return true;
}

namespace {
// Keeps the candidates' rolls apart from the games' and the rollouts' dice.
constexpr uint64_t kCandidateSeedMix = 0xC0FFEE5EED5ull;
}  // namespace

// The mover's `count` best moves for the roll by the network's value, each
// reaching a position of its own, best first; fewer when the roll has fewer.
int BestCandidates(const PackedNet& net, const SideBoard& mover, const SideBoard& other, int d1,
                   int d2, int count, SearchScratch& s, MoveEntry* best) {
  SideBoard m = mover, o = other;
  EnumerateMoves(m, o, d1, d2, s.list);
  s.known.Reset(s.list.count);
  ScoreEntries(net, m, o, s.list, s.scores, s.known, s.batch);
  const PositionKey start = KeyOf(m);
  PositionKey kept[kMaxCandidates];
  int n = 0;
  for (; n < count && n < kMaxCandidates; ++n) {
    int pick = -1;
    for (int i = 0; i < s.list.count; ++i) {
      if (pick >= 0 && !(s.scores[i] > s.scores[pick])) continue;
      const PositionKey key = KeyAfter(start, s.list[i]);
      bool seen = false;
      for (int k = 0; k < n && !seen; ++k) seen = kept[k] == key;
      if (!seen) pick = i;
    }
    if (pick < 0) break;
    kept[n] = KeyAfter(start, s.list[pick]);
    best[n] = s.list[pick];
  }
  return n;
}
void CollectGamePositions(const PackedNet& net, DiceStream& dice, PlayWorkspace& ws,
                          const PositionScoring& scoring, int randomPlies, uint64_t choiceSeed,
                          std::vector<TrainingPosition>& out, const BoardPosition* from) {
  DiceStream rolloutDice(scoring.seed);
  DiceStream candidateDice(scoring.seed ^ kCandidateSeedMix);
  const auto add = [&](const SideBoard& own, const SideBoard& opponent) {
    TrainingPosition p;
    CountRows(own, opponent, p.counts);
    if (AllBorneOff(own)) {  // a candidate that bears off the last checker has won
      p.target = FinalTarget(KindOfWin(opponent), scoring.target);
    } else {
      p.target = scoring.rollout.trials > 0 ? RolloutValue(net, own, opponent, ws, scoring.target,
                                                           scoring.rollout, rolloutDice)
                                            : OnePlyValue(net, own, opponent, ws, scoring.target);
    }
    out.push_back(p);
  };
  const auto keep = [&](const SideBoard& own, const SideBoard& opponent) {
    add(own, opponent);
    if (scoring.candidates <= 0) return;
    const double draw = static_cast<double>(candidateDice.Next() >> 11) * 0x1.0p-53;
    if (draw >= scoring.candidateShare) return;
    int d1 = 0, d2 = 0;
    candidateDice.Roll(d1, d2);
    MoveEntry best[kMaxCandidates];
    const int n = BestCandidates(net, opponent, own, d1, d2, scoring.candidates, ws.search, best);
    for (int k = 0; k < n; ++k) {
      SideBoard mover = opponent, other = own;
      ApplyEntry(mover, other, best[k]);
      add(mover, other);
    }
  };
  ObserveGame(net, dice, ws, randomPlies, choiceSeed, keep, from);
}

}  // namespace morvik
