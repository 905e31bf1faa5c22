#!/usr/bin/env bash
# Labels positions for the supervised fit in resumable chunks. A chunk is the
# positions of GAMES self-play games of WEIGHTS, a share of them started from
# the weak kinds of a pool of positions (crashed, race, left-back, lost), and
# for half of them the positions after the CANDIDATES best moves of a roll
# drawn for the side to move (the choices the network must rank), each
# valued by `morvik-engine rollout --positions` with TRIALS games played on
# to the end (or cut at --truncate P moves). Each chunk is written gzipped to
# OUT/chunk-NNNN.lbl.gz, with its commands in OUT/chunk-NNNN.log; a chunk that
# exists is skipped and an interrupted one resumes from OUT/work/, so the
# script goes on where it stopped.
set -euo pipefail

usage() {
  cat <<'EOF'
usage: train/label.sh [--chunks N] [--first K] [--games G] [--candidates C] [--trials T]
                      [--truncate P] [--threads N] [--weights F] [--out DIR] [--build DIR]
  --chunks N    chunks to make (10)
  --first K     number of the first chunk; chunk K plays seed 2000+K (the
                folder's first chunk, or 0 in a new folder)
  --games G     self-play games a chunk (40)
  --candidates C  best moves of a drawn roll kept for half the positions (3)
  --trials T    rollout games a position, a multiple of 36 (1152)
  --truncate P  cut each rollout game after P moves (not given: to the end)
  --threads N   rollout threads (2)
  --weights F   the weights that play and roll out (data/gammon.pc)
  --out DIR     where the chunks go (the folder under train/labels whose
                weights.md5 names WEIGHTS)
  --build DIR   where morvik-train and morvik-engine are built (build/dev)
The pool of starting positions (train/labels/pool.pos.gz) is made once, from
400 games valued at one ply, when it is missing. OUT/weights.md5 names the
weights whose play OUT holds; other weights are refused there.
EOF
}

chunks=10 first= games=40 candidates=3 trials=1152 truncate=() threads=2
weights=data/gammon.pc out= build=build/dev
while [ $# -gt 0 ]; do
  case "$1" in
    -h|--help) usage; exit 0 ;;
    --chunks) chunks=$2; shift 2 ;;
    --first) first=$2; shift 2 ;;
    --games) games=$2; shift 2 ;;
    --candidates) candidates=$2; shift 2 ;;
    --trials) trials=$2; shift 2 ;;
    --truncate) truncate=(--truncate "$2"); shift 2 ;;
    --threads) threads=$2; shift 2 ;;
    --weights) weights=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    *) echo "train/label.sh: unknown argument '$1' (see --help)" >&2; exit 2 ;;
  esac
done
train=$build/train/morvik-train engine=$build/engine/morvik-engine
for bin in "$train" "$engine"; do
  [ -x "$bin" ] || { echo "train/label.sh: no program at $bin" >&2; exit 2; }
done
[ -f "$weights" ] || { echo "train/label.sh: no weight file at $weights" >&2; exit 2; }
pool=train/labels/pool.pos.gz
# A folder holds the play of one set of weights, named by their checksum, so
# that the labels of two generations never mix.
checksum() { md5sum < "$weights" | cut -d' ' -f1; }
sum=$(checksum)
if [ -z "$out" ]; then
  for marked in train/labels/*/weights.md5; do
    [ -f "$marked" ] && [ "$(cat "$marked")" = "$sum" ] && out=$(dirname "$marked")
  done
  [ -n "$out" ] || { echo "train/label.sh: no folder under train/labels holds the play of" \
                          "$weights; name a new one with --out" >&2; exit 2; }
fi
if [ -z "$first" ]; then
  made=$({ ls "$out" 2>/dev/null || true; } | sed -n 's/^chunk-0*\([0-9][0-9]*\)\.lbl\.gz$/\1/p' | sort -n | sed -n 1p)
  first=${made:-0}
fi
work=$out/work
mkdir -p "$out"
echo "train/label.sh: chunks from $first on go to $out" >&2
if [ ! -f "$out/weights.md5" ]; then
  echo "$sum" > "$out/weights.md5"
elif [ "$(cat "$out/weights.md5")" != "$sum" ]; then
  echo "train/label.sh: $out holds the play of other weights (md5 $(cat "$out/weights.md5")," \
       "$weights has $sum); give these weights a folder of their own with --out" >&2
  exit 2
fi

# The pool of starting positions is made once, and unpacked only when a chunk
# is to be played.
unpack_pool() {
  [ -n "${pool_ready:-}" ] && return
  mkdir -p "$work"
  if [ ! -f "$pool" ]; then
    cmd=("$train" --collect "$work/pool.pos" --resume "$weights" --games 400 --seed 999
         --random-share 0.5 --threads "$threads" --bench-every 0)
    echo "${cmd[*]}" > "${pool%.pos.gz}.log"
    "${cmd[@]}" 2>> "${pool%.pos.gz}.log"
    gzip -9 -c "$work/pool.pos" > "$pool"
  fi
  gzip -dc "$pool" > "$work/pool.pos"
  pool_ready=1
}

for ((k = first; k < first + chunks; ++k)); do
  name=$(printf 'chunk-%04d' "$k")
  [ -f "$out/$name.lbl.gz" ] && continue
  # The weight file may have been replaced since the run began.
  [ "$(checksum)" = "$sum" ] ||
    { echo "train/label.sh: $weights changed during the run; $name not made" >&2; exit 2; }
  unpack_pool
  if [ ! -f "$work/$name.pos" ]; then
    collect=("$train" --collect "$work/$name.pos.part" --resume "$weights" --games "$games"
             --seed $((2000 + k)) --start-positions "$work/pool.pos" --start-share 0.6
             --start-kinds crashed,race,left-back,lost --candidates "$candidates"
             --threads "$threads" --bench-every 0)
    echo "${collect[*]}" > "$out/$name.log"
    "${collect[@]}" 2>> "$out/$name.log"
    mv "$work/$name.pos.part" "$work/$name.pos"
  fi
  rollout=("$engine" rollout --positions "$work/$name.pos" --output "$work/$name.lbl"
           --trials "$trials" "${truncate[@]}" --plain --seed $((2000 + k)) --threads "$threads"
           --weights "$weights" --quiet)
  echo "${rollout[*]}" >> "$out/$name.log"
  "${rollout[@]}" 2>> "$out/$name.log"
  gzip -9 -c "$work/$name.lbl" > "$out/$name.lbl.gz.part"
  mv "$out/$name.lbl.gz.part" "$out/$name.lbl.gz"
  rm -f "$work/$name.pos" "$work/$name.lbl" "$work/$name.lbl.journal"
  echo "$(date -u +%FT%TZ) $name done" >&2
done
