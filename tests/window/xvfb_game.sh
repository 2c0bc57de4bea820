# Sourced by the real-window tests: a private Xvfb, a copy of the built game running on it, and
# clean-up of both when the test ends. Sets work, DISPLAY, zeru_pid and window.
#   start_xvfb; start_game <runtime folder> <log file>; wait_for_window
work="$(mktemp -d /tmp/zeru-window-test.XXXXXX)"
xvfb_pid=""
zeru_pid=""
window=""

cleanup() {
  local status=$?
  for pid in $zeru_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A private display on a random high number: the lowest free number is the one another test's
# Xvfb may be releasing at that very moment, and a server that starts while the old one still
# tears down loses its socket. A display counts as ours once its socket file exists and answers.
start_xvfb() {
  local number
  for _ in 1 2 3 4 5; do
    number=$((100 + RANDOM % 800))
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      if [ -S "/tmp/.X11-unix/X$number" ] && xdpyinfo -display ":$number" >/dev/null 2>&1; then
        export DISPLAY=":$number"
        break 2
      fi
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  [ -n "$xvfb_pid" ] || fail "Xvfb did not start"
  export XDG_RUNTIME_DIR="$work/xdg"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM
  # The game is killed at the end, so a leak report could only be noise.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
}

# The game writes beside itself, so it runs from a copy.
start_game() {
  mkdir "$work/game"
  cp -r "$1/zeru" "$1/dat" "$1/cg" "$work/game/"
  "$work/game/zeru" >"$2" 2>&1 &
  zeru_pid=$!
}

wait_for_window() {
  for _ in $(seq 200); do
    window="$(xdotool search --onlyvisible --class zeru 2>/dev/null | head -n1 || true)"
    [ -n "$window" ] && break
    kill -0 "$zeru_pid" 2>/dev/null || fail "zeru ended early"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no zeru window appeared"
  sleep 1
}
