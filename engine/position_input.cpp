#include "engine/position_input.h"

#include <array>
#include <cstdint>

#include "headless/usage_error.h"

namespace morvik {

namespace {
int ParseBoardValue(const std::string& text, int index) {
  return ParseInt(text, -15, 15, "board value " + std::to_string(index));
}

int Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}
}  // namespace

void CheckTotals(const SignedBoard& board) {
  int human = 0;
  int computer = 0;
  for (int i = 0; i <= 25; ++i) {
    if (board[i] > 0) human += board[i];
    if (board[i] < 0) computer -= board[i];
  }
  if (human > kCheckersPerSide) {
    throw UsageError("the human has " + std::to_string(human) + " checkers (at most 15)");
  }
  if (computer > kCheckersPerSide) {
    throw UsageError("the computer has " + std::to_string(computer) + " checkers (at most 15)");
  }
}

SignedBoard ParseSignedBoard(const std::string& text) {
  std::array<std::string, 26> fields;
  size_t count = 0;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    const std::string field =
        text.substr(start, comma == std::string::npos ? comma : comma - start);
    if (count < fields.size()) fields[count] = field;
    ++count;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (count != 26) {
    throw UsageError("--board needs 26 comma-separated values, got " + std::to_string(count));
  }
  SignedBoard board;
  for (int i = 0; i <= 25; ++i) board[i] = ParseBoardValue(fields[static_cast<size_t>(i)], i);
  if (board[0] > 0) throw UsageError("board value 0 (the computer's bar) must be 0 or negative");
  if (board[25] < 0) throw UsageError("board value 25 (the human's bar) must be 0 or positive");
  CheckTotals(board);
  return board;
}

SignedBoard ParsePositionId(const std::string& id, bool moverIsHuman) {
  if (id.size() != 14)
    throw UsageError("a position ID has 14 characters, got " + std::to_string(id.size()));
  std::array<uint8_t, 11> key{};
  int bit = 0;
  for (char c : id) {
    const int v = Base64Value(c);
    if (v < 0) throw UsageError(std::string("position ID holds an invalid character '") + c + "'");
    for (int b = 5; b >= 0; --b, ++bit) {
      if (((v >> b) & 1) != 0)
        key[static_cast<size_t>(bit / 8)] |= static_cast<uint8_t>(0x80 >> (bit % 8));
    }
  }
  // Within each key byte the bits run from the least significant up.
  std::array<std::array<int, 25>, 2> sides{};  // [side][point 0..23, bar 24]
  int pos = 0;
  for (int side = 0; side < 2; ++side) {
    int total = 0;
    for (int point = 0; point < 25; ++point) {
      while (pos < 80 && ((key[static_cast<size_t>(pos / 8)] >> (pos % 8)) & 1) != 0) {
        ++sides[static_cast<size_t>(side)][static_cast<size_t>(point)];
        ++pos;
        if (++total > kCheckersPerSide)
          throw UsageError("position ID gives a side more than 15 checkers");
      }
      if (pos >= 80) throw UsageError("position ID ends before both sides are complete");
      ++pos;
    }
  }
  // The key lists the side not on roll first and the side on roll second (as
  // the IDs that GNU Backgammon shows do). A side's point q is the other's 25 - q.
  SignedBoard board;
  const auto& mover = sides[1];
  const auto& other = sides[0];
  const int moverSign = moverIsHuman ? 1 : -1;
  for (int q = 1; q <= 24; ++q) {
    const int m = mover[static_cast<size_t>(q - 1)];
    const int o = other[static_cast<size_t>(24 - q)];  // the other side's point 25 - q
    if (m > 0 && o > 0) throw UsageError("position ID puts both sides on one point");
    // Human numbering: the human's own point q is index q.
    const int humanIndex = moverIsHuman ? q : 25 - q;
    board[humanIndex] = moverSign * m - moverSign * o;
  }
  const int moverBar = mover[24];
  const int otherBar = other[24];
  board[25] = moverIsHuman ? moverBar : otherBar;
  board[0] = -(moverIsHuman ? otherBar : moverBar);
  CheckTotals(board);
  return board;
}

}  // namespace morvik
