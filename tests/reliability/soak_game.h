// Self-play games through the engine core, both sides chosen by the network,
// with every invariant checked after every move.
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace morvik {

struct SoakTotals {
  long games = 0;
  long plies = 0;
  long lookaheadGames = 0;
  long passes = 0;       // rolls that could not be played
  long cut = 0;          // games stopped unfinished at the move limit
  long wins[2][3] = {};  // [side][plain, gammon, backgammon]
};

struct SoakOptions {
  uint64_t seed = 1;
  int lookaheadEvery = 10;  // every n-th game plays with the look-ahead on
  int maxPlies = 3000;      // a game is cut after this many moves
};

class ComputerPlayer;

// Plays game number `index` (its dice and weights follow from the seed and
// the index alone). Returns an empty string, or a description of the first
// fault found.
std::string PlaySoakGame(ComputerPlayer& player, const SoakOptions& options, long index,
                         SoakTotals& totals);

}  // namespace morvik
