#!/usr/bin/env bash
# Time from starting the game to its window on the screen, the Linux build
# against the Windows build under Wine, on the same Xvfb one after the other
# (RUNS starts each, 5 unless given; the median is printed). Wine's first
# start in a new prefix also builds its font cache: it is timed apart.
#
#   tools/windows/startup-compare.sh LINUX-BINARY WINDOWS-APP-FOLDER
set -euo pipefail
cd "$(dirname "$0")/../.."
linux=$(realpath "$1")
app=$(realpath "$2")
runs=${RUNS:-5}

source tools/x_session.sh
source tools/windows/wine_session.sh
x_session_start 1024x768x24
wine_session_start
# One server for every start, as Windows keeps its own running (the one
# wineboot started ends first).
timeout 30 wineserver -w || true
wineserver -p
export XDG_RUNTIME_DIR=$WINE_SESSION_DIR/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

# one_start COMMAND...: prints the milliseconds until the window is mapped.
one_start() {
  local t0 t1 pid win
  t0=${EPOCHREALTIME/[.,]/}
  "$@" >/dev/null 2>&1 &
  pid=$!
  win=$(x_wait_window '^Quillory$' 120) || { x_stop_process "$pid"; echo "no window" >&2; return 1; }
  t1=${EPOCHREALTIME/[.,]/}
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  xdotool key alt+F4
  x_poll 30 x_gone "$pid" || x_stop_process "$pid"
  x_wait_no_window '^Quillory$' 10 || true
  echo $(((t1 - t0) / 1000))
}
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

first=$(one_start wine "$app/quillory.exe")
wine_times=() linux_times=()
for _ in $(seq "$runs"); do
  linux_times+=("$(QT_QPA_PLATFORM=xcb one_start "$linux")")
  wine_times+=("$(one_start wine "$app/quillory.exe")")
done
echo "startup: Linux build ${linux_times[*]} ms, median $(median "${linux_times[@]}") ms"
echo "startup: under Wine   ${wine_times[*]} ms, median $(median "${wine_times[@]}") ms (first start in a new prefix: $first ms)"
