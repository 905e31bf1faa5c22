#include "engine/fibs_board.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace morvik {

namespace {
struct IntField {
  int* target;
  int low;
  int high;
  const char* name;
};

constexpr int kAny = 1 << 30;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Short and printable, for quoting a bad field back.
std::string Quote(std::string_view text) {
  std::string out = "'";
  for (size_t i = 0; i < text.size() && i < 20; ++i) {
    const char c = text[i];
    out += (c >= 0x20 && c < 0x7f) ? c : '?';
  }
  if (text.size() > 20) out += "...";
  return out + "'";
}

bool ReadInt(std::string_view text, int& value) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// Splits at the colons; returns the number of fields, storing at most 53.
int SplitFields(std::string_view line, std::array<std::string_view, kFibsFieldCount>& fields) {
  int count = 0;
  while (true) {
    const size_t colon = line.find(':');
    if (count < kFibsFieldCount) fields[static_cast<size_t>(count)] = line.substr(0, colon);
    ++count;
    if (colon == std::string_view::npos) return count;
    line.remove_prefix(colon + 1);
  }
}

std::string ReadFields(const std::array<std::string_view, kFibsFieldCount>& fields, FibsBoard& b) {
  IntField table[kFibsFieldCount - 3] = {
      {&b.matchLength, 0, kAny, "match length"},
      {&b.score[0], 0, kAny, "score"},
      {&b.score[1], 0, kAny, "score"},
  };
  int n = 3;
  for (int& cell : b.cells) table[n++] = {&cell, -15, 15, "board cell"};
  const IntField rest[] = {{&b.turn, -1, 1, "turn"},
                           {&b.dice[0], 0, 6, "die"},
                           {&b.dice[1], 0, 6, "die"},
                           {&b.opponentDice[0], 0, 6, "opponent's die"},
                           {&b.opponentDice[1], 0, 6, "opponent's die"},
                           {&b.cube, 1, kAny, "cube"},
                           {&b.mayDouble[0], 0, 1, "may-double"},
                           {&b.mayDouble[1], 0, 1, "may-double"},
                           {&b.wasDoubled, 0, 1, "was-doubled"},
                           {&b.colour, -1, 1, "colour"},
                           {&b.direction, -1, 1, "direction"},
                           {&b.home, 0, 25, "home"},
                           {&b.bar, 0, 25, "bar"},
                           {&b.onHome[0], 0, 15, "checkers home"},
                           {&b.onHome[1], 0, 15, "checkers home"},
                           {&b.onBar[0], 0, 15, "checkers on the bar"},
                           {&b.onBar[1], 0, 15, "checkers on the bar"},
                           {&b.canMove, 0, 4, "can-move"},
                           {&b.forcedMove, -kAny, kAny, "forced-move"},
                           {&b.didCrawford, -kAny, kAny, "did-crawford"},
                           {&b.redoubles, -kAny, kAny, "redoubles"}};
  for (const IntField& f : rest) table[n++] = f;
  for (int i = 0; i < n; ++i) {
    const IntField& f = table[i];
    const std::string_view text = fields[static_cast<size_t>(i + 3)];
    if (!ReadInt(text, *f.target)) {
      const int cell = i - 3;
      const std::string what =
          cell >= 0 && cell < 26 ? "board cell " + std::to_string(cell) : std::string(f.name);
      return "field " + std::to_string(i + 3) + " (" + what + ") is not an integer: " + Quote(text);
    }
    if (*f.target < f.low || *f.target > f.high) {
      return std::string(f.name) + " " + std::to_string(*f.target) + " outside " +
             std::to_string(f.low) + ".." + std::to_string(f.high);
    }
  }
  return "";
}

std::string CheckOrientation(const FibsBoard& b) {
  if (b.colour == 0) return "colour must be 1 or -1";
  if (b.direction == 0) return "direction must be 1 or -1";
  const int home = b.direction < 0 ? 0 : 25;
  if (b.home != home || b.bar != 25 - home) {
    return "home " + std::to_string(b.home) + " and bar " + std::to_string(b.bar) +
           " do not fit direction " + std::to_string(b.direction);
  }
  return "";
}

std::string CheckSide(const FibsBoard& b, int side) {
  const char* who = side == 0 ? "the first player" : "the second player";
  int inPlay = 0;
  for (int p = 1; p <= kBarRow; ++p) inPlay += FibsCheckers(b, side, p);
  if (inPlay > kCheckersPerSide) {
    return std::string(who) + " has " + std::to_string(inPlay) + " checkers (at most 15)";
  }
  const int home = b.onHome[static_cast<size_t>(side)];
  if (inPlay + home != kCheckersPerSide) {
    return std::string(who) + " has " + std::to_string(inPlay) + " checkers in play and " +
           std::to_string(home) + " borne off (must make 15)";
  }
  if (inPlay == 0) return "the game is over";
  return "";
}

std::string CheckDice(const FibsBoard& b) {
  if (b.turn == 0) return "the game is over";
  const int roller = b.turn == b.colour ? 0 : 1;
  const auto& dice = FibsDice(b, roller);
  const bool rolled = dice[0] != 0 && dice[1] != 0;
  if (!rolled && (dice[0] != 0 || dice[1] != 0)) {
    return "one die is 0: the dice must both be 1..6, or 0 0 before the roll";
  }
  if (rolled && b.wasDoubled != 0) return "the cube was offered after the roll";
  return "";
}
}  // namespace

int FibsActingSide(const FibsBoard& b) {
  const int roller = b.turn == b.colour ? 0 : 1;
  return b.wasDoubled != 0 ? 1 - roller : roller;
}

const std::array<int, 2>& FibsDice(const FibsBoard& b, int side) {
  return side == 0 ? b.dice : b.opponentDice;
}

int FibsCheckers(const FibsBoard& b, int side, int ownPoint) {
  const bool first = side == 0;
  if (ownPoint == kBarRow) {
    return std::abs(b.cells[static_cast<size_t>(first ? b.bar : 25 - b.bar)]);
  }
  const bool downwards = (b.direction < 0) == first;  // this side moves from cell 24 to 1
  const int cell = downwards ? ownPoint : 25 - ownPoint;
  const int value = b.cells[static_cast<size_t>(cell)] * (first ? b.colour : -b.colour);
  return value > 0 ? value : 0;
}

std::string ParseFibsBoard(std::string_view line, FibsBoard& board) {
  std::array<std::string_view, kFibsFieldCount> fields;
  const int count = SplitFields(line, fields);
  if (count != kFibsFieldCount) {
    return "a board needs " + std::to_string(kFibsFieldCount) + " fields, got " +
           std::to_string(count);
  }
  if (Trim(fields[0]) != "board") return "a board starts with 'board:'";
  board = FibsBoard{};
  std::string problem = ReadFields(fields, board);
  if (problem.empty()) problem = CheckOrientation(board);
  if (!problem.empty()) return problem;
  problem = CheckDice(board);
  for (int side = 0; side < 2 && problem.empty(); ++side) problem = CheckSide(board, side);
  return problem;
}

void FibsSideBoards(const FibsBoard& board, int side, SideBoard& mover, SideBoard& other) {
  for (int s = 0; s < 2; ++s) {
    SideBoard& target = s == side ? mover : other;
    target = SideBoard{};
    int inPlay = 0;
    for (int row = 1; row <= kBarRow; ++row) {
      const int n = std::min(FibsCheckers(board, s, row), kCheckersPerSide - inPlay);
      inPlay += n;
      for (int slot = 1; slot <= n; ++slot) target.Slot(row, slot) = 1;
    }
    for (int slot = 1; slot <= kCheckersPerSide - inPlay; ++slot) target.Slot(kOffRow, slot) = 1;
  }
}

}  // namespace morvik
