#!/usr/bin/env bash
# Measures the game on a virtual display: time from launch to its visible window, resident
# memory once it is up, and processor use while it sits idle on the board.
#   tools/measure_startup.sh [game executable]      (default: build/src/app/tumbla)
# Needs Xvfb and xdotool (scripts/install-deps --tools). The game runs from a copy in a
# temporary folder, so its settings file lands there and yours stays untouched.
set -euo pipefail

game=${1:-build/src/app/tumbla}
idle_seconds=5
if [[ ! -x "$game" ]]; then
  echo "measure_startup: no game executable at $game; build it first" >&2
  exit 1
fi
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "measure_startup: $tool is missing (scripts/install-deps --tools)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  # Both were started above and are ended by their own ids; their exit status is no news.
  if [[ -n "$game_pid" ]]; then kill "$game_pid" 2>/dev/null || true; wait "$game_pid" 2>/dev/null || true; fi
  if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
cp "$game" "$work/tumbla"

number=90
while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
export DISPLAY=:$number
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$number ]] && break; sleep 0.05; done
[[ -e /tmp/.X11-unix/X$number ]] || { echo "measure_startup: Xvfb did not start" >&2; exit 1; }

now_ms() { echo $(($(date +%s%N) / 1000000)); }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }

started=$(now_ms)
SDL_AUDIODRIVER=dummy "$work/tumbla" >"$work/output.txt" 2>&1 &
game_pid=$!
until xdotool search --onlyvisible --name '^Tumbla$' >/dev/null 2>&1; do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    echo "measure_startup: the game ended before showing its window:" >&2
    cat "$work/output.txt" >&2
    game_pid=""
    exit 1
  fi
  if (($(now_ms) - started > 10000)); then
    echo "measure_startup: no window after 10 s" >&2
    exit 1
  fi
  sleep 0.005
done
shown=$(now_ms)

sleep 1
rss_kib=$(awk '/^VmRSS:/ {print $2}' "/proc/$game_pid/status")
before=$(cpu_ticks)
sleep "$idle_seconds"
after=$(cpu_ticks)

echo "start-up to visible window: $((shown - started)) ms"
awk -v kib="$rss_kib" 'BEGIN {printf "resident memory: %.1f MiB\n", kib / 1024}'
awk -v ticks=$((after - before)) -v hz="$(getconf CLK_TCK)" -v seconds="$idle_seconds" \
  'BEGIN {printf "idle processor use: %.2f%% of one core over %d s\n", 100 * ticks / (hz * seconds), seconds}'
