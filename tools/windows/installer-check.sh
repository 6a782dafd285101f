#!/usr/bin/env bash
# The installer, each case in a fresh Wine prefix of its own:
# - as a school deploys it: installs silently (/S) for every user, checks the
#   files, the Start-menu entry and the entry under Apps (the uninstall key),
#   starts the installed game and sees its window, closes it, uninstalls
#   silently and checks that nothing of the game is left;
# - with the game running: installing again and uninstalling are refused
#   (silent, the answer to "close the game" is Cancel) and change nothing;
#   once the game is closed, both go through;
# - for the current user alone (/CurrentUser): the user's own programs
#   folder, Start menu and uninstall entry, nothing for everyone; and
#   removed again by that entry's uninstaller;
# - over an older install: the damaged file is replaced, the version written
#   again, and one Start-menu entry and one uninstall entry stay, also when
#   the second run asks for the current user alone.
#
#   tools/windows/installer-check.sh INSTALLER.exe
set -euo pipefail
cd "$(dirname "$0")/../.."
installer=$(realpath "$1")
app=$(dirname "$installer")/Quillory

source tools/x_session.sh
source tools/windows/wine_session.sh
x_session_start 1024x768x24

fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok     $*"; }
t0=$(date +%s)
lap() { echo "installer-check: $1 ($(($(date +%s) - t0)) s)"; }
uninstall_path='Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory'
key="HKLM\\$uninstall_path"
user_key="HKCU\\$uninstall_path"
# reg_value NAME [KEY]: a value of the uninstall entry (for everyone unless KEY).
reg_value() {
  timeout 60 wine reg query "${2:-$key}" /v "$1" /reg:64 2>/dev/null | tr -d '\r' |
    awk -v v="$1" '$1 == v {sub(/^ *[^ ]+ +[^ ]+ +/, ""); print}'
}
has_key() { timeout 60 wine reg query "$1" /reg:64 >/dev/null 2>&1; }
# A fresh prefix for each case; the paths in it.
new_prefix() {
  wine_session_stop
  wine_session_start
  drive_c=$WINEPREFIX/drive_c
  dir="$drive_c/Program Files/Quillory"
  shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillory.lnk"
  user_dir="$drive_c/users/$(id -un)/AppData/Local/Programs/Quillory"
  user_shortcut="$drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillory.lnk"
}
# Every Start-menu entry named Quillory anywhere in the prefix.
shortcuts() { find "$drive_c" -name 'Quillory.lnk' | sed "s|^$drive_c/|C:/|"; }
start_game() {  # WINDOWS-PATH
  (cd "$WINE_SESSION_DIR" && exec wine "$1" >"$WINE_SESSION_DIR/game.log" 2>&1) &
  game=$!
  x_on_exit 'x_stop_process "${game:-}"'
  win=$(x_wait_window '^Quillory$' 120) || fail "the installed game showed no window"
}
close_game() {
  xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
  xdotool key alt+F4
  x_poll 40 x_gone "$game" || fail "the installed game did not end when its window closed"
  game=
  wine_wait_idle 60 || true
}

new_prefix
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
start_game 'C:\Program Files\Quillory\quillory.exe'
x_wait_settled "$win" 30 >/dev/null || fail "the installed game never finished drawing"
ok "the installed game shows its window"
if xdotool search --onlyvisible --name '^Application Error$' >/dev/null 2>&1; then
  fail "the installed game reported an error at start (the hand pointer?)"
fi
import -window "$win" "$WINE_SESSION_DIR/skinned.png"
background=$(convert "$WINE_SESSION_DIR/skinned.png" -crop 1x1+590+250 -depth 8 txt:- | tail -n1 | grep -o '#[0-9A-F]\{6\}')
[ "$background" != "#FFFFFF" ] || fail "the skin file beside quillory.exe was not found (background still white)"
ok "the skin file and the hand pointer beside quillory.exe are found (background $background, no error report)"
close_game

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
if has_key "$key"; then fail "the uninstall key is left"; fi
ok "uninstalled: no folder, no Start-menu entry, no uninstall key"
lap "installed for everyone, played, uninstalled"

# The game running: the installer and the uninstaller must not touch its
# files. Silent, "close the game" is answered Cancel: exit code 2.
new_prefix
wine_run 180 "$installer" /S || fail "the silent install failed"
wine_wait_idle 60 || true
start_game 'C:\Program Files\Quillory\quillory.exe'
before=$(cd "$dir" && find . -type f -printf '%p %s %T@\n' | sort)
status=0
wine_run 180 "$installer" /S || status=$?
[ "$status" = 2 ] || fail "installing over the running game exited $status, not 2 (refused)"
x_gone "$game" && fail "installing over the running game ended the game"
[ "$(cd "$dir" && find . -type f -printf '%p %s %T@\n' | sort)" = "$before" ] ||
  fail "installing over the running game changed its files"
ok "installing over the running game is refused (exit 2) and changes nothing"
# Run in place (_?=), the uninstaller returns when it is done rather than
# handing over to a copy of itself; what counts is what is left.
wine_run 120 'C:\Program Files\Quillory\uninstall.exe' /S '_?=C:\Program Files\Quillory' || true
[ "$(cd "$dir" && find . -type f -printf '%p %s %T@\n' | sort)" = "$before" ] ||
  fail "uninstalling while the game runs removed or changed its files"
[ -f "$shortcut" ] && has_key "$key" || fail "uninstalling while the game runs removed its entries"
ok "uninstalling while the game runs is refused: files, Start-menu entry and uninstall entry stay"
close_game
wine_run 180 "$installer" /S || fail "installing once the game was closed failed"
wine_wait_idle 60 || true
wine_run 120 'C:\Program Files\Quillory\uninstall.exe' /S || true
wine_wait_idle 120 || fail "the uninstaller did not finish"
[ ! -e "$dir" ] && [ ! -e "$shortcut" ] && ! has_key "$key" ||
  fail "uninstalling once the game was closed left something"
ok "once the game is closed, installing and uninstalling go through"
lap "the running game"

# For the current user alone: no administrator rights needed, nothing for
# everyone.
new_prefix
wine_run 180 "$installer" /S /CurrentUser || fail "the silent install for the current user failed"
wine_wait_idle 60 || true
[ -f "$user_dir/quillory.exe" ] || fail "no quillory.exe in the user's programs folder"
diff <(cd "$app" && find . -type f | sort) <(cd "$user_dir" && find . -type f ! -name uninstall.exe | sort) ||
  fail "the user's programs folder does not hold the game's files"
[ "$(shortcuts)" = "C:/${user_shortcut#"$drive_c/"}" ] ||
  fail "Start-menu entries: '$(shortcuts)', not the user's own alone"
[ "$(reg_value InstallLocation "$user_key")" = "C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Quillory" ] ||
  fail "the user's uninstall entry does not name the user's programs folder"
[ ! -e "$dir" ] && ! has_key "$key" || fail "an install for the current user wrote for everyone"
uninstall=$(reg_value QuietUninstallString "$user_key")
ok "installed for the current user: AppData\\Local\\Programs\\Quillory, the user's Start menu, HKCU; quiet: $uninstall"
eval "wine_run 120 $uninstall" || true
wine_wait_idle 120 || fail "the uninstaller did not finish"
[ ! -e "$user_dir" ] && [ -z "$(shortcuts)" ] && ! has_key "$user_key" ||
  fail "the user's uninstaller left something: $(shortcuts) $(find "$user_dir" 2>/dev/null | head -3)"
ok "the user's uninstaller removes the folder, the entry and the key"
lap "the install for the current user"

# Over an older install: one of its files damaged, its version older.
new_prefix
wine_run 180 "$installer" /S || fail "the silent install failed"
wine_wait_idle 60 || true
echo older >"$dir/libgcc_s_seh-1.dll"
timeout 60 wine reg add "$key" /v DisplayVersion /d 0.9 /f /reg:64 >/dev/null 2>&1
wine_run 180 "$installer" /S || fail "the update failed"
wine_wait_idle 60 || true
cmp -s "$dir/libgcc_s_seh-1.dll" "$app/libgcc_s_seh-1.dll" || fail "the update did not replace the older file"
[ "$(reg_value DisplayVersion)" != 0.9 ] || fail "the update did not write its version"
# Asked for the current user alone, it still updates the install that is there.
wine_run 180 "$installer" /S /CurrentUser || fail "the update asked for the current user failed"
wine_wait_idle 60 || true
[ "$(shortcuts)" = "C:/${shortcut#"$drive_c/"}" ] || fail "after the updates the Start-menu entries are: $(shortcuts)"
has_key "$key" && ! has_key "$user_key" || fail "after the updates there is not exactly one uninstall entry"
[ ! -e "$user_dir" ] || fail "the update asked for the current user installed a second copy"
ok "the update replaces the files and leaves one Start-menu entry and one uninstall entry"
lap "the update"
