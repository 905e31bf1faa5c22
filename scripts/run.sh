#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it with the shipped
# weights: it reads "gammon.pc" from its working directory, data/.
#
#   scripts/run.sh [ARGUMENTS for the game]
set -euo pipefail
if [[ "${1:-}" == -h || "${1:-}" == --help ]]; then
  sed -n '2,/^[^#]/{/^#/s/^# \{0,1\}//p}' "$0"
  exit 0
fi
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)" --target morvik
cd data
exec ../build/release/mainwindow/window/morvik "$@"
