#!/usr/bin/env python3
"""Fits the network's weights to labelled positions with PyTorch.

usage: train/fit.py --resume W [--output W2] [--epochs N] [--lr LR] [--lr-end LR2]
                    [--loss l1|l2] [--optimizer adam|sgd] [--batch B] [--anchor A]
                    [--held-out F] [--validate FILE]... [--checkpoints DIR] [--seed S]
                    [--hidden H] FILE...

FILEs are positions files as morvik-train --collect or morvik-engine rollout
--positions write them (gzipped or not). The network is the game's own:
780 inputs, two hidden layers of 40 logistic units, one output, no biases,
gain 0.5. It starts from the weight file W; after every epoch the weights are
written to W2 in the game's weight file format (and to DIR/epoch-NNN.pc), and
the held-out error is printed, by kind of position, against the labels' own
noise where the files carry it. With --epochs 0 it prints W's error and stops.

Positions held out at random share their games (and their rolls' other
candidates) with positions stepped on, so their error flatters the fit; a
--validate file from other games measures what the fit has learnt. --anchor A
adds A times the sum of the squared changes of the weights to the loss, so that
what a few labels do not show stays as the starting weights knew it. --pairs B
adds B times the error in the difference between the values of two moves of
one roll (consecutive positions with the same other side and the same pips
moved, as --candidates writes them), which is what choosing a move needs; the
labels of one file share their dice, so such a difference is less noisy than
either label. --hidden H widens both hidden layers, starting from W's values,
to measure what a larger network would learn from the same labels; such a fit
writes no weights, since the game's network has 40.

Needs PyTorch (Debian: apt-get install python3-torch, for /usr/bin/python3).
"""

import argparse
import gzip
import os
import shutil
import struct
import sys

try:
    import torch
except ImportError:  # --help works without it; a fit says what to install
    torch = None

PLAIN = b"MVKPOS1\n"
LABELLED = b"MVKLBL1\n"
ROWS = 26
SLOTS = 15
INPUTS = 780
HIDDEN = 40
WEIGHTS = HIDDEN * INPUTS + HIDDEN * HIDDEN + HIDDEN


def fail(message):
    print(f"train/fit.py: {message}", file=sys.stderr)
    sys.exit(2)


def read_positions(path):
    """The row counts (n x 52, int8), targets (n) and standard errors (n, NaN
    where the file carries none)."""
    opener = gzip.open if path.endswith(".gz") else open
    try:
        with opener(path, "rb") as f:
            data = f.read()
    except OSError as e:
        fail(f"cannot read {path}: {e.strerror or e}")
    magic = data[:8]
    if magic not in (PLAIN, LABELLED) or len(data) < 16:
        fail(f"{path} is not a positions file")
    (count,) = struct.unpack_from("<Q", data, 8)
    record = 56 + (4 if magic == LABELLED else 0)
    if len(data) != 16 + count * record:
        fail(f"{path} does not hold the {count} positions it announces")
    if count == 0:
        return nothing()
    table = torch.frombuffer(bytearray(data[16:]), dtype=torch.uint8).view(count, record)
    rows = table[:, :2 * ROWS].view(torch.int8)
    floats = table[:, 2 * ROWS:].contiguous().view(torch.float32)  # little-endian, as written
    errors = floats[:, 1] if magic == LABELLED else torch.full((count,), float("nan"))
    return rows, floats[:, 0].clone(), errors.clone()


def read_weights(path):
    values = []
    try:
        with open(path, "r", encoding="ascii", errors="replace") as f:
            for line in f:
                line = line.strip()
                if line:
                    values.append(float(line.split()[0]))
    except (OSError, ValueError) as e:
        fail(f"{path} is not a complete weight file: {e}")
    if len(values) < WEIGHTS:
        fail(f"only {len(values)} of {WEIGHTS} weights in {path}")
    return values[:WEIGHTS]


def write_weights(path, values):
    part = path + ".part"
    with open(part, "w", newline="") as f:
        for v in values:
            f.write(f"{v:.9g}\r\n")
    os.replace(part, path)


def nothing():
    """No positions, as read_positions gives them."""
    return torch.zeros(0, 2 * ROWS, dtype=torch.int8), torch.zeros(0), torch.zeros(0)


def read_all(paths):
    parts = [read_positions(path) for path in paths] or [nothing()]
    return tuple(torch.cat([part[k] for part in parts]) for k in range(3))


def sibling_pairs(rows, keep):
    """Index pairs (k x 2) of consecutive positions after moves of one roll, both in keep."""
    two = rows.view(-1, 2, ROWS)
    pips = (two[:, 0] * torch.arange(ROWS)).sum(1)
    same = (two[1:, 1] == two[:-1, 1]).all(1) & (pips[1:] == pips[:-1])
    first = same.nonzero().view(-1)
    inside = torch.zeros(rows.shape[0], dtype=torch.bool)
    inside[keep] = True
    first = first[inside[first] & inside[first + 1]]
    return torch.stack([first, first + 1], 1)


def inputs(rows):
    """The network's 780 inputs (n x 780) from the row counts (n x 52)."""
    n = rows.shape[0]
    return (torch.arange(SLOTS).view(1, 1, SLOTS) < rows.view(n, 2 * ROWS, 1)).float().view(n, INPUTS)


def layers(values, hidden=HIDDEN):
    """The three weight matrices of a file's 32,840 numbers, as trainable tensors.
    With more hidden units than the file's 40, the new ones start small and
    reach the output with weight 0, so the network values every position as
    the file does."""
    w = torch.tensor(values, dtype=torch.float32)
    cut = HIDDEN * INPUTS, HIDDEN * INPUTS + HIDDEN * HIDDEN
    w1, w2, w3 = (w[:cut[0]].view(HIDDEN, INPUTS), w[cut[0]:cut[1]].view(HIDDEN, HIDDEN),
                  w[cut[1]:].view(1, HIDDEN))
    if hidden > HIDDEN:
        more = hidden - HIDDEN
        w1 = torch.cat([w1, 0.1 * torch.randn(more, INPUTS)])
        w2 = torch.cat([torch.cat([w2, torch.zeros(HIDDEN, more)], 1),
                        0.1 * torch.randn(more, hidden)])
        w3 = torch.cat([w3, torch.zeros(1, more)], 1)
    return [torch.nn.Parameter(part.clone()) for part in (w1, w2, w3)]


def forward(params, x):
    """The network's value (n x 1): gain 0.5 makes 1 / (exp(-2 * 0.5 * sum) + 1)
    the logistic function."""
    w1, w2, w3 = params
    return torch.sigmoid(torch.sigmoid(torch.sigmoid(x @ w1.T) @ w2.T) @ w3.T)


def pair_error(params, rows, y, pairs):
    """For each pair, the error in the difference between its two values."""
    a, b = pairs[:, 0], pairs[:, 1]
    return (forward(params, inputs(rows[a])) - forward(params, inputs(rows[b]))) - (y[a] - y[b])


def kinds(rows):
    """Masks of the races (not yet bearing off), the bear-offs and the rest."""
    n = rows.shape[0]
    at = torch.arange(ROWS).view(1, 1, ROWS).expand(n, 2, ROWS)
    rearmost = torch.where(rows.view(n, 2, ROWS) > 0, at, torch.zeros_like(at)).amax(2)
    race = rearmost.sum(1) <= ROWS - 1  # row 25 is the bar, row 0 borne off
    bear = race & (rearmost.amax(1) <= 6)
    return {"race": race & ~bear, "bear-off": bear, "contact": ~race}


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("files", nargs="+", metavar="FILE")
    p.add_argument("--resume", required=True, metavar="W", help="the weights to start from")
    p.add_argument("--output", metavar="W2",
                   help="where the fitted weights go "
                        "(needed unless --hidden is above 40 or --epochs 0)")
    p.add_argument("--epochs", type=int, default=10,
                   help="passes over the positions (10); 0 only measures W on the held-out ones")
    p.add_argument("--lr", type=float, default=3e-4, help="learning rate (3e-4)")
    p.add_argument("--lr-end", type=float, metavar="LR2",
                   help="learning rate of the last epoch, reached linearly (--lr)")
    p.add_argument("--loss", choices=["l1", "l2"], default="l1", help="absolute or squared error (l1)")
    p.add_argument("--optimizer", choices=["adam", "sgd"], default="adam", help="(adam)")
    p.add_argument("--batch", type=int, default=256, help="positions a step (256)")
    p.add_argument("--anchor", type=float, default=0.0, metavar="A",
                   help="pull toward the starting weights (0)")
    p.add_argument("--pairs", type=float, default=0.0, metavar="B",
                   help="weight of the error in the differences between the moves of one roll (0)")
    p.add_argument("--held-out", type=float, default=0.05,
                   help="share never stepped on, drawn at random (0.05; 0 with --validate)")
    p.add_argument("--validate", action="append", default=[], metavar="FILE",
                   help="positions from other games, never stepped on")
    p.add_argument("--extra", action="append", default=[], metavar="FILE",
                   help="more positions to fit, with their own weight, never held out")
    p.add_argument("--extra-weight", type=float, default=0.5, metavar="E",
                   help="weight of an --extra position against a FILE's one (0.5)")
    p.add_argument("--hidden", type=int, default=HIDDEN, metavar="H",
                   help="units in each hidden layer, 40 or more; above 40 the fit only "
                        "measures what a wider network would learn, and writes no weights (40)")
    p.add_argument("--checkpoints", metavar="DIR", help="also keep each epoch's weights here")
    p.add_argument("--seed", type=int, default=1, help="seed of the split and the order (1)")
    a = p.parse_args()
    if a.validate and "--held-out" not in sys.argv:
        a.held_out = 0.0
    lr_end = a.lr if a.lr_end is None else a.lr_end
    if (a.epochs < 0 or a.batch < 1 or not 0.0 <= a.held_out < 1.0 or not a.lr > 0.0
            or not lr_end > 0.0 or min(a.anchor, a.pairs, a.extra_weight) < 0.0
            or a.hidden < HIDDEN):
        fail("--epochs must not be negative, --batch must be positive, --held-out inside 0..1, "
             "--lr and --lr-end above 0, --anchor, --pairs and --extra-weight not negative, "
             f"--hidden at least {HIDDEN}")
    if a.hidden == HIDDEN and a.epochs > 0 and not a.output:
        fail("--output is needed: it names where the fitted weights go")
    if a.held_out == 0.0 and not a.validate:
        fail("nothing to measure the fit on: give --held-out above 0 or --validate")

    if torch is None:
        fail("PyTorch is missing (Debian: apt-get install python3-torch, then run "
             "/usr/bin/python3 train/fit.py)")

    torch.manual_seed(a.seed)
    # The inputs are made a step at a time from the row counts (52 bytes a
    # position, where the 780 inputs take 3,120), so millions of positions fit.
    parts = [read_all(paths) for paths in (a.files, a.validate, a.extra)]
    n, total = len(parts[0][1]), len(parts[0][1]) + len(parts[1][1])
    rows, y, err = (torch.cat([part[k] for part in parts]) for k in range(3))
    held = int(n * a.held_out)
    if n - held < 1 or held + total - n < 1:
        fail(f"{n} positions are too few to fit and hold some out")
    rows, y = rows.long(), y.view(-1, 1)
    weight = torch.ones(len(y), 1)
    weight[total:] = a.extra_weight
    order = torch.randperm(n)
    train_i = torch.cat([order[held:], torch.arange(total, len(y))])
    held_i = torch.cat([order[:held], torch.arange(n, total)])
    held_kinds = kinds(rows[held_i])
    held_x = inputs(rows[held_i])
    pairs = sibling_pairs(rows[:n], order[held:])
    held_pairs = sibling_pairs(rows, held_i)

    params = layers(read_weights(a.resume), a.hidden)
    start = [w.detach().clone() for w in params]

    def held_error():
        """The held-out error (rms, mae), and its rms by kind of position."""
        with torch.no_grad():
            d = forward(params, held_x) - y[held_i]
            split = " ".join(f"{k} {d[m].pow(2).mean().sqrt().item():.5f}"
                             for k, m in held_kinds.items() if m.any())
            if len(held_pairs):
                dd = pair_error(params, rows, y, held_pairs)
                split += f"; {len(held_pairs)} pairs {dd.pow(2).mean().sqrt().item():.5f}"
            return f"held-out rms {d.pow(2).mean().sqrt().item():.5f} " \
                   f"mae {d.abs().mean().item():.5f} ({split})"

    opt = (torch.optim.Adam(params, lr=a.lr) if a.optimizer == "adam"
           else torch.optim.SGD(params, lr=a.lr))
    noise = err[held_i][~torch.isnan(err[held_i])]
    floor = f"{noise.pow(2).mean().sqrt().item():.5f}" if len(noise) else "unknown"
    print(f"{len(train_i)} positions to fit ({len(y) - total} extra, {len(pairs)} pairs "
          f"of one roll's moves), "
          f"{len(held_i)} held out; labels' noise (rms) "
          f"{floor}; {held_error()}", file=sys.stderr)
    if a.checkpoints:
        os.makedirs(a.checkpoints, exist_ok=True)
    for epoch in range(a.epochs):
        for group in opt.param_groups:
            group["lr"] = a.lr + (lr_end - a.lr) * epoch / max(1, a.epochs - 1)
        shuffled = train_i[torch.randperm(len(train_i))]
        paired = pairs[torch.randperm(len(pairs))] if a.pairs > 0.0 else pairs[:0]
        per_step = -(-len(paired) * a.batch // len(shuffled)) if len(paired) else 0
        summed = 0.0
        for step, at in enumerate(range(0, len(shuffled), a.batch)):
            i = shuffled[at:at + a.batch]
            d = forward(params, inputs(rows[i])) - y[i]
            loss = ((d.abs() if a.loss == "l1" else d.pow(2)) * weight[i]).sum() / weight[i].sum()
            summed += loss.item() * len(i)
            j = paired[step * per_step:(step + 1) * per_step]
            if len(j):
                dd = pair_error(params, rows, y, j)
                loss = loss + a.pairs * (dd.abs().mean() if a.loss == "l1" else dd.pow(2).mean())
            if a.anchor > 0.0:
                loss = loss + a.anchor * sum((w - w0).pow(2).sum() for w, w0 in zip(params, start))
            opt.zero_grad()
            loss.backward()
            opt.step()
        if a.hidden == HIDDEN:  # a wider network only measures
            write_weights(a.output, torch.cat([w.detach().flatten() for w in params]).tolist())
            if a.checkpoints:
                shutil.copyfile(a.output, os.path.join(a.checkpoints, f"epoch-{epoch + 1:03d}.pc"))
        print(f"epoch {epoch + 1}  {a.loss} {summed / len(train_i):.5f}  {held_error()}",
              file=sys.stderr)


if __name__ == "__main__":
    main()
