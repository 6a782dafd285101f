#!/usr/bin/env bash
# The installer as a school deploys it: installs silently (/S) into a fresh
# Wine prefix, checks the files, the Start-menu entry and the entry under
# Apps (the uninstall key), starts the installed game and sees its window,
# closes it, uninstalls silently and checks that nothing of the game is left.
#
#   tools/windows/installer-check.sh INSTALLER.exe
set -euo pipefail
cd "$(dirname "$0")/../.."
installer=$(realpath "$1")

source tools/x_session.sh
source tools/windows/wine_session.sh
x_session_start 1024x768x24
wine_session_start

fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok     $*"; }
drive_c=$WINEPREFIX/drive_c
dir="$drive_c/Program Files/Quillory"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillory.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory'
reg_value() { timeout 60 wine reg query "$key" /v "$1" /reg:64 2>/dev/null | tr -d '\r' | awk -v v="$1" '$1 == v {sub(/^ *[^ ]+ +[^ ]+ +/, ""); print}'; }

wine_run 180 "$installer" /S || fail "the silent install failed"
wine_wait_idle 60 || true
[ -f "$dir/quillory.exe" ] || fail "no quillory.exe in Program Files\\Quillory"
for f in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
         imageformats/qico.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll uninstall.exe; do
  [ -f "$dir/$f" ] || fail "the installation lacks $f"
done
ok "installed into Program Files\\Quillory: $(cd "$dir" && find . -type f | wc -l) files"
[ -f "$shortcut" ] || fail "no Start-menu entry"
ok "Start-menu entry Quillory.lnk"
[ "$(reg_value DisplayName)" = Quillory ] || fail "no uninstall entry (DisplayName)"
uninstall=$(reg_value QuietUninstallString)
[ -n "$uninstall" ] || fail "no QuietUninstallString"
ok "uninstall entry: $(reg_value DisplayName) $(reg_value DisplayVersion), quiet: $uninstall"

# The installed game starts and shows its window; closing it ends it. A
# user's skin file and hand pointer beside quillory.exe are found there: the
# skin gives the window the button-face colour, and the pointer loads without
# an error report. (A cursor file: ImageMagick writes an icon, type 1; the
# type becomes 2, the hotspot 2,2.)
mkdir -p "$dir/x"
echo skin >"$dir/x/o.cjs"
convert -size 32x32 xc:none -fill black -draw 'polygon 2,2 2,28 10,20 18,30 22,28 14,18 26,18' \
  "ico:$WINE_SESSION_DIR/hand.ico"
python3 - "$WINE_SESSION_DIR/hand.ico" "$dir/HAND-M.CUR" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
data[2:4] = struct.pack("<H", 2)
data[10:14] = struct.pack("<HH", 2, 2)
open(sys.argv[2], "wb").write(data)
PY
(cd "$WINE_SESSION_DIR" && exec wine 'C:\Program Files\Quillory\quillory.exe' >"$WINE_SESSION_DIR/game.log" 2>&1) &
game=$!
x_on_exit 'x_stop_process "$game"'
win=$(x_wait_window '^Quillory$' 120) || fail "the installed game showed no window"
x_wait_settled "$win" 30 >/dev/null || fail "the installed game never finished drawing"
ok "the installed game shows its window"
if xdotool search --onlyvisible --name '^Application Error$' >/dev/null 2>&1; then
  fail "the installed game reported an error at start (the hand pointer?)"
fi
import -window "$win" "$WINE_SESSION_DIR/skinned.png"
background=$(convert "$WINE_SESSION_DIR/skinned.png" -crop 1x1+590+250 -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}')
[ "$background" != "#FFFFFF" ] || fail "the skin file beside quillory.exe was not found (background still white)"
ok "the skin file and the hand pointer beside quillory.exe are found (background $background, no error report)"
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
xdotool key alt+F4
x_poll 40 x_gone "$game" || fail "the installed game did not end when its window closed"
wine_wait_idle 60 || true

rm -rf "$dir/x" "$dir/HAND-M.CUR"

# The uninstaller copies itself away and returns at once; Wine's server
# outlives it and every program of the prefix.
# Once in a while under Wine the first start of the uninstaller comes back
# non-zero (seen once in CI, never when tried again by hand); what it leaves
# is checked below either way, so a second try only says that it happened.
status=0
wine_run 120 'C:\Program Files\Quillory\uninstall.exe' /S || status=$?
if ((status)); then
  echo "note   the silent uninstall exited $status at its first start; starting it again"
  wine_wait_idle 60 || true
  wine_run 120 'C:\Program Files\Quillory\uninstall.exe' /S || fail "the silent uninstall failed (exit $?)"
fi
wine_wait_idle 120 || fail "the uninstaller did not finish"
[ ! -e "$dir" ] || fail "left behind: $(cd "$dir" && find . | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left"
if timeout 60 wine reg query "$key" /reg:64 >/dev/null 2>&1; then fail "the uninstall key is left"; fi
ok "uninstalled: no folder, no Start-menu entry, no uninstall key"
