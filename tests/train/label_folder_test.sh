#!/usr/bin/env bash
# train/label.sh keeps one set of weights' play to a folder: a new folder is
# marked with the weights' checksum, and other weights are refused there with
# exit status 2, before anything is played.
set -u
src=${1:?usage: label_folder_test.sh SOURCE_DIR BUILD_DIR}
build=${2:?usage: label_folder_test.sh SOURCE_DIR BUILD_DIR}
cd "$src" || exit 1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=0
label() { bash train/label.sh --chunks 0 --out "$out/labels" --build "$build" "$@"; }
label --weights train/runs/gen-1/gammon.pc 2>"$out/err" ||
  { echo "FAIL: a new folder: $(cat "$out/err")"; failed=1; }
[ "$(cat "$out/labels/weights.md5")" = "$(md5sum < train/runs/gen-1/gammon.pc | cut -d' ' -f1)" ] ||
  { echo "FAIL: the folder does not name the weights"; failed=1; }
label --weights train/runs/gen-1/gammon.pc 2>"$out/err" ||
  { echo "FAIL: the same weights again: $(cat "$out/err")"; failed=1; }
label --weights train/runs/gen-2/gammon.pc 2>"$out/err"
status=$?
[ "$status" -eq 2 ] && grep -q "holds the play of other weights" "$out/err" ||
  { echo "FAIL: other weights: status $status, '$(cat "$out/err")'"; failed=1; }
label --weights "$out/missing.pc" 2>"$out/err"
[ $? -eq 2 ] && grep -q "no weight file" "$out/err" || { echo "FAIL: a missing weight file"; failed=1; }
exit $failed
