#!/usr/bin/env bash
# train/label.sh keeps one set of weights' play to a folder: a new folder is
# marked with the weights' checksum, and other weights are refused there with
# exit status 2, before anything is played; without --out it finds the folder
# that holds the weights' play.
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
# Without --out, the chunks go to the folder that holds these weights' play,
# from its first chunk on; weights no folder holds are refused.
bash train/label.sh --chunks 0 --weights train/runs/gen-1/gammon.pc --build "$build" 2>"$out/err" &&
  grep -q "chunks from 100 on go to train/labels/gen-2" "$out/err" ||
  { echo "FAIL: the folder of these weights: $(cat "$out/err")"; failed=1; }
{ cat train/runs/gen-1/gammon.pc; echo; } > "$out/other.pc"
bash train/label.sh --chunks 0 --weights "$out/other.pc" --build "$build" 2>"$out/err"
[ $? -eq 2 ] && grep -q "no folder under train/labels" "$out/err" ||
  { echo "FAIL: weights no folder holds: $(cat "$out/err")"; failed=1; }
label --weights "$out/missing.pc" 2>"$out/err"
[ $? -eq 2 ] && grep -q "no weight file" "$out/err" || { echo "FAIL: a missing weight file"; failed=1; }
# A weight file replaced during a run ends it before the next chunk. One
# stand-in serves as both programs: it makes the file it is asked for and, as
# the trainer (given --resume), changes the weights while it plays a chunk.
mkdir -p "$out/fake/train" "$out/fake/engine"
cp train/runs/gen-1/gammon.pc "$out/moving.pc"
cat > "$out/fake/train/morvik-train" <<'FAKE'
#!/usr/bin/env bash
while [ $# -gt 0 ]; do
  case $1 in --collect | --output) : > "$2" ;; --resume) echo >> "$2" ;; esac; shift
done
FAKE
chmod +x "$out/fake/train/morvik-train"
cp "$out/fake/train/morvik-train" "$out/fake/engine/morvik-engine"
bash train/label.sh --chunks 2 --out "$out/moving" --weights "$out/moving.pc" --build "$out/fake" 2>"$out/err"
[ $? -eq 2 ] && grep -q "changed during the run; chunk-0001 not made" "$out/err" &&
  [ -f "$out/moving/chunk-0000.lbl.gz" ] && [ ! -e "$out/moving/chunk-0001.lbl.gz" ] ||
  { echo "FAIL: weights changed during a run: $(cat "$out/err")"; failed=1; }
exit $failed
