// Any text as a --board argument: a UsageError or a sound position.
#include <cstdint>
#include <string>

#include "engine/arguments.h"
#include "engine/position_input.h"
#include "fuzz/position_check.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  SignedBoard board;
  try {
    board = ParseSignedBoard(text);
  } catch (const UsageError&) {
    return 0;
  }
  Require(ParseSignedBoard(FormatBoard(board)) == board,
          "the formatted board reads back differently");
  CheckAcceptedPosition(board, data, size);
  return 0;
}
