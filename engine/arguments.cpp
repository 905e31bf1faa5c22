#include "engine/arguments.h"

#include <charconv>

#include "engine/position_input.h"
#include "net/network.h"
#include "net/weight_file.h"

Arguments::Arguments(int argc, char** argv, int first, const std::vector<OptionRule>& allowed) {
  for (int i = first; i < argc; ++i) {
    const std::string name = argv[i];
    const OptionRule* rule = nullptr;
    for (const OptionRule& s : allowed) {
      if (s.name == name) rule = &s;
    }
    if (rule == nullptr) throw UsageError("unknown option '" + name + "'");
    if (Has(name)) throw UsageError("option " + name + " given twice");
    std::vector<std::string>& values = values_[name];
    for (int v = 0; v < rule->values; ++v) {
      if (i + 1 >= argc)
        throw UsageError("option " + name + " needs " + std::to_string(rule->values) + " value(s)");
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
  if (text.empty() || result.ec != std::errc() || result.ptr != end) {
    throw UsageError(what + " is not an integer: '" + text + "'");
  }
  if (value < low || value > high) {
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
  if (args.Has("--position-id"))
    return ParsePositionId(args.Values("--position-id").front(), moverIsHuman);
  return ParseSignedBoard(args.Values("--board").front());
}

void LoadEngineWeights(const Arguments& args) {
  NetGain = 0.5f;
  InitNetLayout();
  if (!args.Has("--weights")) {
    LoadWeights();
    return;
  }
  const std::string path = args.Values("--weights").front();
  // Only a regular file opens; a device, a FIFO or a directory does not.
  if (!LoadWeightsFrom(path.c_str()).opened)
    throw UsageError("cannot read weight file '" + path + "'");
}

std::string FormatBoard(const SignedBoard& board) {
  std::string text;
  for (int i = 0; i <= 25; ++i) {
    if (i > 0) text += ',';
    text += std::to_string(board[i]);
  }
  return text;
}
