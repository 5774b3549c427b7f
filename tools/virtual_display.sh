# Sourced by the tools that run the game on a virtual display (needs Xvfb, which
# scripts/install-deps installs). start_virtual_display starts Xvfb on the first free display
# number from 90 and points DISPLAY at it; its process id is left in xvfb_pid for the
# caller's clean-up to end.
start_virtual_display() {
  local number=90
  while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
  export DISPLAY=:$number
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [[ -e /tmp/.X11-unix/X$number ]] && return 0
    sleep 0.05
  done
  echo "$(basename "$0"): Xvfb did not start" >&2
  return 1
}
