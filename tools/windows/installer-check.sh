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
reg_value() { timeout 60 wine reg query "$key" /v "$1" /reg:64 2>/dev/null | tr -d '\r' | awk -v v="$1" '$1 == v {sub(/^[^ ]+ +[^ ]+ +/, ""); print}'; }

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

# The installed game starts and shows its window; closing it ends it.
(cd "$WINE_SESSION_DIR" && exec wine 'C:\Program Files\Quillory\quillory.exe' >"$WINE_SESSION_DIR/game.log" 2>&1) &
game=$!
x_on_exit 'x_stop_process "$game"'
win=$(x_wait_window '^Quillory$' 120) || fail "the installed game showed no window"
x_wait_settled "$win" 30 >/dev/null || fail "the installed game never finished drawing"
ok "the installed game shows its window"
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
xdotool key alt+F4
x_poll 40 x_gone "$game" || fail "the installed game did not end when its window closed"
wine_wait_idle 60 || true

# The uninstaller copies itself away and returns at once; Wine's server
# outlives it and every program of the prefix.
wine_run 120 'C:\Program Files\Quillory\uninstall.exe' /S || fail "the silent uninstall failed"
wine_wait_idle 120 || fail "the uninstaller did not finish"
[ ! -e "$dir" ] || fail "left behind: $(cd "$dir" && find . | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left"
if timeout 60 wine reg query "$key" /reg:64 >/dev/null 2>&1; then fail "the uninstall key is left"; fi
ok "uninstalled: no folder, no Start-menu entry, no uninstall key"
