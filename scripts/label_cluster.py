#!/usr/bin/python3
"""Labels a positions file by rollouts on a Dask cluster.

The file is cut into chunks of --chunk positions; each chunk goes to a worker
as bytes, the worker runs `morvik-engine rollout --positions --output` on it
and sends the labelled records back. A chunk whose worker dies is run again
elsewhere. Each position's dice come from its own checkers and --seed, so the
output is the same file a single `morvik-engine rollout --positions` run
writes. Finished chunks are kept beside the output (OUTPUT.parts/), so a run
that stops resumes where it stopped.

usage: scripts/label_cluster.py (--scheduler ADDRESS | --local N) --engine BIN
           --weights FILE [--chunk K] POSITIONS OUTPUT [-- ROLLOUT OPTIONS]
  --scheduler ADDRESS  a running dask-scheduler, e.g. tcp://10.0.0.1:8786
  --local N            a cluster of N workers on this machine instead
  --engine BIN         morvik-engine, at this path on every worker
  --weights FILE       the weights, at this path on every worker
  --chunk K            positions a chunk (200)
  --kill-one           (for the test) kill a busy worker once the first chunk is back
The rollout options (--trials, --truncate, --seed, --lookahead, ...) follow --.
"""
import argparse
import os
import signal
import struct
import subprocess
import sys
import tempfile
import time

POSITION = 56  # a record of a positions file
LABEL = 60  # a record of a labelled file: the position, its target, the error


def split(path, size):
    data = open(path, "rb").read()
    if data[:8] != b"MVKPOS1\n" or len(data) < 16:
        sys.exit("label_cluster: %s is not a positions file" % path)
    count = struct.unpack("<Q", data[8:16])[0]
    if len(data) != 16 + count * POSITION:
        sys.exit("label_cluster: %s does not hold the positions it announces" % path)
    chunks = []
    for first in range(0, count, size):
        n = min(size, count - first)
        body = data[16 + first * POSITION:16 + (first + n) * POSITION]
        chunks.append(b"MVKPOS1\n" + struct.pack("<Q", n) + body)
    return chunks


def label_chunk(chunk, engine, weights, options):
    """Runs on a worker: the labelled records of one chunk."""
    with tempfile.TemporaryDirectory() as tmp:
        source, target = os.path.join(tmp, "in.pos"), os.path.join(tmp, "out.pos")
        with open(source, "wb") as f:
            f.write(chunk)
        subprocess.run([engine, "rollout", "--positions", source, "--output", target,
                        "--weights", weights, "--quiet"] + options,
                       check=True, stdout=subprocess.DEVNULL)
        data = open(target, "rb").read()
    assert data[:8] == b"MVKLBL1\n"
    return data[16:]


def kill_a_busy_worker(client):
    """Kills (SIGKILL) the process of a worker that has a chunk in hand."""
    pids = client.run(os.getpid)
    for address, keys in client.processing().items():
        if keys:
            os.kill(pids[address], signal.SIGKILL)
            return address
    return None


def main():
    p = argparse.ArgumentParser(add_help=True)
    where = p.add_mutually_exclusive_group(required=True)
    where.add_argument("--scheduler")
    where.add_argument("--local", type=int)
    p.add_argument("--engine", required=True)
    p.add_argument("--weights", required=True)
    p.add_argument("--chunk", type=int, default=200)
    p.add_argument("--kill-one", action="store_true")
    p.add_argument("positions")
    p.add_argument("output")
    p.add_argument("options", nargs="*")
    a = p.parse_args()
    if a.chunk < 1:
        sys.exit("label_cluster: --chunk must be at least 1")

    from distributed import Client, LocalCluster, as_completed

    chunks = split(a.positions, a.chunk)
    parts = a.output + ".parts"
    os.makedirs(parts, exist_ok=True)
    part = lambda k: os.path.join(parts, "%06d" % k)
    todo = [k for k in range(len(chunks)) if not os.path.exists(part(k))]

    cluster = None
    if a.local:
        cluster = LocalCluster(n_workers=a.local, threads_per_worker=1, processes=True,
                               dashboard_address=None)
    client = Client(cluster if cluster else a.scheduler)
    engine, weights = os.path.abspath(a.engine), os.path.abspath(a.weights)
    futures = {client.submit(label_chunk, chunks[k], engine, weights, a.options,
                             key="chunk-%06d" % k, retries=3): k for k in todo}
    start, done, killed = time.time(), 0, None
    for future in as_completed(futures):
        k = futures[future]
        records = future.result()
        with open(part(k) + ".tmp", "wb") as f:
            f.write(records)
        os.replace(part(k) + ".tmp", part(k))
        done += 1
        print("chunks %d/%d  %.0f s" % (done, len(todo), time.time() - start), file=sys.stderr,
              flush=True)
        if a.kill_one and killed is None and done < len(todo):
            killed = kill_a_busy_worker(client)
            print("killed worker %s" % killed, file=sys.stderr, flush=True)
    client.close()
    if cluster:
        cluster.close()
    if a.kill_one and killed is None:
        sys.exit("label_cluster: no worker was busy to be killed")

    body = b"".join(open(part(k), "rb").read() for k in range(len(chunks)))
    with open(a.output + ".tmp", "wb") as f:
        f.write(b"MVKLBL1\n" + struct.pack("<Q", len(body) // LABEL) + body)
    os.replace(a.output + ".tmp", a.output)
    for k in range(len(chunks)):
        os.remove(part(k))
    os.rmdir(parts)
    print("labelled %d positions into %s" % (len(body) // LABEL, a.output))


if __name__ == "__main__":
    main()
