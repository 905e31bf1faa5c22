#!/usr/bin/env bash
# Every script under scripts/ answers -h and --help with its usage on stdout
# and exit status 0, before it does anything else. Each row: the script,
# what runs it, and words its usage must show.
set -u
dir=${1:?usage: help_test.sh SCRIPTS_DIR}
rows=(
  "check-installed.sh|bash|scripts/check-installed.sh build/package/morvik_"
  "fuzz.sh|bash|scripts/fuzz.sh [SECONDS"
  "install-deps.sh|bash|scripts/install-deps.sh"
  "label_cluster.py|python3|--scheduler"
  "make-about-picture.sh|bash|scripts/make-about-picture.sh [OUT"
  "make-yardstick.sh|bash|scripts/make-yardstick.sh OUT.gz MATCH.sgf"
  "mutate.sh|bash|scripts/mutate.sh [first [last]]"
  "package.sh|bash|scripts/package.sh BUILD_DIR"
  "rollout_coverage.py|python3|rollout_coverage.py"
  "rollout_noise.py|python3|rollout_noise.py"
  "run.sh|bash|scripts/run.sh [ARGUMENTS"
  "test-fit.sh|bash|scripts/test-fit.sh [BUILD_DIR]"
  "test-label-cluster.sh|bash|scripts/test-label-cluster.sh [BUILD_DIR]"
  "test.sh|bash|scripts/test.sh"
  "vs-gnubg.sh|bash|scripts/vs-gnubg.sh GAMES"
  "ubgi-bridge.py|python3|scripts/ubgi-bridge.py [--port 5000]"
  "vs_gnubg.py|python3|Runs inside GNU Backgammon"
  "yardstick.py|python3|Runs inside GNU Backgammon"
)
# Only what the usage needs is on the PATH: a script that misses its help
# fails at its first other command instead of building or installing.
tools=$(mktemp -d)
trap 'rm -rf "$tools"' EXIT
timeout=$(command -v timeout)
for tool in bash sed dirname; do ln -s "$(command -v "$tool")" "$tools/$tool"; done
ln -s "$(python3 -c 'import sys; print(sys.executable)')" "$tools/python3"  # not a shim
failed=0
listed=(mutants.txt)  # the faults mutate.sh applies: no script
for row in "${rows[@]}"; do
  IFS='|' read -r script runner shows <<<"$row"
  listed+=("$script")
  for flag in -h --help; do
    out=$(PATH=$tools "$timeout" 20 "$tools/$runner" "$dir/$script" "$flag" 2>/dev/null)
    status=$?
    if [ "$status" -ne 0 ] || [[ "$out" != *"$shows"* ]]; then
      echo "FAIL: $script $flag: status $status, usage without '$shows':"
      echo "$out" | head -5
      failed=1
    fi
  done
done
# A new script needs a row.
for path in "$dir"/*; do
  name=$(basename "$path")
  [[ " ${listed[*]} " == *" $name "* ]] || { echo "FAIL: $name has no row"; failed=1; }
done
exit $failed
