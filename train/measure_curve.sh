#!/bin/sh
# Measures every checkpoint of a training run against the baseline with
# morvik-engine duel and writes the curve file that training_curve.gp plots:
# "games win-rate points-per-game games-played", one line per checkpoint.
# usage: train/measure_curve.sh ENGINE CHECKPOINT_DIR CURVE_FILE [GAMES]
set -eu
engine=$1
dir=$2
curve=$3
games=${4:-1000}
touch "$curve"
for file in "$dir"/gammon-*.pc; do
  count=$(basename "$file" .pc | sed 's/^gammon-0*//')
  [ -n "$count" ] || count=0
  if grep -q "^$count " "$curve"; then continue; fi
  out=$("$engine" duel --first net --second baseline --games "$games" --seed 11 --quiet --weights "$file")
  rate=$(echo "$out" | sed -n 's/^win rate \([0-9.]*\)%.*/\1/p')
  ppg=$(echo "$out" | sed -n 's/^points per game \([-+0-9.]*\) .*/\1/p')
  awk -v c="$count" -v r="$rate" -v p="$ppg" -v g="$games" 'BEGIN { printf "%s %.4f %s %s\n", c, r / 100, p, g }' >> "$curve"
done
sort -n -o "$curve" "$curve"
