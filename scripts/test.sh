#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds every target and
# runs every test: first the optimised build and the Debian package made from
# it (installed, tried and removed again), then the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target
# for about a minute (MORVIK_FUZZ_SECONDS; 0 skips them). MORVIK_SKIP_ASAN=1
# skips the sanitizer build.
#
#   scripts/test.sh
set -euo pipefail
if [[ "${1:-}" == -h || "${1:-}" == --help ]]; then
  sed -n '2,/^[^#]/{/^#/s/^# \{0,1\}//p}' "$0"
  exit 0
fi
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
# The PyTorch fit's weights must be what the engine reads and values alike.
scripts/test-fit.sh build/dev
# Two games against GNU Backgammon keep the measuring recipe working.
scripts/vs-gnubg.sh 2 --engine build/dev/engine/morvik-engine
# The Debian package from the same build: built, checked, installed, tried
# as a user meets it, removed.
scripts/package.sh build/dev
scripts/check-installed.sh build/package/morvik_*_amd64.deb
if [ "${MORVIK_SKIP_ASAN:-0}" != "1" ]; then
  cmake --preset asan
  cmake --build --preset asan -j "$jobs"
  ctest --preset asan -j "$jobs"
fi
fuzz_seconds=${MORVIK_FUZZ_SECONDS:-60}
if [ "$fuzz_seconds" != "0" ]; then
  scripts/fuzz.sh "$fuzz_seconds"
fi
