"""Runs inside GNU Backgammon (gnubg -t -p): plays cubeless single games of
Morvik, connected as an external player, against gnubg at a fixed level,
saves the match, checks the record and prints the figures.

Its settings come from the environment (scripts/vs-gnubg.sh sets them):
VS_GAMES, VS_PORT, VS_SEED, VS_PLIES, VS_ANALYSE, VS_ANALYSE_PLIES, VS_MATCH,
VS_ENGINE (for checking no-move records), VS_SUMMARY (a file for the
figures, read by the test command)."""
import math
import os
import subprocess
import sys

if __name__ == "__main__" and set(sys.argv[1:]) & {"-h", "--help"}:
    print(__doc__)
    sys.exit(0)

import gnubg  # noqa: E402 (only inside gnubg)

MORVIK = "Morvik"
OPPONENT = "gnubg"

# gnubg's position classes: 0 game over, 1-3 hypergammon, 4-7 bear-off
# databases, 8 race, 9 crashed, 10 contact.
KINDS = {4: "bear-off", 5: "bear-off", 6: "bear-off", 7: "bear-off",
         8: "race", 9: "crashed", 10: "contact"}


def env(name, default):
    return os.environ.get(name, default)


def run(command):
    """Runs one gnubg command; gnubg reports its own errors on stdout."""
    gnubg.command(command)


def setup(port, seed, plies):
    for command in (
            f"set seed {seed}",
            f"set player 0 external localhost:{port}",
            f"set player 0 name {MORVIK}",
            "set player 1 gnubg",
            f"set player 1 name {OPPONENT}",
            f"set player 1 chequerplay evaluation plies {plies}",
            "set player 1 chequerplay evaluation noise 0",
            "set player 1 chequerplay evaluation cubeful off",
            "set cube use off",
            "set jacoby off",
            "set crawford off",
            "set automatic game off",
            "set automatic roll on",
            "set display off"):
        run(command)


def letters(match):
    """Which record letter (X or O) belongs to Morvik."""
    info = match["match-info"]
    for letter in ("X", "O"):
        if info.get(letter, {}).get("name") == MORVIK:
            return letter, "O" if letter == "X" else "X"
    sys.exit("vs-gnubg: the saved match has no player called " + MORVIK)


def interval(values):
    n = len(values)
    mean = sum(values) / n
    if n < 2:
        return mean, float("nan")
    var = sum((v - mean) ** 2 for v in values) / (n - 1)
    return mean, 1.96 * math.sqrt(var / n)


def results(match, me):
    """Points per game from Morvik's side: +1/+2/+3 won, -1/-2/-3 lost."""
    points = []
    for game in match["games"]:
        info = game["info"]
        won = info["points-won"]
        if info["winner"] is None or won is None:
            continue  # an unfinished last game is not counted
        points.append(won if info["winner"] == me else -won)
    return points


def forced(engine, position_id, dice):
    """True when the side on roll has no legal play with these dice."""
    out = subprocess.run(
        [engine, "moves", "--position-id", position_id, "--dice", str(dice[0]),
         str(dice[1]), "--side", "human"], capture_output=True, text=True)
    if out.returncode != 0:
        sys.exit(f"vs-gnubg: morvik-engine moves failed on {position_id}: {out.stderr.strip()}")
    return out.stdout.split()[3] == "0"  # "entries N usable U"


def check_no_moves(match, me, engine):
    """gnubg records an illegal or unreadable external answer as a move that
    moves nothing; every such record of Morvik's must be a forced pass."""
    unforced = 0
    for game in match["games"]:
        for record in game["game"]:
            if record.get("action") != "move" or record.get("player") != me:
                continue
            if not record.get("move") and not forced(engine, record["board"], record["dice"]):
                unforced += 1
                print(f"vs-gnubg: Morvik recorded as not moving with {record['dice']} "
                      f"in {record['board']}, where a play exists", file=sys.stderr)
    return unforced


def error_rates(match, me):
    """Equity lost per unforced move (millipoints), overall and by kind."""
    lost = {}
    count = {}
    for game in match["games"]:
        for record in game["game"]:
            analysis = record.get("analysis")
            if record.get("action") != "move" or record.get("player") != me or not analysis:
                continue
            moves = analysis.get("moves", ())
            if len(moves) < 2 or analysis.get("imove") is None:
                continue
            error = moves[0]["score"] - moves[analysis["imove"]]["score"]
            kind = KINDS.get(gnubg.classifypos(gnubg.positionfromid(record["board"])), "other")
            for key in ("all", kind):
                lost[key] = lost.get(key, 0.0) + error
                count[key] = count.get(key, 0) + 1
    return {key: (1000.0 * lost[key] / count[key], count[key]) for key in lost}


def report(points, unforced, rates, summary_path):
    n = len(points)
    mean, half = interval(points)
    wins = sum(1 for p in points if p > 0)
    win_mean, win_half = interval([1.0 if p > 0 else 0.0 for p in points])
    lines = [
        f"games {n}",
        f"wins {wins} ({100 * win_mean:.1f}% +- {100 * win_half:.1f})",
        f"gammons won {sum(1 for p in points if p == 2)} lost {sum(1 for p in points if p == -2)}",
        f"backgammons won {sum(1 for p in points if p == 3)} lost {sum(1 for p in points if p == -3)}",
        f"points per game {mean:+.3f} +- {half:.3f}",
        f"unforced no-moves {unforced}",
    ]
    for key in ("all", "contact", "race", "crashed", "bear-off", "other"):
        if key in rates:
            rate, moves = rates[key]
            lines.append(f"error rate {key} {rate:.1f} mp/move over {moves} unforced moves")
    print("\n".join(lines))
    if summary_path:
        with open(summary_path, "w") as out:
            out.write("\n".join(lines) + "\n")


def main():
    games = int(env("VS_GAMES", "2"))
    analyse = int(env("VS_ANALYSE", "0"))
    match_path = env("VS_MATCH", "vs-gnubg.sgf")
    setup(int(env("VS_PORT", "5000")), int(env("VS_SEED", "1")), int(env("VS_PLIES", "0")))
    for _ in range(games):
        run("new game")
    run(f"save match {match_path}")
    played = gnubg.match(analysis=0, boards=1, statistics=0, verbose=0)
    me, _ = letters(played)
    points = results(played, me)
    if len(points) != games:
        sys.exit(f"vs-gnubg: {len(points)} of {games} games finished; see the bridge log")
    unforced = check_no_moves(played, me, env("VS_ENGINE", "morvik-engine"))
    rates = {}
    if analyse > 0:
        run(f"set analysis chequerplay evaluation plies {env('VS_ANALYSE_PLIES', '2')}")
        run("set analysis cube off")
        run("set analysis luck off")
        # Only the first N games are analysed, one after another.
        run("first game")
        for index in range(min(analyse, games)):
            if index:
                run("next game")
            run("analyse game")
        rates = error_rates(gnubg.match(analysis=1, boards=1, statistics=0, verbose=0), me)
    report(points, unforced, rates, env("VS_SUMMARY", ""))
    if unforced:
        sys.exit(1)


main()
