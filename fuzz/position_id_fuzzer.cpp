// Any text as a --position-id argument, for either side on roll: a
// UsageError or a sound position. The first byte picks the side.
#include <cstdint>
#include <string>

#include "engine/arguments.h"
#include "engine/position_input.h"
#include "fuzz/position_check.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool moverIsHuman = (data[0] & 1) != 0;
  const std::string id(reinterpret_cast<const char*>(data) + 1, size - 1);
  SignedBoard board;
  try {
    board = ParsePositionId(id, moverIsHuman);
  } catch (const UsageError&) {
    return 0;
  }
  SignedBoard other;
  try {
    other = ParsePositionId(id, !moverIsHuman);
  } catch (const UsageError&) {
    Require(false, "an ID accepted for one side on roll is refused for the other");
  }
  // The other side on roll is the same checkers seen from the other side.
  for (int p = 1; p <= 24; ++p) Require(other[25 - p] == -board[p], "the sides do not mirror");
  Require(other[25] == -board[0] && other[0] == -board[25], "the bars do not mirror");
  CheckAcceptedPosition(board, data, size);
  return 0;
}
