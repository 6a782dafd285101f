#!/usr/bin/env bash
# Every text of both windows must read under the desktop's colours: the real
# program is played under the default theme, GTK's Adwaita:dark,
# HighContrast and HighContrastInverse and a dark Fusion palette (qt6ct),
# each with and without the skin file, and the contrast of every text is
# measured from the pixels (tools/theme_contrast.py). The photographs stay in
# build/themes/.
#   tools/ci.d/themes.sh [PROGRAM [OUTDIR]] [-- THEME...]
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/../.."
build=${QUILLORY_BUILD_DIR:-build}
program=$(realpath "${1:-$build/quillory}")
out=$(realpath -m "${2:-$build/themes}")
[ -x "$program" ] || { echo "themes: $program is not built" >&2; exit 1; }
shift $(( $# > 2 ? 2 : $# )) || true
[ "${1:-}" = -- ] && shift
only=()
for t in "$@"; do only+=(--theme "$t"); done

if [ "${THEMES_INNER:-}" != 1 ]; then
  work=$(mktemp -d)
  xvfb_pid=
  group=
  cleanup() {
    # The session first, so that nothing in it loses its X server midway.
    [ -n "$group" ] && kill -TERM -- "-$group" 2>/dev/null || true
    [ -n "$group" ] && wait "$group" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
  }
  trap cleanup EXIT
  trap 'exit 143' INT TERM
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { echo "themes: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
  export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  mkdir -p "$HOME"
  rm -rf "$out"
  mkdir -p "$out"
  # A D-Bus session of its own, in a process group that cleanup ends.
  THEMES_INNER=1 setsid dbus-run-session -- "$self" "$program" "$out" -- "$@" &
  group=$!
  status=0
  wait "$group" || status=$?
  exit "$status"
fi

# The accessibility bus, switched on as a screen reader does: the numbers of
# the problem are read through it, to give the right answer.
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done
for prop in ScreenReaderEnabled IsEnabled; do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
    string:$prop variant:boolean:true >/dev/null
done
exec timeout 600 /usr/bin/python3 tools/theme_contrast.py --program "$program" --out "$out" "${only[@]}"
