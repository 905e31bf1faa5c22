// Every engine command asked bad questions through the real process: each row
// is an argument list, and the answer must be exit status 2, nothing on
// stdout and one line on stderr naming the problem.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>

#include "tests/engine/engine_process.h"
#include "tests/engine/position_ids.h"
#include "tests/support/temp_path.h"

namespace morvik {

namespace {

const std::string kStart = "0,-2,0,0,0,0,5,0,3,0,0,0,-5,5,0,0,0,-3,0,-5,0,0,0,0,2,0";
// The start with one value replaced.
std::string StartWith(int index, const std::string& value) {
  std::string board;
  for (int i = 0; i <= 25; ++i) {
    static const int kValues[26] = {0, -2, 0, 0, 0,  0, 5,  0, 3, 0, 0, 0, -5,
                                    5, 0,  0, 0, -3, 0, -5, 0, 0, 0, 0, 2, 0};
    board += (i ? "," : "") + (i == index ? value : std::to_string(kValues[i]));
  }
  return board;
}

const std::string kHumanDone = "0,-2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
const std::string kComputerDone = "0,0,0,0,0,0,2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
const std::string kBothDone = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";

void WriteFile(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

std::string Repeat(const std::string& line, int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += line;
  return text;
}

// Files and directories the rows refer to as {name}: made once per process,
// removed when it ends.
class Places {
 public:
  Places() {
    WriteFile(paths_["{empty}"], "");
    WriteFile(paths_["{short}"], Repeat("0.25\r\n", 100));
    std::string bytes;
    for (int i = 0; i < 50000; ++i) bytes += static_cast<char>((i * 37 + 11) % 256);
    WriteFile(paths_["{binary}"], bytes);
    WriteFile(paths_["{words}"], Repeat("weight\r\n", 32840));
    WriteFile(paths_["{set}"], "4HPwATDgc/ABMA 27 contact 4HPwATDgc+RBIA=0.1 4HPwATDgc/ARIA=0\n");
    ::mkdir(paths_["{nowhere}"].c_str(), 0700);  // holds no gammon.pc
  }
  ~Places() {
    for (const auto& [name, path] : paths_) std::filesystem::remove(path);
  }
  const std::map<std::string, std::string>& Paths() const { return paths_; }

 private:
  std::map<std::string, std::string> paths_{
      {"{empty}", UniqueTempPath("empty.pc")},   {"{short}", UniqueTempPath("short.pc")},
      {"{binary}", UniqueTempPath("binary.pc")}, {"{words}", UniqueTempPath("words.pc")},
      {"{set}", UniqueTempPath("set.txt")},      {"{nowhere}", UniqueTempPath("no-weights-here")}};
};

const std::map<std::string, std::string>& PlacePaths() {
  static const Places places;
  return places.Paths();
}

std::string Expand(std::string text) {
  for (const auto& [name, path] : PlacePaths()) {
    for (size_t at = text.find(name); at != std::string::npos; at = text.find(name))
      text.replace(at, name.size(), path);
  }
  return text;
}

struct BadInput {
  std::string args;
  std::string says;
  bool inEmptyDirectory = false;  // run where there is no gammon.pc
};

void PrintTo(const BadInput& b, std::ostream* os) {
  *os << b.args;
}

class EngineBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(EngineBadInput, OneLineOnStderrAndStatusTwo) {
  const BadInput& row = GetParam();
  const EngineRun run =
      RunEngine(Expand(row.args), row.inEmptyDirectory ? PlacePaths().at("{nowhere}") : "");
  EXPECT_EQ(run.status, 2) << run.out;
  EXPECT_TRUE(run.out.empty()) << run.out;
  EXPECT_NE(run.err.find(Expand(row.says)), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
}

const std::string kMoves = " --dice 6 5 --side human";
const std::string kBoard = "--board " + kStart;

INSTANTIATE_TEST_SUITE_P(
    Moves, EngineBadInput,
    ::testing::Values(
        BadInput{"moves --board 1,2,3" + kMoves, "--board needs 26 comma-separated values, got 3"},
        BadInput{"moves --board " + kStart + ",0" + kMoves, "got 27"},
        BadInput{"moves --board " + StartWith(24, "3") + kMoves,
                 "the human has 16 checkers (at most 15)"},
        BadInput{"moves --board " + StartWith(1, "-3") + kMoves,
                 "the computer has 16 checkers (at most 15)"},
        BadInput{"moves --board " + StartWith(13, "x") + kMoves,
                 "board value 13 is not an integer: 'x'"},
        BadInput{"moves --board " + StartWith(13, "5x") + kMoves,
                 "board value 13 is not an integer: '5x'"},
        BadInput{"moves --board " + StartWith(13, "5.0") + kMoves,
                 "board value 13 is not an integer: '5.0'"},
        BadInput{"moves --board " + StartWith(2, "") + kMoves,
                 "board value 2 is not an integer: ''"},
        BadInput{"moves --board " + StartWith(6, "16") + kMoves,
                 "board value 6 must lie in -15..15, got 16"},
        BadInput{"moves --board " + StartWith(6, "-16") + kMoves,
                 "board value 6 must lie in -15..15, got -16"},
        BadInput{"moves --board " + StartWith(6, "99999999999") + kMoves,
                 "board value 6 must lie in -15..15, got 99999999999"},
        BadInput{"moves --board " + StartWith(0, "1") + kMoves,
                 "board value 0 (the computer's bar) must be 0 or negative"},
        BadInput{"moves --board " + StartWith(25, "-1") + kMoves,
                 "board value 25 (the human's bar) must be 0 or positive"},
        BadInput{"moves " + kBoard + " --dice 7 5 --side human", "die must lie in 1..6, got 7"},
        BadInput{"moves " + kBoard + " --dice 6 0 --side human", "die must lie in 1..6, got 0"},
        BadInput{"moves " + kBoard + " --dice 6 -1 --side human", "die must lie in 1..6, got -1"},
        BadInput{"moves " + kBoard + " --dice 6x 5 --side human", "die is not an integer: '6x'"},
        BadInput{"moves " + kBoard + " --dice 3 --side human",
                 "option --dice needs 2 values, got 1"},
        BadInput{"moves " + kBoard + " --side human --dice 3",
                 "option --dice needs 2 values, got 1"},
        BadInput{"moves " + kBoard + " --side", "option --side needs 1 value, got 0"},
        BadInput{"moves " + kBoard + " --dice 6 5 --side both",
                 "--side must be human or computer, got 'both'"},
        BadInput{"moves " + kBoard + " --dice 6 5", "missing option --side"},
        BadInput{"moves " + kBoard + " --side human", "missing option --dice"},
        BadInput{"moves" + kMoves, "give --board B or --position-id ID"},
        BadInput{"moves " + kBoard + " --position-id 4HPwATDgc/ABMA" + kMoves,
                 "give either --board or --position-id, not both"},
        BadInput{"moves " + kBoard + " --dice 6 5 --dice 6 5 --side human",
                 "option --dice given twice"},
        BadInput{"moves " + kBoard + kMoves + " --side human", "option --side given twice"},
        BadInput{"moves " + kBoard + " " + kBoard + kMoves, "option --board given twice"},
        BadInput{"moves --frobnicate", "unknown option '--frobnicate'"},
        BadInput{"moves " + kBoard + kMoves + " --lookahead",
                 "option --lookahead does not apply to moves"},
        BadInput{"moves " + kBoard + kMoves + " --weights {short}",
                 "option --weights does not apply to moves"},
        BadInput{"moves --position-id 4HPwATDgc/ABM" + kMoves,
                 "a position ID has 14 characters, got 13"},
        BadInput{"moves --position-id 4HPwATDgc/ABMAA" + kMoves,
                 "a position ID has 14 characters, got 15"},
        BadInput{"moves --position-id 4HPwATDgc/ABM!" + kMoves,
                 "position ID holds an invalid character '!'"},
        BadInput{"moves --position-id 4HPwATDgc-ABMA" + kMoves,
                 "position ID holds an invalid character '-'"},
        BadInput{"moves --position-id " + PositionIdOf({{1, 1}}, {{24, 1}}) + kMoves,
                 "position ID puts both sides on one point"},
        BadInput{"moves --position-id " + PositionIdOf({{6, 16}}, {{6, 1}}) + kMoves,
                 "position ID gives a side more than 15 checkers"},
        BadInput{"moves --position-id " + PositionIdOf({{6, 1}}, {{6, 16}}) + kMoves,
                 "position ID gives a side more than 15 checkers"},
        BadInput{"moves --board " + kHumanDone + kMoves,
                 "the game is over: the human has borne off all 15"},
        BadInput{"moves --board " + kComputerDone + " --dice 6 5 --side computer",
                 "the game is over: the computer has borne off all 15"},
        BadInput{"moves --position-id AAAAAAAAAAAAAA" + kMoves,
                 "the game is over: both sides have borne off all 15"},
        BadInput{"moves --position-id " + PositionIdOf({}, {{6, 1}}) + kMoves,
                 "the game is over: the human has borne off all 15"}));

INSTANTIATE_TEST_SUITE_P(
    Eval, EngineBadInput,
    ::testing::Values(
        BadInput{"eval " + kBoard + " --weights {empty}", "only 0 of 32,840 weights in {empty}"},
        BadInput{"eval " + kBoard + " --weights {short}", "only 100 of 32,840 weights in {short}"},
        BadInput{"eval " + kBoard + " --weights {binary}", " of 32,840 weights in {binary}"},
        BadInput{"eval " + kBoard + " --weights {words}",
                 "32,840 of the 32,840 weights in {words} are not numbers"},
        BadInput{"eval " + kBoard, "no weight file gammon.pc in the working directory", true},
        BadInput{"eval " + kBoard + " --weights /no/such/file",
                 "cannot read weight file '/no/such/file'"},
        BadInput{"eval " + kBoard + " --weights /", "cannot read weight file '/'"},
        BadInput{"eval " + kBoard + " --weights {short} --zero-weights",
                 "give either --weights or --zero-weights, not both"},
        BadInput{"eval " + kBoard + " --weights", "option --weights needs 1 value, got 0"},
        BadInput{"eval " + kBoard + " --weights --zero-weights",
                 "option --weights needs 1 value, got 0"},
        BadInput{"eval " + kBoard + " --dice 6 5", "option --dice does not apply to eval"},
        BadInput{"eval " + kBoard + " --zero-weights --zero-weights",
                 "option --zero-weights given twice"},
        BadInput{"eval --board " + kHumanDone + " --zero-weights", "the game is over"},
        BadInput{"eval --board " + kComputerDone + " --zero-weights", "the game is over"},
        BadInput{"eval --board " + kBothDone + " --zero-weights", "the game is over"},
        BadInput{"eval --position-id " + PositionIdOf({{3, 2}}, {}) + " --zero-weights",
                 "the game is over: the computer has borne off all 15"}));

INSTANTIATE_TEST_SUITE_P(
    PlayAndReply, EngineBadInput,
    ::testing::Values(
        BadInput{"play " + kBoard + " --dice 6 7 --zero-weights", "die must lie in 1..6, got 7"},
        BadInput{"play " + kBoard + " --dice 6 --zero-weights",
                 "option --dice needs 2 values, got 1"},
        BadInput{"play " + kBoard + " --dice 6 5 --weights {short}", "only 100 of 32,840 weights"},
        BadInput{"play " + kBoard + " --dice 6 5", "no weight file gammon.pc", true},
        BadInput{"play " + kBoard + " --dice 6 5 --zero-weights --lookahead --lookahead",
                 "option --lookahead given twice"},
        BadInput{"play " + kBoard + " --dice 6 5 --side human --zero-weights",
                 "option --side does not apply to play"},
        BadInput{"play --board " + kHumanDone + " --dice 6 5 --zero-weights", "the game is over"},
        BadInput{"play --board " + kComputerDone + " --dice 6 5 --zero-weights",
                 "the game is over"},
        BadInput{"reply " + kBoard + " --dice 6 5 --lookahead --zero-weights",
                 "option --lookahead does not apply to reply"},
        BadInput{"reply " + kBoard + " --dice 0 5 --zero-weights", "die must lie in 1..6, got 0"},
        BadInput{"reply " + kBoard + " --dice 6 5 --weights {empty}", "only 0 of 32,840 weights"},
        BadInput{"reply --board " + kHumanDone + " --dice 6 5 --zero-weights", "the game is over"},
        BadInput{"reply --board " + kComputerDone + " --dice 6 5 --zero-weights",
                 "the game is over"}));

INSTANTIATE_TEST_SUITE_P(
    OtherCommands, EngineBadInput,
    ::testing::Values(
        BadInput{"bench --seconds x", "--seconds is not an integer: 'x'"},
        BadInput{"bench --seconds 1.5", "--seconds is not an integer: '1.5'"},
        BadInput{"bench --seconds 601", "--seconds must lie in 0..600, got 601"},
        BadInput{"bench --seconds 99999999999", "--seconds must lie in 0..600, got 99999999999"},
        BadInput{"bench --seconds 1 --seconds 1", "option --seconds given twice"},
        BadInput{"bench --weights {short}", "only 100 of 32,840 weights in {short}"},
        BadInput{"bench --path avx1024", "--path must be sse2, avx2 or avx512"},
        BadInput{"duel --games 3", "--games must be even"},
        BadInput{"duel --games 0", "--games must lie in 2..100000000, got 0"},
        BadInput{"duel --games 2x", "--games is not an integer: '2x'"},
        BadInput{"duel --seed -1", "--seed must lie in 0..2147483647, got -1"},
        BadInput{"duel --seed 2147483648", "--seed must lie in 0..2147483647, got 2147483648"},
        BadInput{"duel --first nobody", "unknown player 'nobody'"},
        BadInput{"duel --first net --second lookahead --games 2 --weights {short}",
                 "only 100 of 32,840 weights"},
        BadInput{"duel --first net --second lookahead --games 2", "no weight file gammon.pc", true},
        BadInput{"duel --dice 6 5", "option --dice does not apply to duel"},
        BadInput{"ubgi --weights {short}", "only 100 of 32,840 weights"},
        BadInput{"ubgi --weights {binary}", "of 32,840 weights in"},
        BadInput{"ubgi", "no weight file gammon.pc", true},
        BadInput{"ubgi --zero-weights --lookahead --lookahead", "option --lookahead given twice"},
        BadInput{"ubgi --zero-weights " + kBoard, "option --board does not apply to ubgi"},
        BadInput{"yardstick --zero-weights --set {nowhere}/none.gz",
                 "cannot read yardstick set '{nowhere}/none.gz'"},
        BadInput{"yardstick --zero-weights --set {empty}", "set '{empty}' holds no turns"},
        BadInput{"yardstick --zero-weights --set {words}",
                 "{words} line 1: a turn needs a position ID, the dice and a kind"},
        BadInput{"yardstick --zero-weights --set {set}", "'27' is not two dice, the larger first"},
        BadInput{"yardstick --zero-weights --against {short}", "only 100 of 32,840 weights"},
        BadInput{"yardstick", "no weight file gammon.pc", true},
        BadInput{"teleport", "unknown command 'teleport'"}));

INSTANTIATE_TEST_SUITE_P(
    Rollout, EngineBadInput,
    ::testing::Values(
        BadInput{"rollout --zero-weights " + kBoard + " --trials 100", "a multiple of 36"},
        BadInput{"rollout --zero-weights " + kBoard + " --trials 0", "--trials must lie in"},
        BadInput{"rollout --zero-weights " + kBoard + " --truncate 0", "--truncate must lie in"},
        BadInput{"rollout --zero-weights " + kBoard + " --threads 0", "--threads must lie in"},
        BadInput{"rollout --zero-weights " + kBoard + " --moves 3", "--moves goes with --dice"},
        BadInput{"rollout --zero-weights " + kBoard + " --dice 7 1", "die must lie in 1..6"},
        BadInput{"rollout --zero-weights", "give --board B or --position-id ID"},
        BadInput{"rollout --zero-weights --board " + kHumanDone, "the game is over"},
        BadInput{"rollout --zero-weights --positions {empty}", "go together"},
        BadInput{"rollout --zero-weights --positions {empty} --output {empty}.out " + kBoard,
                 "--positions labels a file"},
        BadInput{"rollout --zero-weights --positions {empty} --output {empty}.out",
                 "not a positions file"},
        BadInput{"rollout " + kBoard, "no weight file gammon.pc", true}));

}  // namespace

}  // namespace morvik
