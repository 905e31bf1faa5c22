#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds every target and
# runs every test: first the optimised build, then the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target
# for about a minute (MORVIK_FUZZ_SECONDS; 0 skips them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Every C++ file of the tree as clang-format writes it.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"
# Rollout labelling on a local Dask cluster, one worker killed mid-run, must
# match the single-machine run byte for byte.
scripts/test-label-cluster.sh build/dev
# Two games against GNU Backgammon keep the measuring recipe working.
scripts/vs-gnubg.sh 2 --engine build/dev/engine/morvik-engine
if [ "${MORVIK_SKIP_ASAN:-0}" != "1" ]; then
  cmake --preset asan
  cmake --build --preset asan -j "$jobs"
  ctest --preset asan -j "$jobs"
fi
fuzz_seconds=${MORVIK_FUZZ_SECONDS:-60}
if [ "$fuzz_seconds" != "0" ]; then
  scripts/fuzz.sh "$fuzz_seconds"
fi
