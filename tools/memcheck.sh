#!/usr/bin/env bash
# Plays the real game (the SDL build) on a virtual display through xdotool: rolls, holds,
# every category of a whole game, the name entry when the total makes the table, each menu
# command but the help page, a second game, and Exit with its confirmation. It plays twice:
# first as it is, printing its resident memory turn by turn, then under valgrind's memcheck,
# which fails the run on any invalid access and on any memory lost for good; what the
# system's libraries keep or lose of their own is left out (tools/memcheck.supp).
#   tools/memcheck.sh [game executable]      (default: build/src/app/tumbla)
# Needs Xvfb, xdotool and valgrind (scripts/install-deps --tools). The game runs from a
# copy in a temporary folder, so its settings file lands there and yours stays untouched.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/virtual_display.sh"
source "$here/game_window.sh"
game=${1:-build/src/app/tumbla}
if [[ ! -x "$game" ]]; then
  echo "memcheck: no game executable at $game; build it first" >&2
  exit 1
fi
for tool in Xvfb xdotool valgrind; do
  command -v "$tool" >/dev/null || { echo "memcheck: $tool is missing (scripts/install-deps --tools)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  stop_game_and_display
  rm -rf "$work"
}
trap cleanup EXIT
cp "$game" "$work/tumbla"

start_virtual_display

rss_samples=()
sample_rss() { rss_samples+=("$1 $(awk '/^VmRSS:/ {print $2}' "/proc/$game_pid/status")"); }

# The table starts with ten scores of 0, so every game ends with the name entry, a save
# and the table shown.
start_settings() {
  {
    printf '<AUDIO>1\n<COLOR>0\n<SPEED>1\n'
    for i in $(seq 0 9); do printf '<HISC%d>0\n<HINA%d>Nobody\n' "$i" "$i"; done
  } >"$work/Tumbla.ini"
}

# Stops the run when the script's taps and keys did not land where they were meant to.
expect_in_settings() {
  local settings
  settings=$(cat "$work/Tumbla.ini")
  for wanted in "$@"; do
    [[ "$settings" == *"$wanted"* ]] && continue
    echo "memcheck: the scripted play went astray; no \"${wanted//$'\n'/\\n}\" in the settings file:" >&2
    echo "$settings" >&2
    exit 1
  done
}

end_game() {
  type_text Memcheck
  key Return
  key Return
  sample_rss "$1 over"
}

# Thirteen turns by the pen, each taking the next category; holds before the second roll.
play_game_by_pen() {
  local turn
  for turn in $(seq 0 12); do
    tap_go
    tap_die $((turn % 5))
    tap_die $(((turn + 2) % 5))
    tap_go
    tap_cell "$turn"
    sample_rss "pen turn $((turn + 1))"
  done
  end_game "pen game"
  expect_in_settings $'<HINA0>Memcheck\n'
}

# Thirteen turns by keys: GO, two holds, GO again, the ring onto an offer and Enter.
play_game_by_keys() {
  local turn
  for turn in $(seq 1 13); do
    key space
    key 1 3
    key g
    key Down Return
    sample_rss "key turn $turn"
  done
  end_game "key game"
  expect_in_settings $'<HINA1>Memcheck\n'
}

play() {
  rss_samples=()
  find_window
  settle
  sample_rss "start"
  play_game_by_pen
  choose "Show Hi Scores"
  key Return
  choose "Game Options"
  key Tab space Tab space
  key Return
  choose "About Tumbla"
  key Return
  choose "New Game"
  play_game_by_keys
  choose "Reset Hi Scores"
  key Return
}

# ---- as it is: resident memory -------------------------------------------------------------

echo "memcheck: playing two games on $DISPLAY"
game_output=$work/plain.txt
start_settings
SDL_AUDIODRIVER=dummy "$work/tumbla" >"$game_output" 2>&1 &
game_pid=$!
play
exit_game 20
# The options changed in Game Options and the reset table reach the file at Exit.
expect_in_settings $'<COLOR>1\n<SPEED>0\n' $'<HINA0>Avlomo\n'
echo "resident memory (KiB), as it is:"
printf '  %s\n' "${rss_samples[@]}" | awk '{kib = $NF; $NF = ""; printf "  %-14s %8d\n", $0, kib}'

# ---- under memcheck ------------------------------------------------------------------------

echo "memcheck: the same under valgrind (slow)"
start_settings
game_output=$work/valgrind.txt
SDL_AUDIODRIVER=dummy valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=40 --suppressions="$here/memcheck.supp" \
  --gen-suppressions=all "$work/tumbla" >"$game_output" 2>&1 &
game_pid=$!
play
choose "Exit"
xdotool key Return
status=0
wait_for_exit 300 || status=$?
grep -E '^==[0-9]+== (ERROR SUMMARY|   definitely lost|   indirectly lost|   possibly lost|   still reachable|      suppressed)' \
  "$work/valgrind.txt" | sed 's/^==[0-9]*== /  /'
if ((status != 0)); then
  echo "memcheck: FAILED (exit status $status); valgrind's report:" >&2
  cat "$work/valgrind.txt" >&2
  exit 1
fi
echo "memcheck: no invalid access and no lost memory"
