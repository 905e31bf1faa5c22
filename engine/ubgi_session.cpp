#include "engine/ubgi_session.h"

#include <algorithm>

#include "net/network.h"

namespace morvik {

#ifndef MORVIK_VERSION
#define MORVIK_VERSION "1.10"
#endif

namespace {
// Leading NUL bytes (left by relays of socket front ends), blanks and a
// trailing carriage return are not part of the command.
std::string_view Clean(std::string_view line) {
  while (!line.empty() && (line.front() == '\0' || line.front() == ' ' || line.front() == '\t')) {
    line.remove_prefix(1);
  }
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
    line.remove_suffix(1);
  }
  return line;
}

std::string Printable(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size() && i < 40; ++i) {
    out += (text[i] >= 0x20 && text[i] < 0x7f) ? text[i] : '?';
  }
  return text.size() > 40 ? out + "..." : out;
}

void AppendPoint(std::string& text, int point) {
  if (point == kBarRow) {
    text += "bar";
  } else if (point == kOffRow) {
    text += "off";
  } else {
    text += std::to_string(point);
  }
}
}  // namespace

std::string FormatUbgiMove(const MoveEntry& entry) {
  std::string text;
  for (int s = 0; s < entry.Length(); ++s) {
    const CheckerMove& m = entry.slot[static_cast<size_t>(s)];
    if (s > 0) text += ' ';
    AppendPoint(text, m.from);
    text += '/';
    AppendPoint(text, m.to);
  }
  return text;
}

bool UbgiSession::Handle(std::string_view raw, std::string& reply) {
  const std::string_view line = Clean(raw);
  const std::string_view command = line.substr(0, line.find_first_of(" \t"));
  if (line.empty() || command == "stop") return true;
  if (command == "quit") return false;
  if (command == "ubgi") {
    reply +=
        "id name Morvik\nid author the Morvik developers\nid version " MORVIK_VERSION "\nreadyok\n";
  } else if (command == "isready") {
    reply += "readyok\n";
  } else if (line.substr(0, 6) == "board:") {
    FibsBoard board;
    const std::string problem = ParseFibsBoard(line, board);
    reply += problem.empty() ? AnswerBoard(board) : "sorry " + problem;
    reply += '\n';
  } else {
    reply += "sorry unknown command '" + Printable(command) + "'\n";
  }
  return true;
}

std::string UbgiSession::AnswerBoard(const FibsBoard& board) {
  const int side = FibsActingSide(board);
  FibsSideBoards(board, side, engine_, other_);
  if (board.wasDoubled != 0) {
    // The doubler is on roll: the network's value is the engine's, as the
    // side that has just moved.
    return EvaluateBoards(engine_, other_) >= kTakePoint ? "take" : "drop";
  }
  const auto& dice = FibsDice(board, side);
  if (dice[0] == 0) return "roll";  // asked whether to double: it plays cubeless
  const int d1 = std::max(dice[0], dice[1]);
  const int d2 = std::min(dice[0], dice[1]);
  return FormatUbgiMove(
      player_.PlayComputerMove(engine_, other_, lookahead_ ? 1 : 0, d1, d2, sink_));
}

}  // namespace morvik
