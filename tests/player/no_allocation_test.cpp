// A computer move allocates nothing: every global operator new in this
// program is counted while moves are played.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>

#include "net/batch_forward.h"
#include "player/computer_player.h"
#include "tests/player/test_net.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};
}  // namespace

}  // namespace morvik

using namespace morvik;

void* operator new(std::size_t size) {
  if (gCounting) ++gAllocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

// Every vector path the processor has: the batched evaluation behind the
// scoring, the best replies and the look-ahead allocates nothing on any.
TEST(NoAllocation, ComputerMovesWithAndWithoutLookAhead) {
  RandomNet(5);
  std::mt19937 rng(17);
  const std::vector<SignedBoard> positions = RandomPlayPositions(rng, 12);
  auto player = std::make_unique<ComputerPlayer>(gPackedNet);
  NullSink sink;
  for (NetPath path : {NetPath::kSse2, NetPath::kAvx2, NetPath::kAvx512}) {
    if (path > BestNetPath()) continue;
    ForceNetPath(path);
    long lookAheadMoves = 0;
    for (int lookahead = 0; lookahead <= 1; ++lookahead) {
      for (const SignedBoard& board : positions) {
        for (int d1 = 1; d1 <= 6; d1 += 2) {
          BoardPosition p = PositionFor(board, false);
          const long before = player->LookAheads();
          gAllocations = 0;
          gCounting = true;
          player->PlayComputerMove(p.own, p.opponent, lookahead, 6, d1, sink);
          gCounting = false;
          EXPECT_EQ(gAllocations.load(), 0) << NetPathName(path);
          lookAheadMoves += player->LookAheads() - before;
        }
      }
    }
    EXPECT_GT(lookAheadMoves, 0);  // the look-ahead really ran
  }
  ForceNetPath(BestNetPath());
}

}  // namespace
