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

# Xvfb picks a free display number and writes it to the descriptor it is given. A display whose
# socket is not yet (or no longer) reachable is given up and another one started.
start_xvfb() {
  for _ in 1 2 3; do
    rm -f "$work/display"
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do
      [ -s "$work/display" ] && break
      sleep 0.1
    done
    if [ -s "$work/display" ]; then
      export DISPLAY=":$(head -n1 "$work/display")"
      for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && break 2
        sleep 0.1
      done
    fi
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
