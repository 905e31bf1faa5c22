"""Runs inside GNU Backgammon (gnubg -t -p): reads saved matches of Morvik
against gnubg and writes, for each of Morvik's turns with a real choice
(more than one legal move reaching different positions), a line of the
yardstick set: gnubg's cubeless money equity, for the side on roll, of
every legal move at 0-ply, and of the best ones again at 2-ply.

A line: position ID (the side on roll second, as gnubg shows it), the dice
(larger first), gnubg's kind of position (contact, crashed, race, bear-off),
then each move as RESULT=EQ0 or RESULT=EQ0/EQ2, best first by the finest
figure: RESULT is the position ID after the move, the mover still listed
second; EQ0 and EQ2 are equities with four decimals.

Its settings come from the environment (scripts/make-yardstick.sh sets them):
YS_MATCHES (sgf files, separated by ':'), YS_OUT (the file to write),
YS_SHARD and YS_SHARDS (this process takes turn k of every n, from 0),
YS_TOP (moves re-evaluated at 2-ply, 12), YS_WINDOW (only those within this
much equity of the best at 0-ply, 0.16), YS_PLAYER (whose turns, Morvik)."""
import os
import sys

if __name__ == "__main__" and set(sys.argv[1:]) & {"-h", "--help"}:
    print(__doc__)
    sys.exit(0)

import gnubg  # noqa: E402 (only inside gnubg)

KINDS = {4: "bear-off", 5: "bear-off", 6: "bear-off", 7: "bear-off",
         8: "race", 9: "crashed", 10: "contact"}
BAR = 24


def step(board, start, die):
    """The board after the mover's checker on index `start` (0..23 its own
    points 1..24, 24 the bar) moves `die` pips, or None when it cannot."""
    other, mine = board
    if mine[start] == 0 or (mine[BAR] > 0 and start != BAR):
        return None
    target = start - die
    if target < 0:
        if any(mine[i] for i in range(6, 25)):
            return None  # bearing off needs every checker home
        if target < -1 and any(mine[i] for i in range(start + 1, 6)):
            return None  # a larger die bears off only from the highest point
    elif other[23 - target] >= 2:
        return None
    mine = list(mine)
    other = list(other)
    mine[start] -= 1
    if target >= 0:
        mine[target] += 1
        if other[23 - target] == 1:
            other[23 - target] = 0
            other[BAR] += 1
    return (tuple(other), tuple(mine))


def legal_results(board, d1, d2):
    """The distinct positions the mover can reach with the dice, each used
    as fully as the rules demand."""
    orders = [[d1] * 4] if d1 == d2 else [[d1, d2], [d2, d1]]
    reached = {}  # position -> (dice used, larger die used first alone)

    def walk(position, dice, used, first):
        moved = False
        if dice:
            for start in range(25):
                after = step(position, start, dice[0])
                if after is not None:
                    moved = True
                    walk(after, dice[1:], used + 1, first if used else dice[0])
        if not moved and used:
            best = reached.get(position)
            if best is None or (used, first) > best:
                reached[position] = (used, first)

    for dice in orders:
        walk(board, dice, 0, 0)
    if not reached:
        return []
    most = max(used for used, _ in reached.values())
    results = [p for p, (used, _) in reached.items() if used == most]
    if d1 != d2 and most == 1:
        larger = [p for p, (_, die) in reached.items() if die == max(d1, d2)]
        results = larger or results
    return results


def equity(result, context, cube):
    """The mover's cubeless equity after its move: the other side is on roll."""
    other, mine = result
    if sum(mine) == 0:
        if sum(other[:24]) + other[BAR] < 15:
            return 1.0
        return 3.0 if other[BAR] or any(other[18:24]) else 2.0
    return -gnubg.evaluate((mine, other), cube, context)[5]


def turns(paths, player):
    for path in paths:
        gnubg.command(f"load match {path}")
        match = gnubg.match(analysis=0, boards=1, statistics=0, verbose=0)
        me = None
        for letter in ("X", "O"):
            if match["match-info"].get(letter, {}).get("name") == player:
                me = letter
        if me is None:
            sys.exit(f"yardstick: {path} has no player called {player}")
        for game in match["games"]:
            for record in game["game"]:
                if record.get("action") == "move" and record.get("player") == me:
                    yield record["board"], tuple(sorted(record["dice"], reverse=True))


def main():
    paths = [p for p in os.environ.get("YS_MATCHES", "").split(":") if p]
    shard = int(os.environ.get("YS_SHARD", "0"))
    shards = int(os.environ.get("YS_SHARDS", "1"))
    top = int(os.environ.get("YS_TOP", "12"))
    window = float(os.environ.get("YS_WINDOW", "0.16"))
    out_path = os.environ.get("YS_OUT", "yardstick.txt")
    cube = gnubg.cubeinfo(1, -1, 0, 0, (0, 0), 0, 0)
    ply0 = gnubg.evalcontext(0, 0, 1, 1, 0.0)
    ply2 = gnubg.evalcontext(0, 2, 1, 1, 0.0)
    index = -1
    written = 0
    with open(out_path, "w") as out:
        for position_id, (d1, d2) in turns(paths, os.environ.get("YS_PLAYER", "Morvik")):
            board = gnubg.positionfromid(position_id)
            results = legal_results(board, d1, d2)
            if len(results) < 2:
                continue
            index += 1
            if index % shards != shard:
                continue
            scored = sorted(((equity(r, ply0, cube), r) for r in results),
                            key=lambda e: -e[0])
            fields = []
            for rank, (eq0, result) in enumerate(scored):
                eq2 = None
                if rank < top and scored[0][0] - eq0 <= window:
                    eq2 = equity(result, ply2, cube)
                fields.append((eq0 if eq2 is None else eq2, gnubg.positionid(result), eq0, eq2))
            fields.sort(key=lambda f: -f[0])
            kind = KINDS.get(gnubg.classifypos(board, 0), "other")
            moves = " ".join(f"{rid}={eq0:.4f}" + ("" if eq2 is None else f"/{eq2:.4f}")
                             for _, rid, eq0, eq2 in fields)
            out.write(f"{position_id} {d1}{d2} {kind} {moves}\n")
            written += 1
            if written % 100 == 0:
                print(f"yardstick: shard {shard}: {written} turns", file=sys.stderr, flush=True)
    print(f"yardstick: shard {shard}: {written} turns written to {out_path}", file=sys.stderr)


main()
