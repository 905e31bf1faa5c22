#include "engine/arguments.h"

#include <charconv>
#include <cstring>

#include "engine/position_input.h"
#include "net/network.h"
#include "net/weight_file.h"

namespace {
// Every option of every command, to tell an option given to the wrong command
// from a word that is no option at all.
const char* const kAllOptions[] = {"--board",   "--position-id",  "--dice",      "--side",
                                   "--weights", "--zero-weights", "--lookahead", "--seconds",
                                   "--first",   "--second",       "--games",     "--seed",
                                   "--pubeval", "--quiet",        "--path"};

bool IsOptionName(const std::string& word) {
  for (const char* name : kAllOptions) {
    if (word == name) return true;
  }
  return false;
}

std::string ValueCount(int n) {
  return std::to_string(n) + (n == 1 ? " value" : " values");
}
}  // namespace

Arguments::Arguments(int argc, char** argv, int first, const std::vector<OptionRule>& allowed) {
  const std::string command = first > 1 ? argv[first - 1] : "this command";
  for (int i = first; i < argc; ++i) {
    const std::string name = argv[i];
    const OptionRule* rule = nullptr;
    for (const OptionRule& s : allowed) {
      if (s.name == name) rule = &s;
    }
    if (rule == nullptr && IsOptionName(name))
      throw UsageError("option " + name + " does not apply to " + command);
    if (rule == nullptr) throw UsageError("unknown option '" + name + "'");
    if (Has(name)) throw UsageError("option " + name + " given twice");
    std::vector<std::string>& values = values_[name];
    for (int v = 0; v < rule->values; ++v) {
      if (i + 1 >= argc || IsOptionName(argv[i + 1])) {
        throw UsageError("option " + name + " needs " + ValueCount(rule->values) + ", got " +
                         std::to_string(v));
      }
      values.emplace_back(argv[++i]);
    }
  }
}

const std::vector<std::string>& Arguments::Values(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) throw UsageError("missing option " + name);
  return it->second;
}

std::string Arguments::Value(const std::string& name, const std::string& fallback) const {
  return Has(name) ? Values(name).front() : fallback;
}

int ParseInt(const std::string& text, int low, int high, const std::string& what) {
  int value = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  const auto result = std::from_chars(begin, end, value);
  const bool tooLarge = result.ec == std::errc::result_out_of_range;
  if (text.empty() || result.ptr != end || (result.ec != std::errc() && !tooLarge)) {
    throw UsageError(what + " is not an integer: '" + text + "'");
  }
  if (tooLarge || value < low || value > high) {
    throw UsageError(what + " must lie in " + std::to_string(low) + ".." + std::to_string(high) +
                     ", got " + text);
  }
  return value;
}

void ParseDice(const Arguments& args, int& d1, int& d2) {
  const auto& dice = args.Values("--dice");
  d1 = ParseInt(dice[0], 1, 6, "die");
  d2 = ParseInt(dice[1], 1, 6, "die");
}

bool ParseSideIsHuman(const Arguments& args) {
  const std::string side = args.Values("--side").front();
  if (side == "human") return true;
  if (side == "computer") return false;
  throw UsageError("--side must be human or computer, got '" + side + "'");
}

SignedBoard ParsePosition(const Arguments& args, bool moverIsHuman) {
  if (args.Has("--board") && args.Has("--position-id")) {
    throw UsageError("give either --board or --position-id, not both");
  }
  if (!args.Has("--board") && !args.Has("--position-id"))
    throw UsageError("give --board B or --position-id ID");
  const SignedBoard board =
      args.Has("--position-id")
          ? ParsePositionId(args.Values("--position-id").front(), moverIsHuman)
          : ParseSignedBoard(args.Values("--board").front());
  CheckGameGoesOn(board);
  return board;
}

namespace {
// 32840 -> "32,840".
std::string Grouped(int n) {
  const std::string digits = std::to_string(n);
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}
}  // namespace

void CheckWeightReport(const WeightFileReport& report, const std::string& path) {
  if (!report.opened) throw UsageError("cannot read weight file '" + path + "'");
  if (report.numbers < kWeightCount) {
    throw UsageError("only " + Grouped(report.numbers) + " of " + Grouped(kWeightCount) +
                     " weights in " + path);
  }
  if (report.malformed > 0) {
    throw UsageError(Grouped(report.malformed) + " of the " + Grouped(kWeightCount) +
                     " weights in " + path + " are not numbers");
  }
}

void LoadEngineWeights(const Arguments& args) {
  NetGain = 0.5f;
  InitNetLayout();
  if (args.Has("--zero-weights")) {
    if (args.Has("--weights"))
      throw UsageError("give either --weights or --zero-weights, not both");
    std::memset(NetWeights, 0, sizeof NetWeights);
    PackNetWeights();
    return;
  }
  const std::string path = args.Value("--weights", "gammon.pc");
  // Only a regular file opens; a device, a FIFO or a directory does not.
  const WeightFileReport report = LoadWeightsFrom(path.c_str());
  if (!report.opened && !args.Has("--weights")) {
    throw UsageError("no weight file gammon.pc in the working directory (give --weights F)");
  }
  CheckWeightReport(report, path);
}

void CheckGameGoesOn(const SignedBoard& board) {
  int human = 0;
  int computer = 0;
  for (int i = 0; i <= 25; ++i) {
    if (board[i] > 0) human += board[i];
    if (board[i] < 0) computer -= board[i];
  }
  if (human == 0 && computer == 0)
    throw UsageError("the game is over: both sides have borne off all 15 checkers");
  if (human == 0) throw UsageError("the game is over: the human has borne off all 15 checkers");
  if (computer == 0)
    throw UsageError("the game is over: the computer has borne off all 15 checkers");
}

std::string FormatBoard(const SignedBoard& board) {
  std::string text;
  for (int i = 0; i <= 25; ++i) {
    if (i > 0) text += ',';
    text += std::to_string(board[i]);
  }
  return text;
}
