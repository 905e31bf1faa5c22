#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset, clang) and runs each for a
# bounded time:
#
#   scripts/fuzz.sh [SECONDS per target, default 60] [TARGET...]
#
# New inputs go to fuzz/corpus-run/<name>/ (not kept in git); a crash leaves
# its input in fuzz/corpus-run/artifacts/ and fails the script; inputs kept in
# fuzz/crashes/<name>/ are replayed by ctest (fuzz_replay_<name>).
set -euo pipefail
if [[ "${1:-}" == -h || "${1:-}" == --help ]]; then
  sed -n '2,/^[^#]/{/^#/s/^# \{0,1\}//p}' "$0"
  exit 0
fi
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=()
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"
mkdir -p fuzz/corpus-run/artifacts
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for name in "${targets[@]}"; do
  run=fuzz/corpus-run/$name
  mkdir -p "$run"
  maxlen=4096
  [ -f "fuzz/corpus/$name.options" ] && maxlen=$(cat "fuzz/corpus/$name.options")
  log=fuzz/corpus-run/$name.log
  echo "== $name: ${seconds}s"
  if build/fuzz/fuzz/fuzz_$name "$run" "fuzz/corpus/$name" -max_total_time="$seconds" -max_len="$maxlen" \
      -rss_limit_mb=1024 -timeout=10 -print_final_stats=1 -artifact_prefix=fuzz/corpus-run/artifacts/"$name"- \
      >"$log" 2>&1; then
    grep -E '^#[0-9]+\s+DONE' "$log" | tail -1 || true
  else
    echo "FAILED: $name (see $log); once fixed, keep the input in fuzz/crashes/$name/ (ctest replays it)"
    tail -40 "$log"
    failed=1
  fi
done
exit $failed
