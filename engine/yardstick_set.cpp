#include "engine/yardstick_set.h"

#include <zlib.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "engine/position_input.h"
#include "headless/usage_error.h"

namespace morvik {

namespace {
double ReadEquity(const std::string& text, const std::string& where) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(value) || std::fabs(value) > 3.0)
    throw UsageError(where + ": '" + text + "' is not an equity");
  return value;
}

YardstickTurn ReadTurn(const std::string& line, const std::string& where) {
  std::istringstream fields(line);
  YardstickTurn turn;
  std::string dice;
  if (!(fields >> turn.id >> dice >> turn.kind))
    throw UsageError(where + ": a turn needs a position ID, the dice and a kind");
  if (dice.size() != 2 || dice[0] < '1' || dice[0] > '6' || dice[1] < '1' || dice[1] > dice[0])
    throw UsageError(where + ": '" + dice + "' is not two dice, the larger first");
  turn.d1 = dice[0] - '0';
  turn.d2 = dice[1] - '0';
  try {
    turn.board = ParsePositionId(turn.id, false);
    for (std::string move; fields >> move;) {
      const size_t equals = move.find('=');
      if (equals == std::string::npos) throw UsageError("'" + move + "' is not RESULT=EQUITY");
      YardstickMove m;
      m.result = ParsePositionId(move.substr(0, equals), false);
      const std::string figures = move.substr(equals + 1);
      const size_t slash = figures.find('/');
      m.twoPly = slash != std::string::npos;
      m.equity = ReadEquity(m.twoPly ? figures.substr(slash + 1) : figures, where);
      if (m.twoPly) ReadEquity(figures.substr(0, slash), where);
      if (turn.moves.empty() || m.equity > turn.best) turn.best = m.equity;
      turn.moves.push_back(m);
    }
  } catch (const UsageError& e) {
    if (std::string(e.what()).rfind(where, 0) == 0) throw;
    throw UsageError(where + ": " + e.what());
  }
  if (turn.moves.size() < 2) throw UsageError(where + ": a turn needs two moves or more");
  return turn;
}
}  // namespace

std::vector<YardstickTurn> ReadYardstick(const std::string& path) {
  // gzopen reads a plain file as it is.
  const std::unique_ptr<gzFile_s, int (*)(gzFile)> file(gzopen(path.c_str(), "rb"), gzclose);
  if (!file) throw UsageError("cannot read yardstick set '" + path + "'");
  std::vector<YardstickTurn> turns;
  std::string line;
  int number = 0;
  char buffer[4096];
  bool complete = true;
  while (gzgets(file.get(), buffer, sizeof buffer) != nullptr) {
    if (complete) ++number;
    line += buffer;
    complete = !line.empty() && line.back() == '\n';
    if (!complete && !gzeof(file.get())) continue;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (!line.empty()) turns.push_back(ReadTurn(line, path + " line " + std::to_string(number)));
    line.clear();
    complete = true;
  }
  int error = Z_OK;
  gzerror(file.get(), &error);
  if (error != Z_OK && error != Z_STREAM_END)
    throw UsageError("cannot read yardstick set '" + path + "': damaged");
  if (turns.empty()) throw UsageError("yardstick set '" + path + "' holds no turns");
  return turns;
}

const YardstickMove* FindMove(const YardstickTurn& turn, const SignedBoard& result) {
  for (const YardstickMove& move : turn.moves) {
    if (move.result == result) return &move;
  }
  return nullptr;
}

MeanInterval Summarise(const std::vector<double>& values) {
  MeanInterval s;
  s.count = static_cast<int>(values.size());
  if (s.count == 0) return s;
  for (double v : values) s.mean += v;
  s.mean /= s.count;
  if (s.count < 2) return s;
  double squares = 0;
  for (double v : values) squares += (v - s.mean) * (v - s.mean);
  s.half = 1.96 * std::sqrt(squares / (s.count - 1) / s.count);
  return s;
}

}  // namespace morvik
