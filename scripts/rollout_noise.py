#!/usr/bin/env python3
"""Measures rollouts: for each setting, labels a positions file with two
seeds on one core and prints the processor time a position, the noise of one
run (the two seeds' difference, root mean square over the positions, over the
square root of two), the root mean square of the standard errors the command
stated, and,
given --reference, how far each run lies from the reference labels. Values on
the network's 0..1 scale.

usage: scripts/rollout_noise.py ENGINE WEIGHTS POSITIONS [--core C]
           [--reference LABELS] [--seeds S1,S2] SETTING...
  a SETTING is the rollout's options in one word, e.g. "--trials 144 --truncate 7"
"""
import argparse
import os
import statistics
import struct
import subprocess
import sys
import tempfile

RECORD = 60  # a labelled record: 56 bytes of position and target, the error


def read_labels(path):
    data = open(path, "rb").read()
    assert data[:8] == b"MVKLBL1\n", path
    count = struct.unpack("<Q", data[8:16])[0]
    out = []
    for i in range(count):
        rec = data[16 + i * RECORD:16 + (i + 1) * RECORD]
        target, error = struct.unpack("<ff", rec[52:60])
        out.append((target, error))
    return out


def run(engine, weights, positions, setting, seed, core, out):
    cmd = ["taskset", "-c", str(core), engine, "rollout", "--positions", positions, "--output",
           out, "--weights", weights, "--seed", str(seed), "--quiet"] + setting.split()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    if status != 0:
        sys.exit("failed: " + " ".join(cmd))
    return usage.ru_utime + usage.ru_stime, read_labels(out)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("engine")
    p.add_argument("weights")
    p.add_argument("positions")
    p.add_argument("settings", nargs="+")
    p.add_argument("--core", type=int, default=0)
    p.add_argument("--reference")
    p.add_argument("--seeds", default="1,2")
    a = p.parse_args()
    seeds = [int(s) for s in a.seeds.split(",")]
    ref = read_labels(a.reference) if a.reference else None
    print("setting | s/position | noise of one run | stated SE | vs reference")
    with tempfile.TemporaryDirectory() as tmp:
        for setting in a.settings:
            runs, seconds = [], 0.0
            for seed in seeds:
                t, labels = run(a.engine, a.weights, a.positions, setting, seed, a.core,
                                os.path.join(tmp, "out.pos"))
                seconds += t
                runs.append(labels)
            n = len(runs[0])
            diff = [runs[0][i][0] - runs[1][i][0] for i in range(n)]
            noise = (statistics.mean(d * d for d in diff) / 2) ** 0.5
            stated = statistics.mean(e * e for r in runs for _, e in r) ** 0.5
            far = ""
            if ref:
                far = "%.4f" % statistics.mean(
                    (runs[0][i][0] - ref[i][0]) ** 2 for i in range(n)) ** 0.5
            print("%s | %.4f | %.4f | %.4f | %s" % (setting, seconds / len(seeds) / n, noise,
                                                     stated, far), flush=True)


if __name__ == "__main__":
    main()
