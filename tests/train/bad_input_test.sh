#!/usr/bin/env bash
# morvik-train asked bad questions: each row is an argument list and words
# of the one line on stderr that must answer it, with exit status 2 and
# nothing on stdout. --help answers on stdout with exit status 0.
set -u
train=${1:?usage: bad_input_test.sh MORVIK_TRAIN}
rows=(
  "--games 2x|--games is not a number: '2x'"
  "--games -1|--games is out of range: -1"
  "--threads 0|--threads must lie in 1..64"
  "--round 0.5|--round must be at least 1"
  "--alpha 11|--alpha is out of range: 11"
  "--random-share 1.5|--random-share is out of range: 1.5"
  "--random-plies 1001|--random-plies must lie in 1..1000"
  "--epochs 0|--epochs must lie in 1..10000"
  "--rollouts 100001 --collect x|--rollouts and --rollout-plies must lie in 0..100000 and 0..10000"
  "--rollout-plies 5|--rollout-plies goes with --collect"
  "--collect a --fit b|give either --collect or --fit, not both"
  "--fit ,|--fit names no file"
  "--target both|--target must be points or win, not 'both'"
  "--depth one-ply --lambda 0.3|--lambda and --depth one-ply cannot be given together"
  "--start-kinds race,sea|--start-kinds takes race, left-back, crashed and lost"
  "--seed 1 --seed 2|option --seed given twice"
  "--output --seed 2|option --output needs 1 value, got 0"
  "--frobnicate|unknown option '--frobnicate'"
)
failed=0
for row in "${rows[@]}"; do
  IFS='|' read -r args says <<<"$row"
  # shellcheck disable=SC2086 # the row's words are the arguments
  out=$("$train" $args 2>"${TMPDIR:-/tmp}/train_err.$$")
  status=$?
  err=$(cat "${TMPDIR:-/tmp}/train_err.$$")
  if [ "$status" -ne 2 ] || [ -n "$out" ] || [[ "$err" != *"$says"* ]] || [ "$(wc -l <<<"$err")" -ne 1 ]; then
    echo "FAIL: $args: status $status, stderr '$err', expected '$says'"
    failed=1
  fi
done
rm -f "${TMPDIR:-/tmp}/train_err.$$"
help=$("$train" --help) && [[ "$help" == *"--rollout-plies"* ]] || { echo "FAIL: --help"; failed=1; }
exit $failed
