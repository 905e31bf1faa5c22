#!/usr/bin/env python3
"""Fits the network's weights to labelled positions with PyTorch.

usage: train/fit.py --resume W --output W2 [--epochs N] [--lr LR] [--loss l1|l2]
                    [--optimizer adam|sgd] [--batch B] [--held-out F] [--seed S] FILE...

FILEs are positions files as morvik-train --collect or morvik-engine rollout
--positions write them (gzipped or not). The network is the game's own:
780 inputs, two hidden layers of 40 logistic units, one output, no biases,
gain 0.5. It starts from the weight file W; after every epoch the weights are
written to W2 in the game's weight file format, and the held-out error is
printed against the labels' own noise where the files carry it.
"""

import argparse
import gzip
import struct
import sys

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
    """The row counts (n x 52 bytes), targets and standard errors (or None)."""
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
    counts, targets, errors = bytearray(), [], []
    for i in range(count):
        at = 16 + i * record
        counts += data[at:at + 2 * ROWS]
        targets.append(struct.unpack_from("<f", data, at + 52)[0])
        if magic == LABELLED:
            errors.append(struct.unpack_from("<f", data, at + 56)[0])
    return bytes(counts), targets, errors if magic == LABELLED else None


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
    import os
    os.replace(part, path)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("files", nargs="+", metavar="FILE")
    p.add_argument("--resume", required=True, metavar="W", help="the weights to start from")
    p.add_argument("--output", required=True, metavar="W2", help="where the fitted weights go")
    p.add_argument("--epochs", type=int, default=10, help="passes over the positions (10)")
    p.add_argument("--lr", type=float, default=3e-4, help="learning rate (3e-4)")
    p.add_argument("--loss", choices=["l1", "l2"], default="l1", help="absolute or squared error (l1)")
    p.add_argument("--optimizer", choices=["adam", "sgd"], default="adam", help="(adam)")
    p.add_argument("--batch", type=int, default=256, help="positions a step (256)")
    p.add_argument("--held-out", type=float, default=0.05, help="share never stepped on (0.05)")
    p.add_argument("--seed", type=int, default=1, help="seed of the split and the order (1)")
    a = p.parse_args()
    if a.epochs < 1 or a.batch < 1 or not 0.0 < a.held_out < 1.0 or not a.lr > 0.0:
        fail("--epochs and --batch must be positive, --held-out inside 0..1, --lr above 0")

    import torch  # only here, so that --help works without it

    torch.manual_seed(a.seed)
    counts, targets, errors = bytearray(), [], []
    for path in a.files:
        c, t, e = read_positions(path)
        counts += c
        targets += t
        errors += e if e is not None else [float("nan")] * len(t)
    n = len(targets)
    if n < 20:
        fail(f"{n} positions are too few to fit and hold some out")
    rows = torch.frombuffer(bytearray(counts), dtype=torch.int8).view(n, 2 * ROWS).long()
    x = (torch.arange(SLOTS).view(1, 1, SLOTS) < rows.unsqueeze(2)).float().view(n, INPUTS)
    y = torch.tensor(targets, dtype=torch.float32).view(n, 1)
    err = torch.tensor(errors, dtype=torch.float32)
    order = torch.randperm(n)
    held = max(1, int(n * a.held_out))
    train_i, held_i = order[held:], order[:held]

    w = torch.tensor(read_weights(a.resume), dtype=torch.float32)
    w1 = torch.nn.Parameter(w[: HIDDEN * INPUTS].view(HIDDEN, INPUTS).clone())
    w2 = torch.nn.Parameter(w[HIDDEN * INPUTS: HIDDEN * INPUTS + HIDDEN * HIDDEN].view(HIDDEN, HIDDEN).clone())
    w3 = torch.nn.Parameter(w[HIDDEN * INPUTS + HIDDEN * HIDDEN:].view(1, HIDDEN).clone())
    params = [w1, w2, w3]

    def forward(inputs):
        # gain 0.5: 1 / (exp(-2 * 0.5 * sum) + 1) is the logistic function
        h1 = torch.sigmoid(inputs @ w1.T)
        h2 = torch.sigmoid(h1 @ w2.T)
        return torch.sigmoid(h2 @ w3.T)

    def held_error():
        with torch.no_grad():
            d = forward(x[held_i]) - y[held_i]
            return d.pow(2).mean().sqrt().item(), d.abs().mean().item()

    opt = (torch.optim.Adam(params, lr=a.lr) if a.optimizer == "adam"
           else torch.optim.SGD(params, lr=a.lr))
    noise = err[~torch.isnan(err)]
    floor = f"{noise.pow(2).mean().sqrt().item():.5f}" if len(noise) else "unknown"
    rms, mae = held_error()
    print(f"{n} positions, {held} held out; labels' noise (rms) {floor}; "
          f"held-out rms {rms:.5f} mae {mae:.5f}", file=sys.stderr)
    for epoch in range(a.epochs):
        shuffled = train_i[torch.randperm(len(train_i))]
        total = 0.0
        for at in range(0, len(shuffled), a.batch):
            i = shuffled[at:at + a.batch]
            d = forward(x[i]) - y[i]
            loss = d.abs().mean() if a.loss == "l1" else d.pow(2).mean()
            opt.zero_grad()
            loss.backward()
            opt.step()
            total += loss.item() * len(i)
        rms, mae = held_error()
        values = torch.cat([w1.detach().flatten(), w2.detach().flatten(), w3.detach().flatten()])
        write_weights(a.output, values.tolist())
        print(f"epoch {epoch + 1}  {a.loss} {total / len(train_i):.5f}  "
              f"held-out rms {rms:.5f} mae {mae:.5f}", file=sys.stderr)


if __name__ == "__main__":
    main()
