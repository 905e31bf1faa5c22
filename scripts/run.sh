#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it with the shipped weights.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)"
cd data
if [ -x ../build/release/mainwindow/morvik ]; then
  exec ../build/release/mainwindow/morvik "$@"
fi
exec ../build/release/engine/morvik-engine bench
