#!/usr/bin/env bash
# Plays the real program under Xvfb as a child would, with real keys and
# clicks from xdotool, and photographs every stage:
#   question-1, typed, verdict, question-2, verdict-2, summary, play-again.
# Fails when the game window does not show up, when it does not show a
# problem without any key pressed, or when a stage does not change the screen.
#
#   tools/xvfb-play.sh [BINARY] [OUTDIR]      (defaults: build/quillory, build/xvfb-play)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/quillory}
out=${2:-build/xvfb-play}
mkdir -p "$out"
rm -f "$out"/*.png

display=""
for n in $(seq 90 140); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=xcb "$bin" &
game=$!

win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillory$' | head -n1)
[ -n "$win" ] || { echo "FAIL: no window named Quillory"; exit 1; }
sleep 1

shot() { import -window root "$out/$1.png"; }
# The game window's pixels only, to tell stages apart.
sig() { import -window "$win" rgb:- 2>/dev/null | md5sum | cut -d' ' -f1; }
changed() {
  local before=$1 name=$2
  if [ "$(sig)" = "$before" ]; then echo "FAIL: $name changed nothing on screen"; exit 1; fi
}

xdotool windowfocus --sync "$win" 2>/dev/null || true
shot question-1
s0=$(sig)

# Question 1 is on the screen without any key: the problem panel shows two
# numbers, and the countdown has started, so the window differs from the
# loaded layout (which has "0 + 0" and the "Progress Bar" text).
sleep 1.2
changed "$s0" "the countdown"

xdotool type --window "$win" --delay 60 "7"
shot typed
s1=$(sig)
xdotool key --window "$win" Return
sleep 0.3
shot verdict
changed "$s1" "Enter (verdict)"

s2=$(sig)
xdotool key --window "$win" Return
sleep 0.3
shot question-2
changed "$s2" "Enter (next problem)"

# Judge Question 2 too, so that Play Again starts a new game at once (a
# problem left open would come back instead, still counting down).
xdotool type --window "$win" --delay 60 "3"
xdotool key --window "$win" Return
sleep 0.3
shot verdict-2

# End Game: the wide button across the window, 5640 twips down.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --window "$win" 308 389 click 1
summary=$(timeout 10 xdotool search --sync --onlyvisible --name '^Summary$' | head -n1)
[ -n "$summary" ] || { echo "FAIL: End Game showed no summary"; exit 1; }
sleep 0.5
shot summary

# Play Again, in the summary window.
xdotool mousemove --window "$summary" 150 301 click 1
sleep 0.8
timeout 10 xdotool search --sync --onlyvisible --name '^Quillory$' >/dev/null
shot play-again

echo "photographs in $out: $(cd "$out" && ls *.png | tr '\n' ' ')"
