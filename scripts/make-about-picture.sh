#!/usr/bin/env bash
# Draws the About box's picture (322 x 425, 24-bit uncompressed bitmap):
# a board half standing upright with checkers, two dice and the game's name;
# and the desktop icon (mainwindow/desktop/morvik.png). Needs ImageMagick.
#
#   scripts/make-about-picture.sh [OUT, default display/resources/about_picture.bmp]
set -euo pipefail
if [[ "${1:-}" == -h || "${1:-}" == --help ]]; then
  sed -n '2,/^[^#]/{/^#/s/^# \{0,1\}//p}' "$0"
  exit 0
fi
out=${1:-"$(dirname "$0")/../display/resources/about_picture.bmp"}
draw=(-fill '#5a3414' -draw 'rectangle 0,0 321,424'
      -fill '#0b6b22' -draw 'rectangle 14,70 307,410')
for i in 0 1 2 3 4 5; do
  x=$((14 + i * 49))
  if (( i % 2 == 0 )); then top='#c81e1e'; bottom='#f2f2f2'; else top='#f2f2f2'; bottom='#c81e1e'; fi
  draw+=(-fill "$top" -stroke black -draw "polygon $x,70 $((x + 49)),70 $((x + 24)),220")
  draw+=(-fill "$bottom" -stroke black -draw "polygon $x,410 $((x + 49)),410 $((x + 24)),260")
done
checker() { draw+=(-fill "$1" -stroke black -draw "circle $2,$3 $(($2 + 21)),$3"); }
for k in 0 1 2 3; do checker '#f2f2f2' 38 $((92 + 42 * k)); done
for k in 0 1; do checker '#c81e1e' 185 $((92 + 42 * k)); done
for k in 0 1 2; do checker '#c81e1e' 87 $((388 - 42 * k)); done
for k in 0 1 2 3 4; do checker '#f2f2f2' 283 $((388 - 42 * k)); done
die() {
  draw+=(-fill '#fafafa' -stroke black -draw "roundrectangle $1,$2 $(($1 + 44)),$(($2 + 44)) 7,7")
  shift 2
  while (( $# )); do draw+=(-fill black -draw "circle $1,$2 $(($1 + 4)),$2"); shift 2; done
}
die 150 215 162 227 182 247
die 205 230 217 242 227 252 237 262
convert -size 322x425 xc:'#5a3414' "${draw[@]}" \
  -stroke none -fill '#f0d890' -font DejaVu-Serif-Bold -pointsize 44 \
  -gravity north -annotate +0+10 'Morvik' \
  -type TrueColor -compress None "BMP3:$out"

# The desktop icon, 128 x 128: a checker of each colour and a die.
icon="$(dirname "$out")/../../mainwindow/window/desktop/morvik.png"
convert -size 128x128 xc:none \
  -fill '#0b6b22' -stroke '#5a3414' -strokewidth 6 -draw 'roundrectangle 4,4 123,123 18,18' \
  -strokewidth 2 -stroke black -fill '#c81e1e' -draw 'circle 44,46 44,16' \
  -fill '#f2f2f2' -draw 'circle 84,82 84,52' \
  -fill '#fafafa' -draw 'roundrectangle 70,10 114,54 7,7' \
  -stroke none -fill black -draw 'circle 82,22 86,22' -draw 'circle 92,32 96,32' \
  -draw 'circle 102,42 106,42' "PNG32:$icon"
