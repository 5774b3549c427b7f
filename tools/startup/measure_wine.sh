#!/usr/bin/env bash
# Start-up of the Windows build under Wine on a virtual display: time from launch to its first
# frame (median of five starts, after one that warms the caches), against a bare Win32 window
# of the same size started the same way in the same run, the floor under any Windows program
# under Wine here. One Wine server serves every start, as a running desktop's would.
#   tools/startup/measure_wine.sh [Tumbla.exe]      (default: build-win/Tumbla.exe)
# Needs Xvfb, the X headers, a C++ compiler, mingw-w64 and wine (scripts/install-deps --tools
# and --windows).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
game=${1:-build-win/Tumbla.exe}
starts=5

fail() {
  echo "measure_wine: $*" >&2
  exit 1
}
[[ -f "$game" ]] || fail "no Tumbla.exe at $game; make windows first"

work=$(mktemp -d)
xvfb_pid=""
running=""
cleanup() {
  if [[ -n "$running" ]]; then kill -KILL "$running" 2>/dev/null || true; fi
  if [[ -d "$work/prefix" ]]; then WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; fi
  if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

c++ -std=c++20 -O2 -Wall -Wextra -o "$work/first_frame_probe" "$here/first_frame_probe.cpp" -lX11 -lXdamage ||
  fail "cannot build the probe (scripts/install-deps --tools)"
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -municode -mwindows -static -o "$work/bare_window.exe" \
  "$here/bare_window_win32.cpp" || fail "cannot build the bare window (scripts/install-deps --windows)"
mkdir "$work/game"
cp "$game" "$work/game/Tumbla.exe"

# shellcheck source=../virtual_display.sh
source "$here/../virtual_display.sh"
start_virtual_display || exit 1
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir "$WINEPREFIX"
wineserver -p
wine wineboot -i >/dev/null 2>&1
# The prefix's first program finishes setting it up; no start measured pays for that.
wine cmd /c exit >/dev/null 2>&1

# Ends the Windows program under measurement at once (Wine keeps a window of a program ended
# by SIGTERM in a state that holds up the next start's first frame), and lets Wine clear it.
stop() {
  kill -KILL "$1" 2>/dev/null || true
  sleep 0.5
}

median() { printf '%s\n' "$@" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }

median_start() {
  local label=$1 times=() answer
  shift
  for attempt in $(seq 0 "$starts"); do
    answer=$(cd "$work/game" && "$work/first_frame_probe" wine "$@") || fail "$label showed no frame"
    running=${answer% *}
    stop "$running"
    running=""
    ((attempt == 0)) || times+=("${answer#* }")
  done
  frame_ms=$(median "${times[@]}")
  echo "start-up to first frame under Wine, $label: $frame_ms ms (median of ${times[*]})"
}

median_start "bare Win32 window" "$work/bare_window.exe"
bare_ms=$frame_ms
median_start "game" "$work/game/Tumbla.exe"
awk -v game="$frame_ms" -v bare="$bare_ms" 'BEGIN { printf "start-up under Wine, game against bare window: %.2fx\n", game / bare }'
