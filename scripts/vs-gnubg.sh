#!/usr/bin/env bash
# Plays cubeless single games of Morvik against GNU Backgammon and prints
# wins, gammons, backgammons and points per game with 95% intervals.
#
#   scripts/vs-gnubg.sh GAMES [--lookahead] [--seed S] [--plies P]
#                       [--analyse N] [--analyse-plies P] [--weights F]
#                       [--engine PATH] [--out DIR]
#
# Morvik plays through its UBGI mode behind scripts/ubgi-bridge.py; gnubg
# plays at P plies (default 0) with no noise. The match is saved as
# DIR/vs-gnubg.sgf (default DIR: a new folder under /tmp), with the bridge's
# traffic beside it. --analyse N has gnubg analyse the first N games
# (default 2-ply) and prints the equity Morvik lost per unforced move, in
# millipoints, overall and by kind of position. Installs gnubg if missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

usage() { sed -n '4,8p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
help() { sed -n '2,/^[^#]/{/^#/s/^# \{0,1\}//p}' "$0"; exit 0; }
die() { echo "vs-gnubg: $*" >&2; exit 2; }

[ $# -ge 1 ] || usage
[[ "$1" == -h || "$1" == --help ]] && help
games=$1; shift
[[ "$games" =~ ^[1-9][0-9]*$ ]] || die "GAMES must be a positive whole number, not '$games'"
lookahead=() seed=1 plies=0 analyse=0 analyse_plies=2 out=""
weights="$root/data/gammon.pc"
engine="$root/build/dev/engine/morvik-engine"
while [ $# -gt 0 ]; do
  case "$1" in
    --lookahead) lookahead=(--lookahead); shift ;;
    --seed|--plies|--analyse|--analyse-plies|--weights|--engine|--out)
      [ $# -ge 2 ] || die "$1 needs a value"
      case "$1" in
        --seed) seed=$2 ;; --plies) plies=$2 ;; --analyse) analyse=$2 ;;
        --analyse-plies) analyse_plies=$2 ;; --weights) weights=$2 ;;
        --engine) engine=$2 ;; --out) out=$2 ;;
      esac
      shift 2 ;;
    -h|--help) help ;;
    *) die "unknown argument '$1'" ;;
  esac
done
for n in "$seed" "$plies" "$analyse" "$analyse_plies"; do
  [[ "$n" =~ ^[0-9]+$ ]] || die "'$n' is not a whole number"
done
[ -f "$weights" ] || die "no weight file '$weights'"
[ -x "$engine" ] || die "no engine '$engine' (build it: cmake --preset dev && cmake --build --preset dev)"
weights=$(cd "$(dirname "$weights")" && pwd)/$(basename "$weights")
engine=$(cd "$(dirname "$engine")" && pwd)/$(basename "$engine")

gnubg=$(command -v gnubg || echo /usr/games/gnubg)
if [ ! -x "$gnubg" ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq gnubg >/dev/null
  gnubg=$(command -v gnubg || echo /usr/games/gnubg)
fi

# gnubg makes its settings folder on its first run, and one of two runs
# started together then stops at the folder the other has just made.
mkdir -p "$HOME/.gnubg"

[ -n "$out" ] || out=$(mktemp -d /tmp/vs-gnubg.XXXXXX)
mkdir -p "$out"
out=$(cd "$out" && pwd)
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

python3 "$root/scripts/ubgi-bridge.py" --port "$port" --log "$out/traffic.log" -- \
  "$engine" ubgi --weights "$weights" "${lookahead[@]}" 2>"$out/bridge.log" &
bridge=$!
trap 'kill "$bridge" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  grep -q listening "$out/bridge.log" 2>/dev/null && break
  sleep 0.1
done

echo "vs-gnubg: $games games, Morvik${lookahead:+ with the look-ahead} against gnubg ${plies}-ply, seed $seed; files in $out" >&2
VS_GAMES=$games VS_PORT=$port VS_SEED=$seed VS_PLIES=$plies VS_ANALYSE=$analyse \
VS_ANALYSE_PLIES=$analyse_plies VS_MATCH="$out/vs-gnubg.sgf" VS_ENGINE="$engine" \
VS_SUMMARY="$out/summary.txt" \
  "$gnubg" -t -q -p "$root/scripts/vs_gnubg.py" >"$out/gnubg.log" 2>&1 || true
if [ ! -s "$out/summary.txt" ]; then
  grep 'vs-gnubg' "$out/gnubg.log" >&2 || tail -5 "$out/gnubg.log" >&2
  die "gnubg did not finish the games (logs in $out)"
fi
cat "$out/summary.txt"
if ! grep -qx 'unforced no-moves 0' "$out/summary.txt"; then
  grep 'vs-gnubg' "$out/gnubg.log" >&2 || true
  echo "vs-gnubg: gnubg recorded passes where Morvik had a play: its answers were refused" >&2
  exit 1
fi
