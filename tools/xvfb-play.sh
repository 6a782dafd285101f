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

source tools/x_session.sh
x_session_start 1024x768x24

XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=xcb "$bin" &
game=$!
x_on_exit 'x_stop_process "$game"'

win=$(x_wait_window '^Quillory$') || { echo "FAIL: no window named Quillory"; exit 1; }

shot() { import -window root "$out/$1.png"; }
# Waits until WINDOW differs from BEFORE, then until it is fully drawn.
changed() {  # BEFORE NAME [WINDOW]
  local before=$1 name=$2 window=${3:-$win}
  x_wait_change "$window" "$before" 5 || { echo "FAIL: $name changed nothing on screen"; exit 1; }
  x_wait_settled "$window" >/dev/null || { echo "FAIL: after $name the window never stopped changing"; exit 1; }
}

xdotool windowfocus --sync "$win" 2>/dev/null || true
x_wait_settled "$win" >/dev/null || { echo "FAIL: the game window never finished drawing"; exit 1; }
shot question-1

# Question 1 is on the screen without any key: the problem panel shows two
# numbers, and the countdown has started, so its next tick (a second on)
# changes the bar's text. (Only the bar: the caret blinks elsewhere.)
bar=600x27+8+144
x_wait_change "$win" "$(x_sig "$win" "$bar")" 10 "$bar" || { echo "FAIL: the countdown did not move"; exit 1; }

xdotool type --window "$win" --delay 60 "7"
x_wait_settled "$win" >/dev/null || { echo "FAIL: after typing 7 the window never stopped changing"; exit 1; }
shot typed
s2=$(x_sig "$win")
xdotool key --window "$win" Return
changed "$s2" "Enter (verdict)"
shot verdict

s3=$(x_sig "$win")
xdotool key --window "$win" Return
changed "$s3" "Enter (next problem)"
shot question-2

# Judge Question 2 too, so that Play Again starts a new game at once (a
# problem left open would come back instead, still counting down).
s4=$(x_sig "$win")
xdotool type --window "$win" --delay 60 "3"
xdotool key --window "$win" Return
changed "$s4" "answering question 2"
shot verdict-2

# End Game: the wide button across the window, 5640 twips down.
xdotool mousemove --window "$win" 308 389 click 1
summary=$(x_wait_window '^Summary$' 10) || { echo "FAIL: End Game showed no summary"; exit 1; }
x_wait_settled "$summary" >/dev/null || { echo "FAIL: the summary never finished drawing"; exit 1; }
shot summary

# Play Again, in the summary window: the summary goes, the game comes back.
xdotool mousemove --window "$summary" 150 301 click 1
x_wait_no_window '^Summary$' 10 || { echo "FAIL: Play Again left the summary open"; exit 1; }
win=$(x_wait_window '^Quillory$' 10) || { echo "FAIL: Play Again showed no game window"; exit 1; }
x_wait_settled "$win" >/dev/null || { echo "FAIL: the new game never finished drawing"; exit 1; }
shot play-again

echo "photographs in $out: $(cd "$out" && ls *.png | tr '\n' ' ')"
