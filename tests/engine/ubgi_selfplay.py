#!/usr/bin/env python3
"""Self-play through the Universal Backgammon Interface: two morvik-engine
processes play complete games against each other, one of them with the
look-ahead. The referee rolls the dice and sends each side its boards in
varying orientations; every reply is checked against the legal plays that
`morvik-engine moves` lists and against the move `morvik-engine play` makes in
the same position, and every cube answer against `morvik-engine eval`.

    ubgi_selfplay.py ENGINE [--games N] [--seed S]"""
import argparse
import os
import random
import select
import subprocess
import sys
import tempfile

START = {24: 2, 13: 5, 8: 3, 6: 5}
# (the engine is "you", colour of "you", direction of "you")
ORIENTATIONS = [(True, 1, -1), (True, -1, 1), (True, 1, 1), (True, -1, -1),
                (False, 1, -1), (False, -1, 1)]


class Fault(Exception):
    pass


def write_weights(path, rng):
    with open(path, "w") as f:
        for _ in range(40 * 780 + 40 * 40 + 40):
            f.write("%.6f\r\n" % rng.gauss(0.0, 0.2))


class Engine:
    def __init__(self, command):
        self.proc = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE)

    def ask(self, line, seconds=120):
        self.proc.stdin.write((line + "\n").encode())
        self.proc.stdin.flush()
        ready, _, _ = select.select([self.proc.stdout], [], [], seconds)
        if not ready:
            raise Fault("no answer within %ds to %s" % (seconds, line))
        answer = self.proc.stdout.readline()
        if not answer.endswith(b"\n"):
            raise Fault("the engine ended its output after %s" % line)
        return answer.decode().rstrip("\n")

    def quit(self):
        self.proc.stdin.write(b"quit\n")
        self.proc.stdin.flush()
        return self.proc.wait(timeout=30)


def new_side():
    side = [0] * 26  # own numbering: 0 borne off, 1..24 points, 25 bar
    for point, n in START.items():
        side[point] = n
    return side


def cli_board(mover, other):
    """The engine's --board with the mover in the computer's place."""
    board = [0] * 26
    for p in range(1, 25):
        board[p] = other[p] - mover[25 - p]
    board[25] = other[25]
    board[0] = -mover[25]
    return ",".join(str(v) for v in board)


def fibs_line(mover, other, dice, orientation, doubled=False):
    """A raw board in which `mover` is the engine asked to act: to move (or
    to double) with `dice`, or to take when its opponent has `doubled`."""
    you_are_engine, colour, direction = orientation
    you, them = (mover, other) if you_are_engine else (other, mover)
    bar = 25 if direction < 0 else 0
    cells = [0] * 26
    for side, is_you in ((you, True), (them, False)):
        sign = colour if is_you else -colour
        downwards = (direction < 0) == is_you
        for p in range(1, 25):
            cells[p if downwards else 25 - p] += sign * side[p]
        cells[bar if is_you else 25 - bar] += sign * side[25]
    you_on_roll = you_are_engine != doubled
    turn = colour if you_on_roll else -colour
    own_dice = list(dice) if you_are_engine else [0, 0]
    their_dice = [0, 0] if you_are_engine else list(dice)
    fields = ["board", "You", "Opponent", 0, 0, 0] + cells + [turn] + own_dice + their_dice
    fields += [1, 1, 1, 1 if doubled else 0, colour, direction, 25 - bar, bar]
    fields += [you[0], them[0], you[25], them[25], 0, 0, 0, 0]
    return ":".join(str(f) for f in fields)


def point(text):
    return {"B": 25, "bar": 25, "Off": 0, "off": 0}.get(text, None) if not text.isdigit() else int(text)


def parse_play(text):
    steps = []
    for pair in text.split():
        a, b = pair.rstrip("*").split("/")
        steps.append((point(a), point(b)))
    return steps


def run_tool(engine, args):
    out = subprocess.run([engine] + args, capture_output=True, text=True, timeout=300)
    if out.returncode != 0:
        raise Fault("%s failed: %s" % (" ".join(args), out.stderr))
    return out.stdout


def legal_plays(engine, board, d1, d2):
    lines = run_tool(engine, ["moves", "--board", board, "--dice", str(d1), str(d2),
                              "--side", "computer"]).splitlines()
    return [parse_play(line.split(":", 1)[1]) for line in lines[1:]]


def computer_play(engine, board, d1, d2, weights, lookahead):
    args = ["play", "--board", board, "--dice", str(d1), str(d2), "--weights", weights]
    out = run_tool(engine, args + (["--lookahead"] if lookahead else []))
    history = next(l for l in out.splitlines() if l.startswith("history "))
    return parse_play(history.split(": ", 2)[2])


def apply_play(mover, other, steps):
    for frm, to in steps:
        if mover[frm] <= 0:
            raise Fault("no checker on %d" % frm)
        mover[frm] -= 1
        mover[to] += 1
        if 1 <= to <= 24 and other[25 - to] == 1:
            other[25 - to] = 0
            other[25] += 1


def check_cube(engine, weights, proc, mover, other, rng):
    orientation = rng.choice(ORIENTATIONS)
    if proc.ask(fibs_line(mover, other, (0, 0), orientation)) != "roll":
        raise Fault("the engine did not just roll")
    value = float(run_tool(engine, ["eval", "--board", cli_board(mover, other), "--weights", weights]))
    expected = "take" if value >= 5.0 / 12.0 else "drop"
    answer = proc.ask(fibs_line(mover, other, (0, 0), orientation, doubled=True))
    if answer != expected:
        raise Fault("cube answer %r, the network's %.6f wants %r" % (answer, value, expected))


def play_game(engine, weights, procs, rng, stats):
    sides = [new_side(), new_side()]
    m = rng.randrange(2)
    for turn in range(2000):
        mover, other = sides[m], sides[1 - m]
        lookahead = m == 1
        if turn % 7 == 0:
            check_cube(engine, weights, procs[m], mover, other, rng)
        dice = (rng.randint(1, 6), rng.randint(1, 6))
        orientation = rng.choice(ORIENTATIONS)
        line = fibs_line(mover, other, dice, orientation)
        reply = procs[m].ask(line)
        played = parse_play(reply)
        board = cli_board(mover, other)
        d1, d2 = max(dice), min(dice)
        legal = legal_plays(engine, board, d1, d2)
        if (legal and played not in legal) or (not legal and played):
            raise Fault("illegal reply %r to %s" % (reply, line))
        chosen = computer_play(engine, board, d1, d2, weights, lookahead)
        if played != chosen:
            raise Fault("reply %r to %s differs from the computer's move %r" % (reply, line, chosen))
        apply_play(mover, other, played)
        stats["moves"] += 1
        if mover[0] == 15:
            return m
        m = 1 - m
    raise Fault("no end after 2000 turns")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("engine")
    parser.add_argument("--games", type=int, default=3)
    parser.add_argument("--seed", type=int, default=20251208)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    with tempfile.TemporaryDirectory() as tmp:
        weights = os.path.join(tmp, "weights.pc")
        write_weights(weights, rng)
        procs = [Engine([args.engine, "ubgi", "--weights", weights]),
                 Engine([args.engine, "ubgi", "--weights", weights, "--lookahead"])]
        stats = {"moves": 0}
        wins = [0, 0]
        try:
            for p in procs:
                handshake = [p.ask("ubgi")] + [p.proc.stdout.readline().decode().strip() for _ in range(3)]
                if handshake[0] != "id name Morvik" or handshake[3] != "readyok":
                    raise Fault("handshake %r" % handshake)
            for _ in range(args.games):
                wins[play_game(args.engine, weights, procs, rng, stats)] += 1
            statuses = [p.quit() for p in procs]
            if statuses != [0, 0]:
                raise Fault("exit statuses %r after quit" % statuses)
        except Fault as fault:
            print("FAIL:", fault)
            for p in procs:
                p.proc.kill()
            return 1
    print("%d games, %d moves checked; wins %d (static) - %d (look-ahead)"
          % (args.games, stats["moves"], wins[0], wins[1]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
