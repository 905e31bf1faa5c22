#!/usr/bin/env bash
# Mutation check of the test suite (not part of CI): applies each one-line
# fault of scripts/mutants.txt, one at a time, to a scratch copy of the
# committed tree, rebuilds it incrementally (dev preset, benchmarks off) and
# runs the suite with one job, stopping at the first failure. A fault that no
# test notices "survives". Prints every fault's fate and the totals.
#
#   scripts/mutate.sh [first [last]]       (mutant numbers, 1-based)
#
# Two ranges can run at once in two scratch directories, e.g.
#   MUTATE_DIR=build/mutate-a scripts/mutate.sh 1 25 & MUTATE_DIR=build/mutate-b scripts/mutate.sh 26
#
# MUTATE_DIR: the scratch directory (default build/mutate, inside the tree so
# that the shared compiler cache finds the objects of an ordinary build).
# MUTATE_SKIP_BASELINE=1 skips the run of the unchanged suite.
# MUTATE_IN_PLACE=1 mutates the tree the script is in and builds its own
# build/dev incrementally, with no scratch copy: only for a throw-away copy of a
# tree together with its up-to-date build (every file is put back after each
# fault, and on exit).
# MUTATE_FAST=1 builds without debug information and without the Qt window
# and its tests (the game model's tests stay): quicker on a busy machine, and
# it can only count fewer faults as caught, never more.
set -uo pipefail
if [[ "${1:-}" == -h || "${1:-}" == --help ]]; then
  sed -n '2,/^[^#]/{/^#/s/^# \{0,1\}//p}' "$0"
  exit 0
fi
cd "$(dirname "$0")/.."
root=$(pwd)
list=$root/scripts/mutants.txt
scratch=$(realpath -m "${MUTATE_DIR:-$root/build/mutate}")
src=$scratch/src
first=${1:-1}
last=${2:-100000}
export QT_QPA_PLATFORM=offscreen
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}

if [ "${MUTATE_IN_PLACE:-0}" = "1" ]; then
  src=$root
  mkdir -p "$scratch"
  echo "== mutating $src in place"
else
  echo "== scratch copy of HEAD in $src"
  rm -rf "$src"
  mkdir -p "$src"
  git archive HEAD | tar -x -C "$src"
fi
cp "$list" "$scratch/mutants.txt"  # the list as it stands, committed or not

build() { cmake --build --preset dev -j "${MUTATE_JOBS:-2}" >"$scratch/build.log" 2>&1; }
# The whole suite, one job. First every test program once, in one process
# each (those of the fault's own folder first), which finds most faults in
# seconds; then, if they all pass, the suite as CTest runs it, the
# long-running programs last.
slow='^(ubgi_selfplay|soak|reliability\.window_monkey_test)$'
programs() {
  local folder=${1%%/*}
  find build/dev/tests -type f -executable -name '*_test' | sort |
    awk -v f="/tests/$folder/" '{ print (index($0, f) ? 0 : 1) " " $0 }' | sort -s -k1,1 | cut -d' ' -f2-
}
suite() {
  : >"$scratch/ctest.log"
  for program in $(programs "$1"); do
    echo "== $program" >>"$scratch/ctest.log"
    (cd "$(dirname "$program")" && timeout 900 "./$(basename "$program")") >>"$scratch/ctest.log" 2>&1 || {
      caughtBy=$(basename "$program")
      return 1
    }
  done
  caughtBy=ctest
  ctest --preset dev -j 1 --stop-on-failure --timeout 600 -E "$slow" >>"$scratch/ctest.log" 2>&1 &&
    ctest --preset dev -j 1 --stop-on-failure --timeout 600 -R "$slow" >>"$scratch/ctest.log" 2>&1
}

cd "$src"
options=()
[ "${MUTATE_IN_PLACE:-0}" = "1" ] || options+=(-DMORVIK_BENCHMARKS=OFF)
[ "${MUTATE_FAST:-0}" = "1" ] && options+=(-DMORVIK_GUI=OFF -DCMAKE_BUILD_TYPE=Release)
cmake --preset dev "${options[@]}" >"$scratch/configure.log" 2>&1 || {
  echo "configure failed: $scratch/configure.log"
  exit 2
}
build || { echo "the unchanged tree does not build: $scratch/build.log"; exit 2; }
if [ "${MUTATE_SKIP_BASELINE:-0}" != "1" ]; then
  suite none || { echo "the unchanged suite fails: $scratch/ctest.log"; exit 2; }
  echo "== unchanged suite passes"
fi

number=0 caught=0 survived=0 unbuilt=0 stale=0
survivors=()
while IFS=$'\t' read -r file text replacement; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  number=$((number + 1))
  ((number < first || number > last)) && continue
  label="$number: $file: '$text' -> '$replacement'"
  if [ "$(grep -cF -- "$text" "$file")" != "1" ]; then
    echo "STALE     $label (the text is not in the file exactly once)"
    stale=$((stale + 1))
    continue
  fi
  cp -p "$file" "$scratch/original"
  trap 'cp -p "$scratch/original" "$file"' EXIT
  MUTATE_FROM=$text MUTATE_TO=$replacement python3 - "$file" <<'PY'
import os, sys
path = sys.argv[1]
text = open(path).read()
open(path, "w").write(text.replace(os.environ["MUTATE_FROM"], os.environ["MUTATE_TO"], 1))
PY
  start=$SECONDS
  if ! build; then
    echo "UNBUILT   $label"
    unbuilt=$((unbuilt + 1))
  elif suite "$file"; then
    echo "SURVIVED  $label ($((SECONDS - start)) s)"
    survived=$((survived + 1))
    survivors+=("$label")
  else
    failed=$(grep -m1 -E '^\s*[0-9]+/[0-9]+ Test +#[0-9]+: .*(Failed|Timeout|Exception|\*\*\*)' "$scratch/ctest.log" |
      sed -E 's/.*Test +#[0-9]+: ([^ ]+).*/\1/')
    [ "$caughtBy" = ctest ] || failed=$caughtBy
    echo "caught    $label by ${failed:-the suite} ($((SECONDS - start)) s)"
    caught=$((caught + 1))
  fi
  cp "$scratch/original" "$file"
  trap - EXIT
  touch "$file"
done <"$scratch/mutants.txt"

tried=$((caught + survived))
echo "== $caught of $tried faults caught, $survived survived ($unbuilt did not build, $stale stale)"
for s in "${survivors[@]}"; do echo "survivor  $s"; done
[ "$survived" -eq 0 ]
