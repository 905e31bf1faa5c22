#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it with the shipped
# weights: it reads "gammon.pc" from its working directory, data/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc)" --target morvik
cd data
exec ../build/release/mainwindow/window/morvik "$@"
