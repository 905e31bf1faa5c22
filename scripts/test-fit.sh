#!/usr/bin/env bash
# The PyTorch fit against the engine: one epoch of train/fit.py on a committed
# chunk of labels must write a weight file the engine reads, which values
# positions as the fit's own network does, and which reads back as written.
# Takes a few seconds.
#   scripts/test-fit.sh [BUILD_DIR]   (build/dev)
set -euo pipefail
case "${1:-}" in
  -h|--help) sed -n '2,6p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
esac
cd "$(dirname "$0")/.."
build=${1:-build/dev}
py=/usr/bin/python3
[ -x "$py" ] || py=python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
labels=train/labels/full/chunk-0001.lbl.gz
"$py" train/fit.py --resume data/gammon.pc --output "$work/fitted.pc" --epochs 1 --lr 1e-3 \
  --pairs 1 --anchor 1e-3 --checkpoints "$work/epochs" "$labels" 2> "$work/log" ||
  { cat "$work/log" >&2; exit 1; }
cmp -s "$work/fitted.pc" "$work/epochs/epoch-001.pc" || { echo "the checkpoint differs" >&2; exit 1; }
# A wider network only measures: it steps, and writes no weight file.
# It needs no --output, and a 40-unit fit refuses to run without one.
"$py" train/fit.py --resume data/gammon.pc --epochs 1 --hidden 48 \
  --held-out 0.2 "$labels" 2> "$work/wider.log" || { cat "$work/wider.log" >&2; exit 1; }
[ "$(echo "$work"/*.pc)" = "$work/fitted.pc" ] || { echo "a fit with --hidden 48 wrote weights" >&2; exit 1; }
if "$py" train/fit.py --resume data/gammon.pc --epochs 1 "$labels" 2> "$work/none.log"; then
  echo "a fit without --output ran" >&2; exit 1
fi
grep -q -- "--output is needed" "$work/none.log" || { cat "$work/none.log" >&2; exit 1; }
held=$(grep -o 'held-out rms [0-9.]*' "$work/wider.log" | sort -u | wc -l)
[ "$held" -eq 2 ] || { echo "a fit with --hidden 48 did not step" >&2; cat "$work/wider.log" >&2; exit 1; }
# --epochs 0 only measures: the starting error of the same split, no weights.
"$py" train/fit.py --resume data/gammon.pc --epochs 0 --held-out 0.2 "$labels" 2> "$work/measure.log" ||
  { cat "$work/measure.log" >&2; exit 1; }
[ "$(echo "$work"/*.pc)" = "$work/fitted.pc" ] || { echo "a fit with --epochs 0 wrote weights" >&2; exit 1; }
[ "$(cat "$work/measure.log")" = "$(head -n1 "$work/wider.log")" ] ||
  { echo "--epochs 0 measured otherwise than a fit starts" >&2; cat "$work/measure.log" >&2; exit 1; }
"$py" - "$build/engine/morvik-engine" "$work/fitted.pc" "$labels" <<'EOF'
import subprocess, sys
sys.path.insert(0, "train")
import fit
engine, weights, labels = sys.argv[1:]
values = fit.read_weights(weights)
assert values != fit.read_weights("data/gammon.pc"), "the fit did not step"
floats = fit.torch.randn(fit.WEIGHTS)  # every float32 must survive the file
fit.write_weights(weights + ".again", floats.tolist())
again = fit.torch.tensor(fit.read_weights(weights + ".again"), dtype=fit.torch.float32)
assert fit.torch.equal(again, floats), "the weights do not read back as written"
rows = fit.read_all([labels])[0].view(-1, 2, fit.ROWS).long()
mine = fit.forward(fit.layers(values), fit.inputs(rows)).view(-1)
wider = fit.forward(fit.layers(values, 56), fit.inputs(rows)).view(-1)
assert fit.torch.allclose(wider, mine, atol=1e-6), "a wider network values positions otherwise"
worst = 0.0
for i in range(0, len(rows), len(rows) // 25):
    own, other = rows[i].tolist()  # the engine's board puts the side that has just moved second
    board = [0] * 26
    for p in range(1, 25):
        board[p] = other[p] - own[25 - p]
    board[25], board[0] = other[25], -own[25]
    out = subprocess.run([engine, "eval", "--board", ",".join(map(str, board)), "--weights", weights],
                         capture_output=True, text=True, check=True).stdout
    worst = max(worst, abs(float(out.split()[-1]) - mine[i].item()))
assert worst < 1e-6, f"the fit's network and the engine's differ by {worst}"
print(f"fit: one epoch, the engine reads the weights and values 26 positions within {worst:.1e}")
EOF
