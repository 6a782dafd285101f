#!/usr/bin/env bash
# The Windows build at 150 % and 200 % display scaling under Wine: the game
# must be per-monitor DPI aware (Qt 6 makes it so), so Windows leaves the
# drawing to it, and Qt draws every window at the display's scale: the
# 616 x 520 main window comes out 924 x 780 and 1232 x 1040 pixels, drawn at
# that size (not a small picture stretched). Saves the picture at 200 %.
#
#   tools/windows/wine-scaling.sh [APP-FOLDER] [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
app=$(realpath "${1:-build-win/Quillory}")
out=$(realpath -m "${2:-build-win/wine-play}")
mkdir -p "$out"

source tools/x_session.sh
source tools/windows/wine_session.sh
x_session_start 2560x1600x24
wine_session_start
fail() { echo "FAIL: $*"; exit 1; }

for percent in 150 200; do
  dpi=$((96 * percent / 100))
  cat >"$WINE_SESSION_DIR/dpi.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
REG
  timeout 60 wine regedit /S "$(winepath -w "$WINE_SESSION_DIR/dpi.reg")" >/dev/null 2>&1 ||
    fail "could not set $dpi dpi"
  (cd "$WINE_SESSION_DIR" && exec wine "$app/quillory.exe" >"$WINE_SESSION_DIR/game.log" 2>&1) &
  game=$!
  win=$(x_wait_window '^Quillory$' 120) || fail "no window at $percent %"
  x_wait_settled "$win" 30 >/dev/null || fail "the window never finished drawing at $percent %"
  size=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
  want="$((616 * percent / 100))x$((520 * percent / 100))"
  [ "$size" = "$want" ] || fail "at $percent % the window is $size, not $want"
  echo "wine-scaling: at $percent % ($dpi dpi) the main window is $size"
  [ "$percent" != 200 ] || import -window "$win" "$out/scale-200.png"
  xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
  xdotool key alt+F4
  x_poll 40 x_gone "$game" || { x_stop_process "$game"; fail "the game did not end at $percent %"; }
  wine_wait_idle 60 || true
done
