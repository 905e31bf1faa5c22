#!/usr/bin/env bash
# Makes the yardstick set: every turn of Morvik's with a real choice in saved
# matches against GNU Backgammon, with gnubg's cubeless money equity of each
# legal move at 0-ply and of the best dozen again at 2-ply.
#
#   scripts/make-yardstick.sh OUT.gz MATCH.sgf... [--jobs J] [--top N]
#                             [--window E]
#
# The matches come from scripts/vs-gnubg.sh GAMES --seed S --out DIR
# (DIR/vs-gnubg.sgf). J gnubg processes share the turns (default 2); the best
# N moves at 0-ply (default 12) that are within E equity of the best one
# (default 0.16) are evaluated again at 2-ply. OUT.gz holds one line a turn,
# sorted, gzip'd; scripts/yardstick.py describes the line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() { sed -n '7,8p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
help() { sed -n '2,/^[^#]/{/^#/s/^# \{0,1\}//p}' "$0"; exit 0; }
die() { echo "make-yardstick: $*" >&2; exit 2; }

for arg in "$@"; do [[ "$arg" == -h || "$arg" == --help ]] && help; done
[ $# -ge 2 ] || usage
out=$1; shift
jobs=2 top=12 window=0.16 matches=()
while [ $# -gt 0 ]; do
  case "$1" in
    --jobs|--top|--window)
      [ $# -ge 2 ] || die "$1 needs a value"
      case "$1" in --jobs) jobs=$2 ;; --top) top=$2 ;; --window) window=$2 ;; esac
      shift 2 ;;
    -*) die "unknown argument '$1'" ;;
    *) [ -f "$1" ] || die "no match file '$1'"
       matches+=("$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"); shift ;;
  esac
done
[ ${#matches[@]} -ge 1 ] || usage
[[ "$jobs" =~ ^[1-9][0-9]*$ ]] || die "--jobs must be a positive whole number, not '$jobs'"
[[ "$top" =~ ^[1-9][0-9]*$ ]] || die "--top must be a positive whole number, not '$top'"
[[ "$window" =~ ^[0-9]+(\.[0-9]+)?$ ]] || die "--window must be a number, not '$window'"
gnubg=$(command -v gnubg || echo /usr/games/gnubg)
[ -x "$gnubg" ] || die "no gnubg (apt-get install gnubg)"

work=$(mktemp -d /tmp/make-yardstick.XXXXXX)
pids=()
for ((k = 0; k < jobs; ++k)); do
  YS_MATCHES=$(IFS=:; echo "${matches[*]}") YS_OUT="$work/part$k.txt" YS_SHARD=$k \
  YS_SHARDS=$jobs YS_TOP=$top YS_WINDOW=$window \
    "$gnubg" -t -q -p "$root/scripts/yardstick.py" >"$work/gnubg$k.log" 2>&1 &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
for ((k = 0; k < jobs; ++k)); do
  grep -q 'turns written' "$work/gnubg$k.log" || { tail -5 "$work/gnubg$k.log" >&2; status=1; }
done
[ $status -eq 0 ] || die "gnubg did not finish (logs in $work)"
LC_ALL=C sort "$work"/part*.txt | gzip -9n >"$out"
echo "make-yardstick: $(zcat "$out" | wc -l) turns in $out" >&2
rm -rf "$work"
