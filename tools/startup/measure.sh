#!/usr/bin/env bash
# Measures the game on a virtual display: time from launch to its first frame (median of
# five starts, after one start that warms the caches), resident memory three seconds after
# start, and processor use while it sits idle on the board for ten seconds. A bare SDL
# window of the same size is measured the same way: the floor under any SDL program here.
#   tools/startup/measure.sh [game executable]      (default: build/src/app/tumbla)
# Needs Xvfb, the X headers and a C++ compiler (scripts/install-deps --tools). The game runs
# from a copy in a temporary folder, so its settings file lands there and yours stays untouched.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
game=${1:-build/src/app/tumbla}
starts=5
memory_after_seconds=3
idle_seconds=10

fail() {
  echo "measure: $*" >&2
  exit 1
}
[[ -x "$game" ]] || fail "no game executable at $game; build it first"
command -v Xvfb >/dev/null || fail "Xvfb is missing (scripts/install-deps --tools)"

work=$(mktemp -d)
xvfb_pid=""
running=""
stop() {
  local pid=$1
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.05; done
  kill -KILL "$pid" 2>/dev/null || true
}
cleanup() {
  if [[ -n "$running" ]]; then stop "$running"; fi
  if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

c++ -std=c++20 -O2 -Wall -Wextra -o "$work/first_frame_probe" "$here/first_frame_probe.cpp" -lX11 -lXdamage ||
  fail "cannot build the probe (scripts/install-deps --tools)"
# shellcheck disable=SC2046  # sdl2-config prints several words on purpose
c++ -std=c++20 -O2 -Wall -Wextra -o "$work/bare_window" "$here/bare_window.cpp" $(sdl2-config --cflags --libs) ||
  fail "cannot build the bare window"
cp "$game" "$work/tumbla"

# The virtual desktop is 1280x1024, where the game chooses a scale of three: the bare window has the same 720x960.
# shellcheck source=../virtual_display.sh
source "$here/../virtual_display.sh"
start_virtual_display || exit 1
export SDL_AUDIODRIVER=dummy
# As on a desktop without a session bus: SDL would otherwise launch one for every start.
export DBUS_SESSION_BUS_ADDRESS=disabled:

# Starts the program: its id in $running, its first-frame time in $frame_ms.
start() {
  local answer
  answer=$("$work/first_frame_probe" "$@") || fail "$1 showed no frame"
  running=${answer% *}
  frame_ms=${answer#* }
}

median_start() {
  local label=$1 times=()
  shift
  start "$@"
  stop "$running"
  for _ in $(seq "$starts"); do
    start "$@"
    stop "$running"
    running=""
    times+=("$frame_ms")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v label="$label" -v all="${times[*]}" \
    '{ t[NR] = $1 } END { printf "start-up to first frame, %s: %s ms (median of %s)\n", label, t[int((NR + 1) / 2)], all }'
}

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

median_start "bare SDL window" "$work/bare_window"
median_start "game" "$work/tumbla"

start "$work/tumbla"
sleep "$memory_after_seconds"
awk '/^VmRSS:/ { printf "resident memory after '"$memory_after_seconds"' s: %.2f MiB\n", $2 / 1024 }' "/proc/$running/status"
before=$(cpu_ticks "$running")
sleep "$idle_seconds"
after=$(cpu_ticks "$running")
awk -v ticks=$((after - before)) -v hz="$(getconf CLK_TCK)" -v seconds="$idle_seconds" \
  'BEGIN {printf "idle processor use: %.2f%% of one core over %d s\n", 100 * ticks / (hz * seconds), seconds}'
