#!/usr/bin/env bash
# Time from exec to the named window being mapped, and the peak RSS by then.
# Run under a display (xvfb-run). Usage: startup.sh RUNS TITLE PROGRAM [ARGS...]
# Prints one line per run: "<milliseconds> <peak RSS KiB>".
set -euo pipefail
runs=$1 title=$2
shift 2
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  if ! timeout 30 xdotool search --sync --onlyvisible --name "^${title}\$" >/dev/null; then
    kill "$pid" 2>/dev/null || true
    echo "startup.sh: '${title}' never appeared" >&2
    exit 1
  fi
  end=$(date +%s%N)
  # Let the first paint finish before reading the high-water mark.
  sleep 0.3
  rss=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((end - start) / 1000)) $rss" | awk '{printf "%.1f %d\n", $1 / 1000, $2}'
done
