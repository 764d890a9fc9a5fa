#!/usr/bin/env bash
# A session recorded in velta-editor and replayed by velta-cli sends the same
# bytes: the dialog on the simulated board driven with real clicks and typing
# on a display of its own (xdotool), an action in every panel, a message box,
# a cancelled file dialog and a chosen one; then the recording run by
# velta-cli --script; the two traces compared byte for byte.
# usage: record_replay.sh EDITOR CLI OUTDIR
set -euo pipefail
editor=$(realpath "$1")
cli=$(realpath "$2")
out=$3
rm -rf "$out"
mkdir -p "$out"
out=$(realpath "$out")

if [ -z "${VELTA_RECORD_DISPLAY:-}" ]; then
  exec env VELTA_RECORD_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

seq 0 511 | awk '{ printf "%d%s", $1 * 3, ($1 % 32 == 31) ? "\n" : " " }' >"$out/tfc table.txt"

"$editor" --sim --virtual-time --trace="$out/gui.jsonl" --record "$out/session.velta" \
  2>"$out/editor.err" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# The id of the first visible window whose name matches, after up to 20 s.
window() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return
    sleep 0.1
  done
  echo "record_replay: no window named $1" >&2
  exit 1
}
wid=$(window '^Velta Editor$')
xdotool windowfocus "$wid" 2>/dev/null || true
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
# Template size in dialog units; the host scales it to this client size.
px() { echo $(($1 * WIDTH / 321)); }
py() { echo $(($1 * HEIGHT / 524)); }
# Clicks the middle of a control given in dialog units (x y width height).
click() {
  xdotool mousemove --window "$wid" "$(px $(($1 + $3 / 2)))" "$(py $(($2 + $4 / 2)))" click 1
  sleep 0.3
}
# Types TEXT into the field at x y width height, over what it held.
type_into() {
  click "$1" "$2" "$3" "$4"
  xdotool key ctrl+a BackSpace
  [ -z "$5" ] || xdotool type --delay 30 "$5"
  sleep 0.2
}
# Answers the modal window named NAME with KEYS.
answer() {
  local w
  w=$(window "$1")
  xdotool windowfocus "$w" 2>/dev/null || true
  sleep 0.5
  shift
  xdotool key "$@"
  sleep 0.5
}

# Board chips: EMC2101 register 0x1f read, then its field emptied.
type_into 7 27 40 14 1f
click 56 46 38 14
type_into 7 27 40 14 ""
# PCA9537 Write on the input register: the error box, answered with Enter.
click 14 162 42 14
answer '^PCA9537 WRITE ERROR$' Return
# GPIO 45 ticked; a byte out of the UART.
click 239 55 43 10
type_into 137 198 40 14 41
click 15 198 50 14
# Loaders: TFC Load... cancelled, then the table chosen by its name.
click 203 267 110 14
answer '^Select a file$' Escape
click 203 267 110 14
answer '^Select a file$' ctrl+l
xdotool type --delay 30 "$out/tfc table.txt"
xdotool key Return
sleep 1
# Test bits 15 and 0 set; Tab on to Multi Beam, one entry down.
click 14 328 13 10
click 269 328 13 10
click 217 344 62 14
xdotool key Tab
sleep 0.2
xdotool key Down
sleep 0.3
# FPGA registers: 0x1f read; a value with a blank that the write refuses.
type_into 69 420 45 14 1f
click 122 420 50 14
type_into 169 447 79 14 "00 ff"
click 253 446 51 14
import -window "$wid" "$out/dialog.png"
# Esc: Cancel.
xdotool windowfocus "$wid" 2>/dev/null || true
xdotool key Escape
wait "$pid"
trap - EXIT

set +e
"$cli" --sim --virtual-time --trace="$out/cli.jsonl" --script "$out/session.velta" \
  >"$out/cli.out" 2>"$out/cli.err"
status=$?
set -e
cat "$out/session.velta"
echo "velta-cli exit $status; trace lines: GUI $(wc -l <"$out/gui.jsonl"), CLI $(wc -l <"$out/cli.jsonl")"
for line in "click 1004" "check 1021 1" "click 1027" "file -" "file '$out/tfc table.txt'" \
  "check 1043 1" "select 1060 1" "click 1074" "set 1079 '00 ff'" "set 1001 ''" "click 2"; do
  grep -qF -- "$line" "$out/session.velta" || { echo "FAIL: no '$line' recorded"; exit 1; }
done
# The chosen table went out: its paced block writes are in the trace.
grep -q '"sleep_ms"' "$out/gui.jsonl" || { echo "FAIL: the chosen table was not loaded"; exit 1; }
cmp "$out/gui.jsonl" "$out/cli.jsonl"
echo "PASS: the recording replays with a byte-identical trace"
