#!/usr/bin/env bash
# Installs the package with apt-get, checks the installed programs as a user
# meets them and removes the package again:
#   scripts/check-installed.sh build/package/morvik_<version>_amd64.deb
# The game is started on a virtual X screen in an empty folder: once its
# notice is answered, the About box comes next only when it found the
# installed weights; a missing or short weight file would bring a warning box
# (captioned like the notice) first.
set -euo pipefail
case "${1:-}" in
  -h|--help|"") sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'; [ -n "${1:-}" ]; exit ;;
esac
deb=$(realpath "$1")
fail() { echo "installed package: $*" >&2; exit 1; }
title="Morvik - Ver. 1.10 Beta"

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" > /dev/null
work=$(mktemp -d)
display=""
game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2> /dev/null || true
  [ -n "$display" ] && kill "$display" 2> /dev/null || true
  rm -rf "$work"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq --purge morvik > /dev/null
}
trap cleanup EXIT

command -v morvik-engine | grep -qx /usr/bin/morvik-engine || fail "morvik-engine is not on PATH"
(cd "$work" && morvik-engine bench --seconds 0 > bench.txt) || fail "morvik-engine bench failed"
grep -q '^signature' "$work/bench.txt" || fail "morvik-engine bench gave no signature"
man -w morvik > /dev/null && man -w morvik-engine > /dev/null && man -w morvik-train > /dev/null ||
  fail "a manual page is not found by man"

screen=:$((90 + RANDOM % 400))
Xvfb "$screen" -screen 0 1280x1024x24 -nolisten tcp -noreset > "$work/xvfb.log" 2>&1 &
display=$!
export DISPLAY=$screen
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo > /dev/null 2>&1 || fail "no virtual X screen: $(cat "$work/xvfb.log")"
(cd "$work" && exec env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb morvik > game.log 2>&1) &
game=$!
# One visible window of the game captioned $1, waited for up to ten seconds.
window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$game" 2> /dev/null || return 1
    sleep 0.1
  done
  return 1
}
notice=$(window "$title") || fail "the game showed no notice: $(cat "$work/game.log")"
xdotool windowfocus --sync "$notice" key Return
window About > /dev/null || fail "no About box after the notice: the installed weights were not found"
[ -z "$(xdotool search --onlyvisible --name "^$title\$" 2> /dev/null)" ] ||
  fail "a warning box came before the About box"
[ ! -e "$work/gammon.pc" ] || fail "the game wrote into its working folder"
echo "installed package: the game found /usr/share/morvik/gammon.pc; morvik-engine bench ran from PATH"
