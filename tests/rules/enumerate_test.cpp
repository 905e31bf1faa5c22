#include "rules/enumerate.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "rules/move_list.h"
#include "rules/notation.h"
#include "tests/support/positions.h"

namespace morvik {

namespace {

struct Case {
  const char* name;
  SignedBoard board;
  int d1, d2;
  int entries;
  int usable;
  const char* first;  // the first entry, or "" for none
};

std::string EntryText(const MoveEntry& e) {
  TextLine line;
  for (int s = 0; s < e.Length(); ++s) AppendMove(line, e.slot[static_cast<size_t>(s)]);
  return std::string(line.View());
}

// Counts worked out by hand; the human moves.
const Case kCases[] = {
    {"opening 6-5", StartingPosition(), 6, 5, 8, 2, "8/2 8/3 "},
    {"bar, both entry points blocked", Board({{25, 1}, {6, 14}, {19, -2}, {20, -2}, {1, -11}}), 6,
     5, 0, 0, ""},
    {"only the larger die alone", Board({{13, 1}, {2, -2}, {24, -13}}), 6, 5, 1, 1, "13/7 "},
    {"only the smaller die alone", Board({{13, 1}, {2, -2}, {7, -2}, {24, -11}}), 6, 5, 1, 1,
     "13/8 "},
    {"one checker, both routes kept", Board({{13, 1}, {24, -15}}), 6, 5, 2, 2, "13/7 7/2 "},
    {"same two bear-offs in both orders", Board({{3, 1}, {2, 1}, {24, -15}}), 5, 6, 2, 2,
     "3/Off 2/Off "},
    {"equal moves: the swap goes", Board({{1, 2}, {24, -15}}), 6, 5, 1, 2, "1/Off 1/Off "},
    {"doublet: enter, then blocked", Board({{25, 1}, {6, 14}, {3, -2}, {19, -2}, {1, -11}}), 3, 3,
     1, 1, "B/22 "},
    {"doublet: two entries, then on", Board({{25, 2}, {1, -15}}), 2, 2, 2, 4,
     "B/23 B/23 23/21 21/19 "},
    {"doublet: one move only", Board({{10, 1}, {2, -2}, {24, -13}}), 4, 4, 1, 1, "10/6 "},
    {"doublet: two moves only", Board({{14, 1}, {2, -2}, {24, -13}}), 4, 4, 1, 2, "14/10 10/6 "},
    {"doublet: bear off all four", Board({{1, 4}, {24, -15}}), 6, 6, 1, 4,
     "1/Off 1/Off 1/Off 1/Off "},
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class EnumerateTable : public ::testing::TestWithParam<Case> {};

TEST_P(EnumerateTable, CountsAndFirstEntry) {
  const Case& c = GetParam();
  auto list = std::make_unique<MoveList>();
  BoardPosition p = PositionFor(c.board, true);
  const BoardPosition before = p;
  const int usable = EnumerateMoves(p.own, p.opponent, c.d1, c.d2, *list);
  EXPECT_EQ(list->count, c.entries);
  EXPECT_EQ(usable, c.usable);
  EXPECT_EQ(list->usable, c.usable);
  EXPECT_EQ(p, before);
  if (c.entries > 0) {
    EXPECT_EQ(EntryText((*list)[0]), c.first);
  }
}

INSTANTIATE_TEST_SUITE_P(HandWorked, EnumerateTable, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           std::string n;
                           for (const char* s = info.param.name; *s != 0; ++s)
                             n += std::isalnum(*s) ? *s : '_';
                           return n;
                         });

TEST(Enumerate, WholeEntriesEndWithTheMarkerAndZeros) {
  auto list = std::make_unique<MoveList>();
  BoardPosition p = PositionFor(Board({{10, 1}, {2, -2}, {24, -13}}), true);
  EnumerateMoves(p.own, p.opponent, 4, 4, *list);
  const MoveEntry& e = (*list)[0];
  EXPECT_EQ(e.slot[1], (CheckerMove{kEndMarker, 0, 0}));
  EXPECT_EQ(e.slot[2], (CheckerMove{0, 0, 0}));
  EXPECT_EQ(e.slot[3], (CheckerMove{0, 0, 0}));
}

TEST(Enumerate, OpeningSixFiveHasNoSwappedPair) {
  auto list = std::make_unique<MoveList>();
  BoardPosition p = PositionFor(StartingPosition(), true);
  EnumerateMoves(p.own, p.opponent, 6, 5, *list);
  for (int i = 0; i < list->count; ++i) {
    for (int j = i + 1; j < list->count; ++j) {
      const MoveEntry &a = (*list)[i], &b = (*list)[j];
      EXPECT_FALSE(a.slot[0] == b.slot[1] && a.slot[1] == b.slot[0]) << i << " " << j;
    }
  }
}

}  // namespace

}  // namespace morvik
