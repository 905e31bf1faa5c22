#!/usr/bin/env bash
# Makes one generation of weights from WEIGHTS in two supervised fits:
#  1. the network's own one-ply values: positions from self-play games of
#     WEIGHTS (60% started from the weak kinds of the labelling pool, the
#     candidates of a drawn roll for half of them), each labelled by the mean
#     over the 21 rolls of the reply's best value; train/fit.py fits WEIGHTS to
#     them, measured on positions from other games;
#  2. the rollout labels: the result of step 1 fitted to the committed chunks
#     of full-game rollouts, with the error of one roll's move pairs and an
#     anchor to the step-1 weights, measured on the last chunk (held out).
# Writes OUT/one-ply.pc and OUT/gammon.pc with the fits' logs beside them; the
# positions of step 1 (about 120 MB) stay in OUT/work.
set -euo pipefail

usage() {
  cat <<'EOF'
usage: train/generation.sh [--weights F] [--out DIR] [--games G] [--seed S]
                           [--labels DIR] [--chunks N] [--build DIR]
  --weights F   the weights to start from, which also play the games (data/gammon.pc)
  --out DIR     where the weights, logs and positions go (train/runs/generation)
  --games G     self-play games for the one-ply fit, in two seeds (24000, and a third as many)
  --seed S      seed of the first set; S-100 the second, S-99 the check games (7101)
  --labels DIR  the rollout chunks, repeated for more folders; the last chunk of
                the last folder is held out (train/labels/full)
  --chunks N    only the first N of them (all)
  --build DIR   where morvik-train is built (build/dev)
Needs PyTorch for /usr/bin/python3 (Debian: python3-torch).
EOF
}

weights=data/gammon.pc out=train/runs/generation games=24000 seed=7101
labels=() build=build/dev count=0
while [ $# -gt 0 ]; do
  case "$1" in
    -h|--help) usage; exit 0 ;;
    --weights|--out|--games|--seed|--labels|--chunks|--build)
      [ $# -ge 2 ] || { echo "train/generation.sh: $1 needs a value" >&2; exit 2; }
      case "$1" in
        --weights) weights=$2 ;; --out) out=$2 ;; --games) games=$2 ;; --seed) seed=$2 ;;
        --labels) labels+=("$2") ;; --chunks) count=$2 ;; --build) build=$2 ;;
      esac
      shift 2 ;;
    *) echo "train/generation.sh: unknown argument '$1' (see --help)" >&2; exit 2 ;;
  esac
done
for n in "$games" "$seed" "$count"; do
  [[ "$n" =~ ^[0-9]+$ ]] || { echo "train/generation.sh: '$n' is not a whole number" >&2; exit 2; }
done
[ "$games" -ge 3 ] && [ "$seed" -ge 100 ] ||
  { echo "train/generation.sh: --games must be 3 or more and --seed 100 or more" >&2; exit 2; }
train=$build/train/morvik-train
[ -x "$train" ] || { echo "train/generation.sh: no program at $train" >&2; exit 2; }
[ -f "$weights" ] || { echo "train/generation.sh: no weight file '$weights'" >&2; exit 2; }
[ ${#labels[@]} -gt 0 ] || labels=(train/labels/full)
shopt -s nullglob
chunks=()
for dir in "${labels[@]}"; do chunks+=("$dir"/chunk-*.lbl.gz); done
shopt -u nullglob
[ "$count" -gt 0 ] && chunks=("${chunks[@]:0:$count}")
[ ${#chunks[@]} -ge 2 ] || { echo "train/generation.sh: fewer than two chunks in ${labels[*]}" >&2; exit 2; }
work=$out/work
mkdir -p "$work"
gzip -dc train/labels/pool.pos.gz > "$work/pool.pos"

collect() {  # NAME GAMES SEED
  [ -f "$work/$1.pos" ] && return
  "$train" --collect "$work/$1.pos.part" --resume "$weights" --games "$2" --seed "$3" \
    --start-positions "$work/pool.pos" --start-share 0.6 --start-kinds crashed,race,left-back,lost \
    --candidates 3 --threads 1 --bench-every 0 2>> "$out/collect.log"
  mv "$work/$1.pos.part" "$work/$1.pos"
}
collect a "$games" "$seed"
collect b $((games / 3)) $((seed - 100))
collect check 300 $((seed - 99))

py=/usr/bin/python3
[ -x "$py" ] || py=python3
"$py" train/fit.py --resume "$weights" --output "$out/one-ply.pc" --epochs 8 --lr 1e-3 \
  --lr-end 1e-4 --validate "$work/check.pos" "$work/a.pos" "$work/b.pos" 2> "$out/one-ply.log"
last=${chunks[${#chunks[@]} - 1]}
"$py" train/fit.py --resume "$out/one-ply.pc" --output "$out/gammon.pc" --epochs 10 --pairs 3 \
  --anchor 1e-2 --validate "$last" "${chunks[@]:0:${#chunks[@]}-1}" 2> "$out/rollouts.log"
tail -n 1 "$out/one-ply.log" "$out/rollouts.log"
