// morvik-engine rollout: the value of a position, or of every move of a roll,
// by games played on from it; or the labels of a positions file.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/arguments.h"
#include "engine/commands.h"
#include "engine/fnv_hash.h"
#include "engine/options.h"
#include "headless/rollout.h"
#include "net/network.h"
#include "rules/enumerate.h"
#include "rules/game_result.h"
#include "rules/notation.h"
#include "rules/primitives.h"
#include "train/position_kinds.h"
#include "train/position_set.h"

namespace morvik {

namespace {

constexpr double kZ95 = 1.959964;  // a 95% interval is this many standard errors each side

struct RolloutOptions {
  RolloutPlan plan;
  int threads = 1;
  int moves = 0;  // with --dice: the best this many by static value; 0: all
  bool quiet = false;
  std::string positions, output;
};

// The command's options as the rollout uses them, with the rules between
// them that the declarations do not say.
RolloutOptions RolloutOptionsOf(const EngineOptions& e) {
  RolloutOptions o;
  o.plan.trials = e.trials;
  if (o.plan.trials % 36 != 0) {
    throw UsageError("--trials must be a multiple of 36: every first roll is thrown alike");
  }
  o.plan.plies = e.truncate;
  o.plan.seed = static_cast<uint64_t>(e.seed);
  o.plan.lookahead = e.lookahead;
  if (e.plain) {
    o.plan.stratified = 1;
    o.plan.luckAdjusted = false;
  }
  o.threads = e.threads;
  o.moves = e.moves;
  o.quiet = e.quiet;
  o.positions = e.positions;
  o.output = e.output;
  const bool position = e.hasBoard || e.hasPositionId;
  if (e.hasPositions != e.hasOutput) throw UsageError("--positions and --output go together");
  if (e.hasPositions && (position || e.hasDice || e.hasMoves))
    throw UsageError("--positions labels a file: no --board, --position-id, --dice or --moves");
  if (e.hasMoves && !e.hasDice) throw UsageError("--moves goes with --dice");
  if (!e.hasPositions && !position) throw UsageError("give --board B or --position-id ID");
  return o;
}

std::string Points(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%+.3f", value);
  return text;
}

// Progress on stderr once a run has taken two seconds: the work done, the
// estimate so far, the time left.
class ProgressLine {
 public:
  ProgressLine(bool quiet, long total) : quiet_(quiet), total_(total) {}
  ~ProgressLine() {
    if (shown_) std::fputc('\n', stderr);
  }
  void Show(long done, const char* what, const std::string& estimate) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    if (quiet_ || seconds < 2.0 || done <= 0) return;
    shown_ = true;
    std::fprintf(stderr, "\r%s %ld/%ld  %s  %.0f s left ", what, done, total_, estimate.c_str(),
                 seconds * static_cast<double>(total_ - done) / static_cast<double>(done));
  }

 private:
  bool quiet_;
  long total_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The rollout of one position, the human on roll; its equity for the human.
void RollOutPosition(const BoardPosition& position, const RolloutOptions& o) {
  Roller roller(gPackedNet, o.threads, o.plan.lookahead);
  ProgressLine line(o.quiet, o.plan.trials);
  const RolloutEstimate e = roller.Roll(position, o.plan, [&](int done, double value) {
    line.Show(done, "trials", "equity " + Points(-PointsOf(value)));
  });
  std::printf("equity %s +- %.3f\n", Points(-PointsOf(e.value)).c_str(),
              6.0 * kZ95 * e.standardError);
  std::printf("trials %d\n", e.trials);
  std::printf("win %.4f gammon %.4f backgammon %.4f\n", e.lost[0], e.lost[1], e.lost[2]);
  std::printf("lose %.4f gammon %.4f backgammon %.4f\n", e.won[0], e.won[1], e.won[2]);
}

struct Candidate {
  std::string notation;
  BoardPosition after;  // own: the human, who has just moved
  double staticValue = 0.0;
  double equity = 0.0;
  double halfWidth = 0.0;
};

// Every distinct position the human's moves reach, either die first, with
// the notation of the first move listed to reach it.
std::vector<Candidate> ListCandidates(const BoardPosition& position, int d1, int d2) {
  static MoveList list;  // large: made once
  static const auto scratch = std::make_unique<SearchScratch>();
  std::vector<Candidate> candidates;
  std::vector<RowCounts> reached;
  const auto add = [&](const BoardPosition& after, const std::string& notation) {
    RowCounts counts;
    CountRows(after.own, after.opponent, counts);
    if (std::find(reached.begin(), reached.end(), counts) != reached.end()) return;
    reached.push_back(counts);
    Candidate c;
    c.notation = notation;
    c.after = after;
    c.staticValue = AllBorneOff(after.own)
                        ? Points(KindOfWin(after.opponent))
                        : PointsOf(Evaluate(gPackedNet, after.own, after.opponent, *scratch));
    candidates.push_back(c);
  };
  for (int order = 0; order < (d1 == d2 ? 1 : 2); ++order) {
    SideBoard human = position.opponent, computer = position.own;
    EnumerateMoves(human, computer, order == 0 ? d1 : d2, order == 0 ? d2 : d1, list);
    for (int i = 0; i < list.count; ++i) {
      BoardPosition after{human, computer};
      ApplyEntry(after.own, after.opponent, list[i]);
      TextLine text;
      for (int s = 0; s < list[i].Length(); ++s) {
        if (s > 0) text.Append(" ");
        AppendMove(text, list[i].slot[static_cast<size_t>(s)]);
        --text.length;  // the notation's trailing blank
      }
      add(after, std::string(text.View()));
    }
  }
  if (candidates.empty()) add({position.opponent, position.own}, "no move");
  return candidates;
}

// Every move of the roll, each rolled out on the same dice, best first.
void RollOutMoves(const BoardPosition& position, int d1, int d2, const RolloutOptions& o) {
  std::vector<Candidate> candidates = ListCandidates(position, d1, d2);
  std::stable_sort(
      candidates.begin(), candidates.end(),
      [](const Candidate& a, const Candidate& b) { return a.staticValue > b.staticValue; });
  if (o.moves > 0 && static_cast<int>(candidates.size()) > o.moves)
    candidates.resize(static_cast<size_t>(o.moves));
  Roller roller(gPackedNet, o.threads, o.plan.lookahead);
  ProgressLine line(o.quiet, static_cast<long>(candidates.size()) * o.plan.trials);
  for (size_t m = 0; m < candidates.size(); ++m) {
    Candidate& c = candidates[m];
    if (AllBorneOff(c.after.own)) {  // the move ends the game
      c.equity = c.staticValue;
      continue;
    }
    const long before = static_cast<long>(m) * o.plan.trials;
    const RolloutEstimate e = roller.Roll(c.after, o.plan, [&](int done, double value) {
      line.Show(before + done, "trials",
                "move " + std::to_string(m + 1) + " equity " + Points(PointsOf(value)));
    });
    c.equity = PointsOf(e.value);
    c.halfWidth = 6.0 * kZ95 * e.standardError;
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Candidate& a, const Candidate& b) { return a.equity > b.equity; });
  for (size_t m = 0; m < candidates.size(); ++m) {
    const Candidate& c = candidates[m];
    std::printf("%zu: %s equity %s +- %.3f static %s\n", m + 1, c.notation.c_str(),
                Points(c.equity).c_str(), c.halfWidth, Points(c.staticValue).c_str());
  }
}

// A position's own dice: its seed comes from its checkers and --seed, so that
// any split of a file into chunks labels it alike.
uint64_t PositionSeed(uint64_t seed, const RowCounts& counts) {
  FnvHash hash;
  for (const auto& side : counts.rows)
    for (int8_t n : side) hash.AddByte(static_cast<unsigned char>(n));
  return StreamSeed(seed, hash.hash);
}

struct Label {
  TrainingPosition position;
  float error = 0.0f;
};
static_assert(sizeof(Label) == 60, "the journal stores the labels as they lie in memory");

// The labels already made by an interrupted run, from OUTPUT.journal; each
// must be of the position at its place in the input.
std::vector<Label> ReadJournal(const std::string& path, const std::vector<TrainingPosition>& in) {
  std::vector<Label> done;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return done;
  Label label;
  while (done.size() < in.size() && std::fread(&label, sizeof label, 1, file) == 1) {
    if (!(label.position.counts == in[done.size()].counts)) {
      std::fclose(file);
      throw UsageError(path + " holds the labels of another positions file");
    }
    done.push_back(label);
  }
  std::fclose(file);
  return done;
}

// The value of the position for the side that has just moved: exact when
// the game is over.
RolloutEstimate LabelOf(Roller& roller, const TrainingPosition& p, RolloutPlan plan) {
  const BoardPosition position = PositionOf(p.counts);
  RolloutEstimate e;
  if (AllBorneOff(position.own)) {
    e.value = FinalTarget(KindOfWin(position.opponent), TrainTarget::kPoints);
  } else if (AllBorneOff(position.opponent)) {
    e.value = 1.0 - FinalTarget(KindOfWin(position.own), TrainTarget::kPoints);
  } else {
    plan.seed = PositionSeed(plan.seed, p.counts);
    e = roller.Roll(position, plan);
  }
  return e;
}

int LabelPositions(const RolloutOptions& o) {
  std::vector<TrainingPosition> in;
  std::string error;
  if (!LoadPositions(o.positions, in, error)) throw UsageError(error);
  const std::string journalPath = o.output + ".journal";
  std::vector<Label> labels = ReadJournal(journalPath, in);
  // Rewritten whole: a record cut short by a crash goes.
  std::FILE* journal = std::fopen(journalPath.c_str(), "wb");
  if (journal == nullptr) throw UsageError("cannot write " + journalPath);
  if (!labels.empty()) std::fwrite(labels.data(), sizeof(Label), labels.size(), journal);
  std::fflush(journal);
  Roller roller(gPackedNet, o.threads, o.plan.lookahead);
  ProgressLine line(o.quiet, static_cast<long>(in.size()));
  for (size_t i = labels.size(); i < in.size(); ++i) {
    const RolloutEstimate e = LabelOf(roller, in[i], o.plan);
    Label label;
    label.position = in[i];
    label.position.target = static_cast<float>(std::clamp(e.value, 0.0, 1.0));
    label.error = static_cast<float>(e.standardError);
    labels.push_back(label);
    if (std::fwrite(&label, sizeof label, 1, journal) != 1 || std::fflush(journal) != 0) {
      std::fclose(journal);
      throw std::runtime_error("cannot write " + journalPath);
    }
    line.Show(static_cast<long>(i + 1), "positions", "value " + Points(PointsOf(e.value)));
  }
  std::fclose(journal);
  std::vector<TrainingPosition> positions;
  std::vector<float> errors;
  for (const Label& l : labels) {
    positions.push_back(l.position);
    errors.push_back(l.error);
  }
  if (!SaveLabelledPositions(o.output, positions, errors)) {
    throw std::runtime_error("cannot write " + o.output);
  }
  std::remove(journalPath.c_str());
  std::printf("labelled %zu positions into %s\n", positions.size(), o.output.c_str());
  return 0;
}

}  // namespace

int RunRollout(int argc, char** argv) {
  const EngineOptions options = ReadEngineOptions(argc, argv);
  const RolloutOptions o = RolloutOptionsOf(options);
  if (!o.positions.empty()) {
    LoadEngineWeights(options);
    return LabelPositions(o);
  }
  const SignedBoard board = ParsePosition(options, true);  // the human is on roll
  LoadEngineWeights(options);
  BoardPosition position;
  BuildBoardPosition(board, position);
  if (options.hasDice) {
    RollOutMoves(position, options.dice.first, options.dice.second, o);
  } else {
    RollOutPosition(position, o);
  }
  return 0;
}

}  // namespace morvik
