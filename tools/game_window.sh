# Sourced by the tools and tests that play the real game on a virtual display through
# xdotool (after virtual_display.sh). The caller starts the game in the background and leaves
# its process id in game_pid and the file its output goes to in game_output; find_window then
# finds its window, tap, key, type_text and choose act on it as the pen and the keyboard do,
# each returning once the game has settled, and exit_game ends it through its menu. A game
# that ends in the middle stops the whole run with its status and output.

# Ends the game and the virtual display where they still run, for the caller's clean-up. Both
# were started by the caller and are ended by their own ids; their exit status is no news.
stop_game_and_display() {
  if [[ -n "${game_pid:-}" ]]; then kill "$game_pid" 2>/dev/null || true; wait "$game_pid" 2>/dev/null || true; fi
  if [[ -n "${xvfb_pid:-}" ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}

window=""
scale=1
offset_x=0
offset_y=0
# The screen is 240 by 320, magnified by a whole number and centred in the window.
find_window() {
  local started=$SECONDS
  until window=$(xdotool search --onlyvisible --name '^Tumbla$' 2>/dev/null) && [[ -n "$window" ]]; do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      echo "$(basename "$0"): the game ended before showing its window:" >&2
      [[ -z "$game_output" ]] || cat "$game_output" >&2
      return 1
    fi
    ((SECONDS - started < 300)) || { echo "$(basename "$0"): no window after 300 s" >&2; return 1; }
    sleep 0.2
  done
  window=${window%%$'\n'*}
  local WIDTH HEIGHT X Y SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window")"
  scale=$(((WIDTH / 240) < (HEIGHT / 320) ? WIDTH / 240 : HEIGHT / 320))
  ((scale >= 1)) || scale=1
  offset_x=$(((WIDTH - 240 * scale) / 2))
  offset_y=$(((HEIGHT - 320 * scale) / 2))
  # Keys go to the window with the focus, through the X test extension as real ones do.
  xdotool windowfocus --sync "$window"
}

game_output=${game_output:-}
# Stops the whole run when the game is gone before Exit: a crash, or input that went astray.
cpu_ticks() {
  if ! awk '{print $14 + $15}' "/proc/$game_pid/stat" 2>/dev/null; then
    local status=0
    wait "$game_pid" || status=$?
    game_pid=""
    echo "$(basename "$0"): the game ended in the middle of play, with status $status:" >&2
    cat "$game_output" >&2
    exit 1
  fi
}

# Returns once the game has used almost no processor time for 0.4 s (its idle timer costs
# about a tick a second, three under valgrind): what the last input started is over, or
# waits in one of the roll's pauses, which keep later input for when they end.
settle() {
  local quiet=0 before after
  sleep 0.1
  before=$(cpu_ticks)
  while ((quiet < 2)); do
    sleep 0.2
    after=$(cpu_ticks)
    if ((after - before <= 2)); then quiet=$((quiet + 1)); else quiet=0; fi
    before=$after
  done
}

# A pen tap at a point of the handheld's screen.
tap() {
  xdotool mousemove --window "$window" $((offset_x + $1 * scale + scale / 2)) $((offset_y + $2 * scale + scale / 2)) \
    click 1
  settle
}
key() {
  xdotool key --delay 80 "$@"
  settle
}
type_text() {
  xdotool type --delay 120 "$1"
  settle
}

# Where the board's controls are on the screen: the board fills the screen below the title
# bar, its template's units are 1.5 pixels wide and 1.625 pixels high.
tap_go() { tap 213 266; }
tap_die() { tap 212 $((70 + 39 * $1)); }                               # 0 to 4, top first
tap_cell() { tap $((($1 % 2) ? 162 : 72)) $((70 + 26 * ($1 / 2))); }  # 0 to 12, the categories
# The "Menu" button and its pop-up, which rises from the menu bar.
choose() {
  local -A item_y=([New Game]=149 [Show Hi Scores]=176 [Reset Hi Scores]=196 [Game Options]=216 [About Tumbla]=236
                   [Exit]=283)
  tap 20 307
  tap 50 "${item_y[$1]}"
}


# Exit from the menu, answered Yes by its default button. Returns once the game has ended with
# status 0; stops the run with the game's status and output when it does not within $1 s.
exit_game() {
  choose "Exit"
  xdotool key Return
  local status=0
  wait_for_exit "$1" || status=$?
  ((status == 0)) && return 0
  echo "$(basename "$0"): the game ended with status $status:" >&2
  cat "$game_output" >&2
  exit 1
}

# The game's exit status, or a failure when it does not end within the time given.
wait_for_exit() {
  local started=$SECONDS
  while kill -0 "$game_pid" 2>/dev/null; do
    ((SECONDS - started < $1)) || { echo "$(basename "$0"): the game did not end after Exit" >&2; return 1; }
    sleep 0.2
  done
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  return "$status"
}
