#!/usr/bin/env bash
# A held Enter acts once, where children really play: under a window manager
# (openbox) and with both cores busy while the key is held. Those are the
# conditions in which Qt's xcb plugin hands the X server's repeats over as
# fresh presses; without them repeats come flagged and the old guard held.
# The real program is played with real keys from xdotool (X auto-repeat on)
# and read through the accessibility bus (tools/held_enter.py):
#   "5" typed, Enter held 3 s   -> the problem judged once, no new one opened
#   Enter held 3 s again        -> one problem opened, not judged
#   Enter pressed, then again   -> judged, then the next one opened
#   tools/ci.d/held-enter.sh [PROGRAM]
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/../.."

if [ "${1:-}" != --inner ]; then
  build=${QUILLORY_BUILD_DIR:-build}
  program=$(realpath "${1:-$build/quillory}")
  [ -x "$program" ] || { echo "held-enter: $program is not built" >&2; exit 1; }
  command -v openbox >/dev/null || { echo "held-enter: openbox is missing (tools/setup.sh test)" >&2; exit 1; }
  exec timeout 90 tools/a11y_session.sh - bash "$self" --inner "$program"
fi

program=$2
source tools/x_session.sh

# The window manager first, so that the game's window is managed from its
# first mapping, as on a desktop.
openbox --sm-disable >"$XDG_RUNTIME_DIR/openbox.log" 2>&1 &
wm=$!
x_on_exit 'x_stop_process "$wm"'
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
x_poll 20 wm_up || { echo "held-enter: openbox did not start" >&2; cat "$XDG_RUNTIME_DIR/openbox.log" >&2; exit 1; }

# The X server repeats a held key itself: on, at the usual delay and rate.
xset r on
xset r rate 500 30
xset q | grep -q 'auto repeat:  on' || { echo "held-enter: the X server does not repeat keys" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$program" >"$XDG_RUNTIME_DIR/game.log" 2>&1 &
game=$!
x_on_exit 'x_stop_process "$game"'
status=0
/usr/bin/python3 tools/held_enter.py --pid "$game" || status=$?
if x_gone "$game"; then
  echo "held-enter: the game is no longer running" >&2
  cat "$XDG_RUNTIME_DIR/game.log" >&2
  status=1
fi
exit "$status"
