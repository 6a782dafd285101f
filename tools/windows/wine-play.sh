#!/usr/bin/env bash
# Plays the Windows build under Wine on Xvfb as a child would, with real keys
# and clicks from xdotool, and photographs every stage: question-1, right,
# question-2, wrong, question-3, time-out, summary, play-again. Question 1
# must come without a key; the right answer is read off the screen and must
# raise the score to 1, the wrong one bring it back to 0; the third problem
# is left alone and must be judged by itself after ten seconds; End Game
# shows the summary, Play Again a new Question 1; closing the window ends
# the program. Afterwards nothing may have been written outside Wine's
# prefix: not in the home folder, the temporary folder, the game's folder or
# the source tree.
#
#   tools/windows/wine-play.sh [APP-FOLDER] [OUTDIR]
#     (defaults: build-win/Quillory, build-win/wine-play)
# STARTUP_LOG=file appends the time from starting quillory.exe to its window.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
app=$(realpath "${1:-build-win/Quillory}")
out=$(realpath -m "${2:-build-win/wine-play}")
mkdir -p "$out"
rm -f "$out"/*.png
serif_bold=/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf

source tools/x_session.sh
source tools/windows/wine_session.sh
x_session_start 1024x768x24
# The prefix lies beside the photographs, away from /tmp (see below).
WINE_SESSION_PARENT=$out wine_session_start

unset QT_QPA_PLATFORM
# Qt's Windows plugin asks Direct3D about the graphics card at start; under
# Wine that runs on the host's Mesa, which would keep a shader cache in
# ~/.cache. That cache is the host driver's (on Windows the GPU driver keeps
# its own), not the game's: it is switched off here rather than allowed.
export MESA_SHADER_CACHE_DISABLE=true
marker=$WINE_SESSION_DIR/marker
tree_before=$(cd "$root" && git status --porcelain)
sleep 1  # file times have a resolution of their own
touch "$marker"

# Home and /tmp are shared with the rest of the machine. Where a mount
# namespace can be had (as root), the game sees both through an overlay, so
# that whatever it writes there lands in a layer of its own, listed when it
# has ended; Wine's server then starts in there, so the one that made the
# prefix stops first. (The prefix lies outside both.)
layers=
if unshare --mount --propagation private true 2>/dev/null; then
  layers=$WINE_SESSION_DIR/layers
  mkdir -p "$layers"
  timeout 30 wineserver -w || true
fi
started=${EPOCHREALTIME/[.,]/}
if [ -n "$layers" ]; then
  (cd "$WINE_SESSION_DIR" && exec unshare --mount --propagation private sh -c '
    app=$1 layers=$2
    mount -t tmpfs layers "$layers" || exit 99
    for d in "$HOME" /tmp; do
      mkdir -p "$layers/$d/up" "$layers/$d/work"
      mount -t overlay overlay -o "lowerdir=$d,upperdir=$layers/$d/up,workdir=$layers/$d/work" "$d" || exit 99
    done
    trap "wineserver -k; exit 143" TERM INT
    wine "$app/quillory.exe" & wait $!; status=$?
    wineserver -w
    for d in "$HOME" /tmp; do (cd "$layers/$d/up" && find . -mindepth 1 | sed "s|^\.|$d|"); done >"$layers.list"
    exit $status' sh "$app" "$layers" >"$WINE_SESSION_DIR/game.log" 2>&1) &
else
  (cd "$WINE_SESSION_DIR" && exec wine "$app/quillory.exe" >"$WINE_SESSION_DIR/game.log" 2>&1) &
fi
game=$!
x_on_exit 'x_stop_process "$game"'

fail() {
  echo "FAIL: $*"
  [ ! -s "$WINE_SESSION_DIR/game.log" ] || { echo "--- Wine's output:"; tail -n 20 "$WINE_SESSION_DIR/game.log"; }
  exit 1
}
win=$(x_wait_window '^Quillory$' 120) || fail "no window named Quillory"
shown=${EPOCHREALTIME/[.,]/}
echo "wine-play: window after $(((shown - started) / 1000)) ms"
[ -z "${STARTUP_LOG:-}" ] || echo "$(((shown - started) / 1000))" >>"$STARTUP_LOG"

shot() { import -window root "$out/$1.png"; }
changed() {  # BEFORE NAME
  x_wait_change "$win" "$1" 10 || fail "$2 changed nothing on screen"
  x_wait_settled "$win" >/dev/null || fail "after $2 the window never stopped changing"
}
# The numbers on the problem panel and the score, read off the screen.
read_at() { python3 tools/windows/read_number.py "$1" "$2" "$serif_bold"; }
number1=97x81+40+24
number2=105x81+224+24
score=123x65+12+444
bar=600x27+8+144
window_shot() { import -window "$win" "$WINE_SESSION_DIR/now.png" && echo "$WINE_SESSION_DIR/now.png"; }

# Real key events go to the window that has the X focus.
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
x_wait_settled "$win" 30 >/dev/null || fail "the game window never finished drawing"
shot question-1
# Question 1 is on the screen without any key, and its countdown runs.
x_wait_change "$win" "$(x_sig "$win" "$bar")" 10 "$bar" || fail "the countdown did not move"

answer_now() {  # TEXT NAME
  local before
  before=$(x_sig "$win")
  xdotool type --delay 80 "$1"
  x_wait_change "$win" "$before" 10 || fail "typing for $2 showed nothing"
  before=$(x_sig "$win")
  xdotool key Return
  changed "$before" "Enter ($2)"
}
next_problem() {  # NAME
  local before
  before=$(x_sig "$win")
  xdotool key Return
  changed "$before" "Enter (to $1)"
}

# Easy addition: one digit each side.
pic=$(window_shot)
a=$(read_at "$pic" "$number1") && b=$(read_at "$pic" "$number2") || fail "cannot read Question 1"
echo "wine-play: Question 1 reads $a + $b"
answer_now "$((a + b))" "the right answer"
shot right
import -window "$win" "$out/window-right.png"
got=$(read_at "$(window_shot)" "$score")
[ "$got" = 1 ] || fail "after the right answer $((a + b)) the score reads '$got', not 1"

next_problem "Question 2"
shot question-2
answer_now 0 "a wrong answer"  # no sum of two digits from 1 to 9 is 0
shot wrong
got=$(read_at "$(window_shot)" "$score")
[ "$got" = 0 ] || fail "after the wrong answer the score reads '$got', not 0"

# Question 3 is left to run out: judged by itself after ten seconds, then
# nothing moves any more.
next_problem "Question 3"
shot question-3
opened=${EPOCHREALTIME/[.,]/}
x_wait_settled "$win" 25 1.5 >/dev/null || fail "the countdown of Question 3 never stopped"
stopped=$(((${EPOCHREALTIME/[.,]/} - opened) / 1000))
# settled = quiet for 1.5 s after the last change
((stopped >= 10000 && stopped <= 16500)) || fail "Question 3 stopped after $stopped ms, not at ten seconds"
got=$(read_at "$(window_shot)" "$score")
[ "$got" = -1 ] || fail "after the time-out the score reads '$got', not -1"
echo "wine-play: Question 3 timed out by itself (settled $stopped ms after it opened)"
shot time-out

# End Game: the wide button across the window, 5640 twips down.
xdotool mousemove --window "$win" 308 389 click 1
summary=$(x_wait_window '^Summary$' 20) || fail "End Game showed no summary"
x_wait_settled "$summary" >/dev/null || fail "the summary never finished drawing"
shot summary
import -window "$summary" "$out/window-summary.png"

# Play Again, in the summary window: the summary goes, the game comes back.
xdotool mousemove --window "$summary" 150 301 click 1
x_wait_no_window '^Summary$' 20 || fail "Play Again left the summary open"
win=$(x_wait_window '^Quillory$' 20) || fail "Play Again showed no game window"
xdotool windowfocus --sync "$win" 2>/dev/null || true
x_wait_settled "$win" >/dev/null || fail "the new game never finished drawing"
x_wait_change "$win" "$(x_sig "$win" "$bar")" 10 "$bar" || fail "the new game's countdown did not move"
got=$(read_at "$(window_shot)" "$score")
[ "$got" = 0 ] || fail "the new game's score reads '$got', not 0"
shot play-again

# Closing the window ends the program.
xdotool key alt+F4
x_wait_no_window '^Quillory$' 20 || fail "closing the window did not close it"
x_poll 40 x_gone "$game" || fail "closing the window did not end the game"
wine_wait_idle 30 || true

# Nothing written outside the prefix. Wine's server keeps its socket and lock
# in a folder of the temporary folder: that is Wine's, not the game's.
wine_server='^/tmp/(\.wine-[0-9]+|wine-[A-Za-z0-9]+)(/server-[0-9a-f-]+(/(lock|socket))?)?$'
written=$( {
  find "$app" -newer "$marker"
  find "$root" \( -path "$root/.git" -o -path "$root/build" -o -path "$root/build-*" \) -prune -o \
    -newer "$marker" -print
  if [ -n "$layers" ]; then
    [ -f "$layers.list" ] || echo "(the home and /tmp layers were not listed)"
    grep -v -E "$wine_server" "$layers.list" || true
  fi
} | sort)
[ -z "$written" ] || fail "files written outside Wine's prefix:
$written"
[ "$(cd "$root" && git status --porcelain)" = "$tree_before" ] || fail "the source tree changed"
if [ -n "$layers" ]; then
  echo "wine-play: nothing written outside the prefix (home, /tmp, the game's folder, the tree)"
else
  echo "wine-play: nothing written in the game's folder or the tree (no mount namespace here to watch home and /tmp)"
fi
echo "photographs in $out: $(cd "$out" && ls *.png | tr '\n' ' ')"
