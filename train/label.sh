#!/usr/bin/env bash
# Labels positions for the supervised fit in resumable chunks: each chunk is
# the positions of GAMES self-play games of WEIGHTS, a share of them started
# from the weak kinds of a pool of positions, every position valued by a
# rollout of TRIALS games cut at PLIES moves. Each chunk is written gzipped to
# OUT/chunk-NNNN.pos.gz with its command in OUT/chunk-NNNN.log; a chunk that
# exists is skipped, so the script resumes where it stopped.
set -euo pipefail

usage() {
  cat <<'EOF'
usage: train/label.sh [--chunks N] [--first K] [--games G] [--trials T] [--plies P]
                      [--threads N] [--weights F] [--out DIR] [--train BIN]
  --chunks N    chunks to make (10)
  --first K     number of the first chunk; chunk K uses seed 1000+K (0)
  --games G     self-play games a chunk (40)
  --trials T    rollout trials a position, a multiple of 36 (1296)
  --plies P     moves in each trial before the network's value stands in (7)
  --threads N   rollout threads (2)
  --weights F   the weights that play and roll out (data/gammon.pc)
  --out DIR     where the chunks go (train/labels)
  --train BIN   the trainer (build/dev/train/morvik-train)
The pool of starting positions (DIR/pool.pos.gz) is made once, from 400
games valued at one ply, when it is missing.
EOF
}

chunks=10 first=0 games=40 trials=1296 plies=7 threads=2
weights=data/gammon.pc out=train/labels train=build/dev/train/morvik-train
while [ $# -gt 0 ]; do
  case "$1" in
    -h|--help) usage; exit 0 ;;
    --chunks) chunks=$2; shift 2 ;;
    --first) first=$2; shift 2 ;;
    --games) games=$2; shift 2 ;;
    --trials) trials=$2; shift 2 ;;
    --plies) plies=$2; shift 2 ;;
    --threads) threads=$2; shift 2 ;;
    --weights) weights=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --train) train=$2; shift 2 ;;
    *) echo "train/label.sh: unknown argument '$1' (see --help)" >&2; exit 2 ;;
  esac
done
[ -x "$train" ] || { echo "train/label.sh: no trainer at $train" >&2; exit 2; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ ! -f "$out/pool.pos.gz" ]; then
  cmd=("$train" --collect "$work/pool.pos" --resume "$weights" --games 400 --seed 999
       --random-share 0.5 --threads "$threads" --bench-every 0)
  echo "${cmd[*]}" > "$out/pool.log"
  "${cmd[@]}" 2>> "$out/pool.log"
  gzip -9 -c "$work/pool.pos" > "$out/pool.pos.gz"
fi
gzip -dc "$out/pool.pos.gz" > "$work/pool.pos"

for ((k = first; k < first + chunks; ++k)); do
  name=$(printf 'chunk-%04d' "$k")
  [ -f "$out/$name.pos.gz" ] && continue
  cmd=("$train" --collect "$work/$name.pos" --resume "$weights" --games "$games"
       --seed $((1000 + k)) --start-positions "$work/pool.pos" --start-share 0.6
       --start-kinds crashed,race,left-back,lost --rollouts "$trials" --rollout-plies "$plies"
       --threads "$threads" --bench-every 0)
  echo "${cmd[*]}" > "$out/$name.log"
  "${cmd[@]}" 2>> "$out/$name.log"
  gzip -9 -c "$work/$name.pos" > "$out/$name.pos.gz.part"
  mv "$out/$name.pos.gz.part" "$out/$name.pos.gz"
  echo "$(date -u +%FT%TZ) $name done" >&2
done
