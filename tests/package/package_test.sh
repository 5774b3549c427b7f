#!/usr/bin/env bash
# The Debian package as a player gets it: built and checked by scripts/build-deb, unpacked with
# dpkg -x, and the game in it played on a virtual display by a user who may not write the
# program's folder (nobody, when the test runs as root), with a home of their own. An option
# changed in Game Options must reach that user's ~/.local/share/tumbla/Tumbla.ini byte for
# byte, and nothing may be written in the unpacked package.
#   tests/package/package_test.sh SOURCE_DIR OUT_DIR
set -euo pipefail

source_dir=$1
out=$2
if ! command -v dpkg-buildpackage >/dev/null; then
  echo "package test skipped: dpkg-buildpackage is missing (scripts/install-deps --deb installs it)"
  exit 77
fi
source "$source_dir/tools/virtual_display.sh"
source "$source_dir/tools/game_window.sh"

"$source_dir/scripts/build-deb" "$out"

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  stop_game_and_display
  chmod -R u+w "$work"
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

root=$work/root
dpkg -x "$out"/tumbla_*.deb "$root"
# As installed, the program's folder belongs to root; an unprivileged user who unpacked it
# must not be able to write it either.
chmod -R a-w "$root"
home=$work/home
mkdir "$home"
as_player=()
if [[ $(id -u) -eq 0 ]]; then
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chown nobody:nogroup "$home"
fi
listing() { (cd "$root" && find . -printf '%M %s %T@ %p\n' | sort); }
before=$(listing)

start_virtual_display
game_output=$work/game.txt
"${as_player[@]}" env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy \
  "$root/usr/games/tumbla" >"$game_output" 2>&1 &
game_pid=$!
find_window
settle
# The second option of Game Options, the dice colour, ticked by the keyboard.
choose "Game Options"
key Tab space
key Return
exit_game 20

failed=0
advice=$(echo 'card=- roll=0' | "$root/usr/games/tumbla-advisor")
if [[ $advice != "roll expect 237.4206" ]]; then
  echo "package test: tumbla-advisor answered an empty card with '$advice'" >&2
  failed=1
fi
expected=$work/expected.ini
{
  printf '<AUDIO>1\n<COLOR>1\n<SPEED>1\n'
  score=190
  for name in Avlomo Bexin Corvina Dalmo Evrolde Fennu Gubbo Hesko Ivvorin Jorlamee; do
    printf '<HISC%d>%d\n<HINA%d>%s\n' $(((190 - score) / 10)) "$score" $(((190 - score) / 10)) "$name"
    score=$((score - 10))
  done
} >"$expected"
saved=$home/.local/share/tumbla/Tumbla.ini
if ! cmp "$expected" "$saved"; then
  echo "package test: $saved is not the default table with the dice colour changed:" >&2
  cat "$saved" >&2 || true
  failed=1
fi
if [[ "$(listing)" != "$before" ]]; then
  echo "package test: the game changed the unpacked package:" >&2
  diff <(echo "$before") <(listing) >&2 || true
  failed=1
fi
if [[ -s "$game_output" ]]; then
  echo "package test: the game said:" >&2
  cat "$game_output" >&2
  failed=1
fi
((failed == 0)) && echo "package test: the settings went to $saved"
exit "$failed"
