#!/usr/bin/env bash
# The Windows build under Wine on a virtual display, in a fresh Wine prefix of its own:
#   - the tests of the rules and of the settings file, built for Windows;
#   - the start screen, Game Options and the close button's question equal the desktop's
#     reference images, read from the window (the screen magnified by a whole number);
#   - the first start writes the desktop's default Tumbla.ini, byte for byte;
#   - a second copy in the same folder is refused and ends with status 1;
#   - a whole game played by keys reaches the name entry, and Tumbla.ini holds the new table;
#   - the installer installs silently, the installed game starts and saves, and the
#     uninstaller removes the program and keeps the scores.
#   tests/windows/test_windows.sh <windows build folder> <reference image folder>
# Needs Xvfb, xdotool, ImageMagick and wine (scripts/install-deps --windows).
set -euo pipefail

build=$(cd "${1:?usage: test_windows.sh <windows build folder> <reference image folder>}" && pwd)
goldens=$(cd "${2:?usage: test_windows.sh <windows build folder> <reference image folder>}" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
started_at=$SECONDS

work=$(mktemp -d)
cleanup() {
  stop_game_and_display
  if [[ -d "$work/prefix" ]]; then wineserver -k 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=../../tools/virtual_display.sh
source "$root/tools/virtual_display.sh"
# shellcheck source=../../tools/game_window.sh
source "$root/tools/game_window.sh"

failures=0
pass() { echo "test_windows: ok: $*"; }
fail() {
  echo "test_windows: FAILED: $*" >&2
  failures=$((failures + 1))
}

# The window manager's close button, which the virtual display has none of.
cc -O2 -Wall -Wextra -o "$work/close_window" "$root/tests/windows/close_window.c" -lX11

export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No offer to download Wine's .NET and browser engine: the game needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
start_virtual_display
wine wineboot -i >"$work/wineboot.txt" 2>&1 || { cat "$work/wineboot.txt" >&2; exit 1; }
wineserver -w
echo "test_windows: Wine ready after $((SECONDS - started_at)) s"

# ---- the tests built for Windows ------------------------------------------------------------

# The cases that only a POSIX system has: a folder named in bytes that are not UTF-8 (every
# Windows name is UTF-16), and the executable's path read from /proc.
declare -A posix_only=([persistence_tests.exe]="GameSettingsTest.AFolderNamedInLatin1IsAHomeLikeAnyOther:ProgramObjects.*")
for program in "$build"/tests/windows/*_tests.exe; do
  if (cd "$work" && wine "$program" --gtest_brief=1 --gtest_filter="-${posix_only[$(basename "$program")]:-}" \
    >"$work/unit.txt" 2>&1); then
    pass "$(basename "$program"): $(grep -Eo '[0-9]+ tests? from [0-9]+ test suites? ran' "$work/unit.txt")"
  else
    cat "$work/unit.txt" >&2
    fail "$(basename "$program")"
  fi
done

# ---- the game -------------------------------------------------------------------------------

# Starts Tumbla.exe from the folder given, in the background: game_pid, game_output.
start_game() {
  game_output=$work/game-$RANDOM.txt
  (cd "$1" && exec wine Tumbla.exe) >"$game_output" 2>&1 &
  game_pid=$!
  find_window
  settle
}

# The window's picture against a reference image magnified as the window magnifies it.
expect_screen() {
  local name=$1 shot=$work/$1.png
  import -window "$window" -crop "$((240 * scale))x$((320 * scale))+$offset_x+$offset_y" +repage "$shot"
  convert "$goldens/$name.png" -scale "$((scale * 100))%" "$work/$name-expected.png"
  local differing
  differing=$(compare -metric AE "$shot" "$work/$name-expected.png" null: 2>&1 || true)
  if [[ "$differing" == "0" ]]; then
    pass "$name equals the desktop's reference image (at ${scale}x)"
  else
    cp "$shot" "$build/failed-$name.png"
    fail "$name: $differing pixels differ from $goldens/$name.png (the window's picture: $build/failed-$name.png)"
  fi
}

game=$work/game
mkdir "$game"
cp "$build/Tumbla.exe" "$build/Tumbla.htm" "$game/"

start_game "$game"
expect_screen board_start
choose "Game Options"
expect_screen options
key Return
[[ -f "$game/Tumbla.ini" ]] || fail "the first start wrote no Tumbla.ini"
default_settings=$(od -An -c "$game/Tumbla.ini")

# A second copy in the same folder says so in its box and ends, without touching the file.
first_pid=$game_pid first_window=$window
(cd "$game" && exec wine Tumbla.exe) >"$work/second.txt" 2>&1 &
second_pid=$!
second_window=""
for _ in $(seq 300); do
  second_window=$(xdotool search --onlyvisible --name '^Tumbla$' 2>/dev/null | grep -vx "$first_window" | head -n 1 || true)
  [[ -n "$second_window" ]] && break
  sleep 0.2
done
if [[ -z "$second_window" ]]; then
  fail "the second copy showed no box"
else
  sleep 1
  xdotool windowfocus --sync "$second_window"
  xdotool key Return
  status=0
  wait "$second_pid" || status=$?
  if ((status == 1)); then pass "a second copy is refused (status 1)"; else fail "the second copy ended with status $status"; fi
fi
window=$first_window game_pid=$first_pid
xdotool windowfocus --sync "$window"

# The close button asks the Exit question; Yes ends the game, saving. A tap on the banner first
# puts away the focus marks the keys above showed, as on the desktop's picture.
tap 120 40
"$work/close_window" "$window"
settle
expect_screen exit_question
xdotool key Return
status=0
wait_for_exit 60 || status=$?
((status == 0)) || fail "the game ended with status $status after the close button's Yes"
[[ "$(od -An -c "$game/Tumbla.ini")" == "$default_settings" ]] || fail "Tumbla.ini changed without a game"

# The desktop's default file, byte for byte (the settings fuzzer starts from a copy of it).
desktop_default=$root/tests/fuzz/corpus/settings_file/defaults
if cmp -s "$game/Tumbla.ini" "$desktop_default"; then
  pass "the first start writes the desktop's default Tumbla.ini ($(stat -c %s "$game/Tumbla.ini") bytes)"
else
  fail "Tumbla.ini differs from the desktop's default file"
fi

# A whole game by keys, from a table of ten scores of 0, so that it ends at the name entry.
{
  printf '<AUDIO>1\n<COLOR>0\n<SPEED>1\n'
  for i in $(seq 0 9); do printf '<HISC%d>0\n<HINA%d>Nobody\n' "$i" "$i"; done
} >"$game/Tumbla.ini"
start_game "$game"
for _ in $(seq 13); do
  key space
  key 1 3
  key g
  key Down Return
done
type_text Wine
key Return
key Return
exit_game 60
total=$(sed -n 's/^<HISC0>//p' "$game/Tumbla.ini" | tr -d '\r')
{
  printf '<AUDIO>1\n<COLOR>0\n<SPEED>1\n<HISC0>%s\n<HINA0>Wine\n' "$total"
  for i in $(seq 1 9); do printf '<HISC%d>0\n<HINA%d>Nobody\n' "$i" "$i"; done
} >"$work/expected.ini"
if [[ "$total" =~ ^[1-9][0-9]*$ ]] && cmp -s "$game/Tumbla.ini" "$work/expected.ini"; then
  pass "a whole game by keys enters the table: Tumbla.ini holds exactly the new table (total $total)"
else
  fail "Tumbla.ini after the game is not the expected table:"
  cat "$game/Tumbla.ini" >&2
fi

# ---- the installer --------------------------------------------------------------------------

setup=$(ls "$build"/Tumbla-*-setup.exe)
installed=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Tumbla
shortcut=$(dirname "$installed")/../../Roaming/Microsoft/Windows/Start\ Menu/Programs/Tumbla.lnk
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tumbla'
wine "$setup" /S >"$work/setup.txt" 2>&1 || fail "the installer ended with status $?"
wineserver -w
if [[ -f "$installed/Tumbla.exe" && -f "$installed/Tumbla.htm" && -f "$installed/Uninstall.exe" && -f "$shortcut" ]] &&
  wine reg query "$uninstall_key" /v DisplayVersion >/dev/null 2>&1; then
  pass "the installer installs for this user, with a Start-menu shortcut and an uninstaller listed"
else
  fail "the installer left: $(ls "$installed" 2>&1 | tr '\n' ' ')"
fi

start_game "$installed"
"$work/close_window" "$window"
settle
xdotool key Return
status=0
wait_for_exit 60 || status=$?
if ((status == 0)) && [[ -f "$installed/Tumbla.ini" ]]; then
  pass "the installed game starts and saves beside itself"
else
  fail "the installed game ended with status $status, its folder holding: $(ls "$installed" | tr '\n' ' ')"
fi

# The uninstaller hands over to a copy of itself and returns at once: its work is waited for.
wine "$installed/Uninstall.exe" /S >"$work/uninstall.txt" 2>&1 || fail "the uninstaller ended with status $?"
for _ in $(seq 150); do
  [[ -f "$installed/Tumbla.exe" ]] || break
  sleep 0.2
done
wineserver -w
if [[ ! -e "$installed/Tumbla.exe" && ! -e "$installed/Uninstall.exe" && ! -e "$shortcut" && -f "$installed/Tumbla.ini" ]] &&
  ! wine reg query "$uninstall_key" >/dev/null 2>&1; then
  pass "the uninstaller removes the program and keeps the scores"
else
  fail "after the uninstaller: $(ls -A "$installed" 2>&1 | tr '\n' ' ')"
fi

echo "test_windows: $failures failed, in $((SECONDS - started_at)) s"
((failures == 0))
