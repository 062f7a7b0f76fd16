#!/usr/bin/env bash
# with-desktop.sh COMMAND [ARGS...]: runs COMMAND on a private X server
# (Xvfb) with a small window manager (openbox), as on an operator's desktop,
# and stops both afterwards. COMMAND's exit status is the script's.
set -euo pipefail
dir=$(mktemp -d)
xserver="" wm=""
cleanup() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT

# wait_for FILE PID NAME LOG: until FILE holds something, or PID has ended.
wait_for() {
  for _ in $(seq 200); do
    [ -s "$1" ] && return 0
    kill -0 "$2" 2>/dev/null || { cat "$4" >&2; exit 1; }
    sleep 0.05
  done
  echo "$3 did not start" >&2
  exit 1
}

# The server picks a free display and writes its number once it listens.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xserver=$!
wait_for "$dir/display" "$xserver" Xvfb "$dir/xvfb.log"
export DISPLAY=":$(head -n1 "$dir/display")"

# Windows shown before the manager has taken the screen would be placed
# without it: wait until openbox has started.
openbox --sm-disable --startup "sh -c 'echo up > $dir/ready'" >"$dir/openbox.log" 2>&1 &
wm=$!
wait_for "$dir/ready" "$wm" openbox "$dir/openbox.log"

unset QT_QPA_PLATFORM
status=0
"$@" || status=$?
exit "$status"
