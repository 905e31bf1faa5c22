#!/usr/bin/env python3
"""Checks that rollout intervals are honest: labels COUNT positions spread
evenly through a positions file with SEEDS seeds each, and counts how often
the stated 95% interval (1.96 standard errors each side) of a run covers the
mean of all the runs of its position. About 95% should (a little more, as
each run is part of the mean it is compared with: 96% for 10 seeds).

usage: scripts/rollout_coverage.py ENGINE WEIGHTS POSITIONS [--count 20]
           [--seeds 10] [--core C] SETTING...
"""
import argparse
import os
import statistics
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from rollout_noise import read_labels  # noqa: E402


def pick(path, count, out):
    data = open(path, "rb").read()
    total = struct.unpack("<Q", data[8:16])[0]
    recs = [data[16 + i * 56:16 + (i + 1) * 56] for i in range(0, total, max(1, total // count))]
    recs = recs[:count]
    open(out, "wb").write(b"MVKPOS1\n" + struct.pack("<Q", len(recs)) + b"".join(recs))


def main():
    p = argparse.ArgumentParser()
    p.add_argument("engine")
    p.add_argument("weights")
    p.add_argument("positions")
    p.add_argument("settings", nargs="+")
    p.add_argument("--count", type=int, default=20)
    p.add_argument("--seeds", type=int, default=10)
    p.add_argument("--core", type=int, default=0)
    a = p.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        chosen = os.path.join(tmp, "chosen.pos")
        pick(a.positions, a.count, chosen)
        for setting in a.settings:
            runs = []
            for seed in range(1, a.seeds + 1):
                out = os.path.join(tmp, "out.pos")
                subprocess.run(["taskset", "-c", str(a.core), a.engine, "rollout", "--positions",
                                chosen, "--output", out, "--weights", a.weights, "--seed",
                                str(seed), "--quiet"] + setting.split(), check=True,
                               stdout=subprocess.DEVNULL)
                runs.append(read_labels(out))
            covered = total = 0
            spread, stated = [], []
            for i in range(len(runs[0])):
                values = [r[i][0] for r in runs]
                mean = statistics.mean(values)
                for v, e in (r[i] for r in runs):
                    total += 1
                    covered += abs(v - mean) <= 1.96 * e
                spread.append(statistics.stdev(values))
                stated.append(statistics.mean(r[i][1] for r in runs))
            print("%s: %d of %d intervals cover (%.1f%%); spread of the runs %.4f, stated SE %.4f"
                  " (root mean squares over the positions)" % (
                      setting, covered, total, 100.0 * covered / total,
                      statistics.mean(s * s for s in spread) ** 0.5,
                      statistics.mean(s * s for s in stated) ** 0.5), flush=True)


if __name__ == "__main__":
    main()
