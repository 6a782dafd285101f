#!/usr/bin/env bash
# Started where there is no desktop, the program says so in one line and
# exits with status 1 (no core dump); started without XDG_RUNTIME_DIR, it
# opens the game without making a runtime folder, and the snapshot tool
# (started as the tests and the benchmarks are) leaves none behind.
set -euo pipefail
cd "$(dirname "$0")/../.."
bin=${QUILLORY_BIN:-$PWD/build/quillory}
want="Quillory needs a graphical desktop (X11 or Wayland) and could not open one."
source tools/x_session.sh
tmp=$(mktemp -d)
x_on_exit 'rm -rf "$tmp"'
mkdir -m 700 "$tmp/run"

no_desktop() {  # NAME ENV...
  local name=$1 status=0
  shift
  (cd "$tmp" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$tmp/run" "$@" \
    timeout 20 "$bin" >"$tmp/out" 2>"$tmp/err") || status=$?
  if [ "$status" -ne 1 ] || [ -s "$tmp/out" ] || [ "$(cat "$tmp/err")" != "$want" ]; then
    echo "FAIL ($name): exit $status, stdout $(wc -c <"$tmp/out") bytes, stderr:"
    cat "$tmp/err"
    exit 1
  fi
  echo "ok: $name: exit 1, one line"
}
no_desktop "no DISPLAY"
no_desktop "an X display that is not there" DISPLAY=:4097
no_desktop "Wayland without a compositor" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=quillory-none
no_desktop "a platform plugin that does not exist" QT_QPA_PLATFORM=nonesuch
ls "$tmp"/core* >/dev/null 2>&1 && { echo "FAIL: a core dump was left"; exit 1; }

# No runtime folder: Qt would make $TMPDIR/runtime-USER.
x_session_start 1024x768x24 || { echo "FAIL: Xvfb did not start"; exit 1; }
mkdir "$tmp/temp"
(cd "$tmp" && exec env -u XDG_RUNTIME_DIR TMPDIR="$tmp/temp" QT_QPA_PLATFORM=xcb "$bin" 2>"$tmp/err") &
game=$!
x_on_exit 'x_stop_process "$game"'
win=$(x_wait_window '^Quillory$') || { echo "FAIL: no window without XDG_RUNTIME_DIR"; cat "$tmp/err"; exit 1; }
if [ -n "$(ls -A "$tmp/temp")" ]; then
  echo "FAIL: without XDG_RUNTIME_DIR the program made: $(ls -A "$tmp/temp")"
  exit 1
fi
echo "ok: no XDG_RUNTIME_DIR: the game opens and makes no runtime folder"

# The programs that run the game inside themselves (here the snapshot tool)
# share the rig's start-up: no runtime folder left behind either.
snapshot=$PWD/build/tools/snapshot
[ -x "$snapshot" ] || cmake --build build --target snapshot >/dev/null
mkdir "$tmp/tool-temp"
(cd "$tmp" && env -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM TMPDIR="$tmp/tool-temp" \
  "$snapshot" "$tmp/shots" main-loaded >"$tmp/out" 2>"$tmp/err") ||
  { echo "FAIL: the snapshot tool failed without XDG_RUNTIME_DIR"; cat "$tmp/out" "$tmp/err"; exit 1; }
if [ -n "$(ls -A "$tmp/tool-temp")" ]; then
  echo "FAIL: without XDG_RUNTIME_DIR the snapshot tool left: $(ls -A "$tmp/tool-temp")"
  exit 1
fi
echo "ok: no XDG_RUNTIME_DIR: the snapshot tool leaves no runtime folder"
