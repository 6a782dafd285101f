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
# Home and /tmp are watched through an overlay where the kernel allows one
# (a mount namespace of the round's own, a tmpfs as the upper layer): what is
# written there lands in the layer, listed afterwards. Where it does not
# (no namespace without root; kernels that refuse a tmpfs as an upper layer),
# the whole Wine of the round runs with a private HOME and TMPDIR, listed
# afterwards. One line says which watch was used, and a failure of the
# watch itself is reported as the check's fault, with its reason.
#
#   tools/windows/wine-play.sh [APP-FOLDER] [OUTDIR]
#     (defaults: build-win/Quillory, build-win/wine-play)
# SUMMARY_TITLE names the summary window in the desktop's language
# ("Summary" by default).
# STARTUP_LOG=file appends the time from starting quillory.exe to its window.
# QUILLORY_REFUSE_OVERLAY=all makes every overlay mount carry an option the
# kernel refuses, as the kernels that refuse a tmpfs upper layer do (the
# private HOME and TMPDIR are then used); =round refuses only the round's
# own mount, after the trial one passed (the check then fails as its own
# fault). Both only prove these paths.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
app=$(realpath "${1:-build-win/Quillory}")
out=$(realpath -m "${2:-build-win/wine-play}")
mkdir -p "$out"
rm -f "$out"/*.png
serif_bold=/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf
summary_title=${SUMMARY_TITLE:-Summary}

source tools/x_session.sh
source tools/windows/wine_session.sh
x_session_start 1024x768x24

# overlay_run LAYERS REFUSE COMMAND...: in a mount namespace of its own,
# mounts a tmpfs on LAYERS and an overlay over home and /tmp whose upper
# layers lie there, then runs COMMAND. A mount that fails prints
# "overlay: REASON" and exits 99. The layers are reached through the working
# folder (COMMAND starts there too), since the overlay over home or /tmp may
# come to cover their path. Run in a subshell: it becomes the namespace's
# shell.
overlay_run() {
  exec unshare --mount --propagation private sh -c '
    layers=$1 refuse=$2; shift 2
    why=$(mount -t tmpfs layers "$layers" 2>&1) || { echo "overlay: $why"; exit 99; }
    cd -P "$layers" || exit 99
    for d in "$HOME" /tmp; do
      mkdir -p "./$d/up" "./$d/work"
      why=$(mount -t overlay overlay \
        -o "lowerdir=$d,upperdir=/proc/self/cwd/$d/up,workdir=/proc/self/cwd/$d/work$refuse" "$d" 2>&1) ||
        { echo "overlay: $why"; exit 99; }
    done
    exec "$@"' sh "$@"
}
refuse_all= refuse_round=
case ${QUILLORY_REFUSE_OVERLAY:-} in
  all) refuse_all=,quillory_refused refuse_round=,quillory_refused ;;
  round) refuse_round=,quillory_refused ;;
esac

# The watch is chosen before the prefix is made, so that a private home is
# the one Wine links the user's folders to.
watch=overlay
probe=$(mktemp -d "$out/overlay-trial.XXXXXX")
why=$(overlay_run "$probe" "$refuse_all" true 2>&1) || watch=private
rmdir "$probe" 2>/dev/null || true
if [ $watch = private ]; then
  why=$(printf '%s\n' "${why:-unshare: no mount namespace}" | head -n1 | sed 's/^overlay: //')
  private=$(mktemp -d "$out/private.XXXXXX")
  x_on_exit 'rm -rf "$private"'
  mkdir "$private/home" "$private/tmp"
  export HOME=$private/home TMPDIR=$private/tmp
  unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME
  echo "wine-play: watching a private HOME and TMPDIR (no overlay over home and /tmp here: $why)"
else
  echo "wine-play: watching home and /tmp through an overlay of the round's own"
fi

# The prefix lies beside the photographs, away from /tmp (see below).
WINE_SESSION_PARENT=$out wine_session_start

# Qt's Windows plugin asks Direct3D about the graphics card at start; under
# Wine that runs on the host's Mesa, which would keep a shader cache in
# ~/.cache. That cache is the host driver's (on Windows the GPU driver keeps
# its own), not the game's: it is switched off here rather than allowed.
export MESA_SHADER_CACHE_DISABLE=true
marker=$WINE_SESSION_DIR/marker
tree_before=$(cd "$root" && git status --porcelain)
sleep 1  # file times have a resolution of their own
touch "$marker"

# Under the overlay, Wine's server starts again inside the namespace, so the
# one that made the prefix stops first. (The prefix lies outside both.)
layers=
if [ $watch = overlay ]; then
  layers=$WINE_SESSION_DIR/layers
  mkdir -p "$layers"
  timeout 30 wineserver -w || true
fi
started=${EPOCHREALTIME/[.,]/}
if [ -n "$layers" ]; then
  # The list goes out through fd 3, opened before the overlays cover anything.
  (overlay_run "$layers" "$refuse_round" sh -c '
    session=$1 app=$2
    trap "wineserver -k; exit 143" TERM INT
    (cd "$session" && exec wine "$app/quillory.exe") & wait $!; status=$?
    wineserver -w
    for d in "$HOME" /tmp; do (cd -P "./$d/up" && find . -mindepth 1 | sed "s|^\.|$d|"); done >&3
    echo "(listed)" >&3
    exit $status' sh "$WINE_SESSION_DIR" "$app" >"$WINE_SESSION_DIR/game.log" 2>&1 3>"$layers.list") &
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
# The check's own fault: its watch could not be set up. Not the game's.
check_fault() {
  echo "FAIL (a fault of the check, not of the game): $*"
  exit 1
}
window_or_gone() { xdotool search --onlyvisible --name '^Quillory$' >/dev/null 2>&1 || x_gone "$game"; }
x_poll 120 window_or_gone || fail "no window named Quillory"
if x_gone "$game"; then
  status=0
  wait "$game" || status=$?
  game=
  reason=$(sed -n 's/^overlay: //p' "$WINE_SESSION_DIR/game.log" | head -n1)
  [ -z "$reason" ] || check_fault "the overlay over home and /tmp could not be mounted for the round: $reason"
  fail "the game ended (status $status) before its window showed"
fi
win=$(x_wait_window '^Quillory$' 10) || fail "no window named Quillory"
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
summary=$(x_wait_window "^$summary_title\$" 20) || fail "End Game showed no summary"
x_wait_settled "$summary" >/dev/null || fail "the summary never finished drawing"
shot summary
import -window "$summary" "$out/window-summary.png"

# Play Again, in the summary window: the summary goes, the game comes back.
xdotool mousemove --window "$summary" 150 301 click 1
x_wait_no_window "^$summary_title\$" 20 || fail "Play Again left the summary open"
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
wine_server='^(/tmp|\$TMPDIR)/(\.wine-[0-9]+|wine-[A-Za-z0-9]+)(/server-[0-9a-f-]+(/(lock|socket))?)?$'
written=$( {
  find "$app" -newer "$marker"
  find "$root" \( -path "$root/.git" -o -path "$root/build" -o -path "$root/build-*" \) -prune -o \
    -newer "$marker" -print
  if [ $watch = overlay ]; then
    grep -q -x '(listed)' "$layers.list" || echo "(the home and /tmp layers were not listed)"
    # Where the tree itself lies in home or /tmp, the prefix and the folders
    # above it are seen through the overlay: they are Wine's.
    grep -v -x -e '(listed)' "$layers.list" | grep -v -E "$wine_server" |
      awk -v prefix="$WINEPREFIX" '$0 != prefix && index($0, prefix "/") != 1 && index(prefix, $0 "/") != 1' || true
  else
    { (cd "$private/home" && find . -mindepth 1 -newer "$marker" | sed 's|^\.|~|')
      (cd "$private/tmp" && find . -mindepth 1 -newer "$marker" | sed 's|^\.|$TMPDIR|'); } |
      grep -v -E "$wine_server" || true
  fi
} | sort)
[ -z "$written" ] || fail "files written outside Wine's prefix:
$written"
[ "$(cd "$root" && git status --porcelain)" = "$tree_before" ] || fail "the source tree changed"
if [ $watch = overlay ]; then
  echo "wine-play: nothing written outside the prefix (home and /tmp through the overlay, the game's folder, the tree)"
else
  echo "wine-play: nothing written outside the prefix (the private HOME and TMPDIR, the game's folder, the tree)"
fi
echo "photographs in $out: $(cd "$out" && ls *.png | tr '\n' ' ')"
