#!/usr/bin/env bash
# Measures the game on a virtual display: time from launch to its first frame and the
# processor time spent by then (medians of five starts, after one start that warms the
# caches), resident memory three seconds after start, and processor use while it sits idle
# on the board for ten seconds. A bare SDL window of the same size is measured the same way,
# the floor under any SDL program here, and each figure of the game is also given against it.
# Last, taps on GO to the first new dice in the window, against GO's own pressed look in the
# same taps.
#   tools/startup/measure.sh [game executable] [earlier game executable]
# (default: build/src/app/tumbla). An earlier build given too has its resident memory measured
# in the same run, so that a change's effect is told apart from the machine's mood.
# Needs Xvfb, the X headers and a C++ compiler (scripts/install-deps --tools). The game runs
# from a copy in a temporary folder, so its settings file lands there and yours stays untouched.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
game=${1:-build/src/app/tumbla}
earlier=${2:-}
starts=5
memory_after_seconds=3
idle_seconds=10
rolls=21

fail() {
  echo "measure: $*" >&2
  exit 1
}
[[ -x "$game" ]] || fail "no game executable at $game; build it first"
[[ -z "$earlier" || -x "$earlier" ]] || fail "no earlier game executable at $earlier"
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
c++ -std=c++20 -O2 -Wall -Wextra -o "$work/go_to_dice_probe" "$here/go_to_dice_probe.cpp" -lX11 -lXdamage -lXtst ||
  fail "cannot build the probe of GO (scripts/install-deps --tools)"
# shellcheck disable=SC2046  # sdl2-config prints several words on purpose
c++ -std=c++20 -O2 -Wall -Wextra -o "$work/bare_window" "$here/bare_window.cpp" $(sdl2-config --cflags --libs) ||
  fail "cannot build the bare window"
cp "$game" "$work/tumbla"
if [[ -n "$earlier" ]]; then
  mkdir "$work/earlier"
  cp "$earlier" "$work/earlier/tumbla"
fi

# The virtual desktop is 1280x1024, where the game chooses a scale of three: the bare window has the same 720x960.
# shellcheck source=../virtual_display.sh
source "$here/../virtual_display.sh"
start_virtual_display || exit 1
export SDL_AUDIODRIVER=dummy
# As on a desktop without a session bus: SDL would otherwise launch one for every start.
export DBUS_SESSION_BUS_ADDRESS=disabled:

# Processor time of all the program's threads so far, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { print sum }'; }

# Starts the program: its id in $running, its first-frame time in $frame_ms and the processor
# time it took to get there in $frame_cpu_ms, which a busy machine disturbs much less.
start() {
  local answer
  answer=$("$work/first_frame_probe" "$@") || fail "$1 showed no frame"
  running=${answer% *}
  frame_ms=${answer#* }
  frame_cpu_ms=$(awk -v ns="$(cpu_ns "$running")" 'BEGIN { printf "%.1f", ns / 1e6 }')
}

median_start() {
  local label=$1 times=() cpu_times=()
  shift
  start "$@"
  stop "$running"
  for _ in $(seq "$starts"); do
    start "$@"
    stop "$running"
    running=""
    times+=("$frame_ms")
    cpu_times+=("$frame_cpu_ms")
  done
  frame_ms_median=$(median "${times[@]}")
  frame_cpu_ms_median=$(median "${cpu_times[@]}")
  echo "start-up to first frame, $label: $frame_ms_median ms (median of ${times[*]}), processor time $frame_cpu_ms_median ms"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }

median_start "bare SDL window" "$work/bare_window"
bare_ms=$frame_ms_median bare_cpu_ms=$frame_cpu_ms_median
median_start "game" "$work/tumbla"
awk -v game="$frame_ms_median" -v bare="$bare_ms" -v game_cpu="$frame_cpu_ms_median" -v bare_cpu="$bare_cpu_ms" \
  'BEGIN { printf "start-up, game against bare window: %.2fx, in processor time %.2fx\n", game / bare, game_cpu / bare_cpu }'

# Sets rss_mib and idle_percent for a program started afresh.
settle() {
  start "$@"
  sleep "$memory_after_seconds"
  rss_mib=$(awk '/^VmRSS:/ { printf "%.2f", $2 / 1024 }' "/proc/$running/status")
  local before after
  before=$(cpu_ns "$running")
  sleep "$idle_seconds"
  after=$(cpu_ns "$running")
  idle_percent=$(awk -v ns=$((after - before)) -v seconds="$idle_seconds" 'BEGIN { printf "%.2f", 100 * ns / (seconds * 1e9) }')
  stop "$running"
  running=""
}
settle "$work/bare_window"
bare_rss=$rss_mib bare_idle=$idle_percent
settle "$work/tumbla"
game_rss=$rss_mib game_idle=$idle_percent
echo "resident memory after $memory_after_seconds s: game $rss_mib MiB, bare window $bare_rss MiB, difference $(awk -v g="$rss_mib" -v b="$bare_rss" 'BEGIN { printf "%.2f", g - b }') MiB"
if [[ -n "$earlier" ]]; then
  settle "$work/earlier/tumbla"
  echo "resident memory after $memory_after_seconds s: earlier game $rss_mib MiB, difference to the bare window $(awk -v g="$rss_mib" -v b="$bare_rss" 'BEGIN { printf "%.2f", g - b }') MiB, to the game $(awk -v g="$game_rss" -v e="$rss_mib" 'BEGIN { printf "%+.2f", g - e }') MiB"
fi
echo "idle processor use over $idle_seconds s: game $game_idle %, bare window $bare_idle % of one core"

# The roll comes at the board's next 50 ms tick after the tap, as on the handheld.
start "$work/tumbla"
sleep 1
read -r dice_median dice_worst go_median go_worst < <("$work/go_to_dice_probe" "$rolls") || fail "the taps on GO were not timed"
stop "$running"
running=""
echo "tap on GO to new dice: median $dice_median ms, worst $dice_worst ms (of $rolls);" \
  "to GO's own pressed look, the baseline: median $go_median ms, worst $go_worst ms"
