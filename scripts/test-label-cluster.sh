#!/usr/bin/env bash
# The cluster labelling against the single-machine run: positions of one game
# labelled by scripts/label_cluster.py on a local cluster of two workers, one
# of them killed while it holds a chunk, must give the very file that one
# `morvik-engine rollout --positions` run writes. Takes well under a minute.
#   scripts/test-label-cluster.sh [BUILD_DIR]   (build/dev)
set -euo pipefail
case "${1:-}" in
  -h|--help) sed -n '2,6p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
esac
cd "$(dirname "$0")/.."
build=${1:-build/dev}
py=/usr/bin/python3
[ -x "$py" ] || py=python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/train/morvik-train" --collect "$work/in.pos" --resume data/gammon.pc --games 1 --seed 11 \
  --threads 1 --bench-every 0 2> /dev/null
options=(--trials 72 --truncate 3 --seed 7)
"$build/engine/morvik-engine" rollout --positions "$work/in.pos" --output "$work/one.pos" \
  --weights data/gammon.pc --quiet "${options[@]}" > /dev/null
timeout 180 "$py" scripts/label_cluster.py --local 2 --kill-one --chunk 4 \
  --engine "$build/engine/morvik-engine" --weights data/gammon.pc \
  "$work/in.pos" "$work/cluster.pos" -- "${options[@]}" 2> "$work/log" > /dev/null ||
  { cat "$work/log" >&2; exit 1; }
grep -q '^killed worker tcp' "$work/log" || { cat "$work/log" >&2; echo "no worker was killed" >&2; exit 1; }
cmp "$work/one.pos" "$work/cluster.pos"
echo "label_cluster: $(grep -c . "$work/log") lines of progress, a worker killed, output identical"
