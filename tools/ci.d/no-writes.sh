#!/usr/bin/env bash
# The game writes nothing anywhere and talks to no network. Plays a scripted
# game of a few hundred problems in the real program under Xvfb, driven by
# xdotool, with strace watching every file the program opens or changes and
# every socket it makes; fails on anything outside the short list of what the
# Qt platform itself does at start (tools/no_writes_check.py has the list).
#
#   tools/ci.d/no-writes.sh              uses build/quillory (built if missing)
#   QUILLORY_BIN=path PROBLEMS=n tools/ci.d/no-writes.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD

bin=${QUILLORY_BIN:-build/quillory}
problems=${PROBLEMS:-300}
if [ ! -x "$bin" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --target quillory
fi
bin=$(realpath "$bin")

source tools/x_session.sh
work=$(mktemp -d)
x_on_exit 'rm -rf "$work"'
x_session_start 1024x768x24

# A fresh home and runtime folder, so that anything written would show, and a
# session bus as every desktop has one (without it libdbus would launch one
# itself and write its address under ~/.dbus).
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME QT_QPA_PLATFORM

# Command-line arguments that Qt would act on: the game must ignore them all.
dbus-run-session -- sh -c 'printf %s "$DBUS_SESSION_BUS_ADDRESS" >"$0"; exec "$@"' "$work/bus" \
  strace -f -qq -o "$work/trace" \
  -e trace=open,openat,openat2,creat,mkdir,mkdirat,mknod,mknodat,rename,renameat,renameat2,unlink,unlinkat,rmdir,link,linkat,symlink,symlinkat,truncate,ftruncate,chmod,fchmod,fchmodat,chown,fchown,fchownat,lchown,utime,utimes,utimensat,socket,connect,bind,listen \
  "$bin" -reverse -style windows -qwindowgeometry 10x10+0+0 --no-such-option file.txt \
  >"$work/game.log" 2>&1 &
game_pid=$!
x_on_exit 'x_stop_process "$game_pid"'

win=$(x_wait_window '^Quillory$') ||
  { echo "no-writes: the main window never showed" >&2; cat "$work/game.log" >&2; exit 1; }
geometry=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "616x520" ] || { echo "no-writes: main window is $geometry, not 616x520" >&2; exit 1; }
xdotool windowfocus --sync "$win"
x_wait_settled "$win" >/dev/null || { echo "no-writes: the main window never finished drawing" >&2; exit 1; }

# Question 1 is open. Each round: digits, Enter (judged), Enter (next).
for i in $(seq "$problems"); do
  # (type takes every remaining word as text, so the keys go separately)
  xdotool type --delay 1 "$((i % 97))"
  xdotool key --delay 1 Return Return
  if [ "$i" -eq 20 ]; then  # one time-out: the countdown runs out and stops
    x_wait_settled "$win" 30 1.5 >/dev/null || { echo "no-writes: the countdown never stopped" >&2; exit 1; }
    xdotool key --delay 1 Return
  fi
done
# Every key has been handled once the window is still between two ticks.
x_wait_settled "$win" 30 >/dev/null || { echo "no-writes: the game never caught up with the keys" >&2; exit 1; }
kill -0 "$game_pid" 2>/dev/null || { echo "no-writes: the game ended during play" >&2; exit 1; }

# End Game, then Exit Application in the summary window.
xdotool mousemove --window "$win" 300 390 click 1
summary=$(x_wait_window '^Summary$' 10) || { echo "no-writes: End Game showed no summary" >&2; exit 1; }
x_wait_settled "$summary" >/dev/null || { echo "no-writes: the summary never finished drawing" >&2; exit 1; }
# To see the score line of the game played: NO_WRITES_SCREENSHOT=file.png
if [ -n "${NO_WRITES_SCREENSHOT:-}" ]; then import -window "$summary" "$NO_WRITES_SCREENSHOT"; fi
xdotool mousemove --window "$summary" 448 301 click 1
status=0
x_poll 10 x_gone "$game_pid" || { echo "no-writes: Exit Application did not end the game" >&2; exit 1; }
wait "$game_pid" || status=$?
game_pid=
[ "$status" -eq 0 ] || { echo "no-writes: the game exited with $status" >&2; cat "$work/game.log" >&2; exit 1; }

python3 "$root/tools/no_writes_check.py" "$work/trace" "${DISPLAY#:}" "$(cat "$work/bus")" \
  "$XDG_RUNTIME_DIR" "$problems"
