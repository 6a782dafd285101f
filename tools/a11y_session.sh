#!/usr/bin/env bash
# Runs a command against the game on a desktop of its own: an Xvfb display
# (a free one, chosen by Xvfb), a private D-Bus session, the AT-SPI bus with
# accessibility switched on as a screen reader would, and the game started
# on it. The command sees DISPLAY, the session bus and GAME_PID.
# Usage: tools/a11y_session.sh PROGRAM COMMAND [ARGS...]
# PROGRAM "-" starts no game, for a COMMAND that starts the program itself:
# no GAME_PID then, and the command's own status is the result.
# Everything it starts is stopped again, also on failure or timeout.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 PROGRAM COMMAND [ARGS...]" >&2
  exit 2
fi

if [ "${A11Y_SESSION_INNER:-}" != 1 ]; then
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
  if [ ! -s "$work/display" ]; then
    echo "a11y_session: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n1 "$work/display")"
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  export HOME="$work/home"
  mkdir -p "$HOME"
  # A session of its own, in a process group of its own that cleanup ends.
  A11Y_SESSION_INNER=1 setsid dbus-run-session -- "$0" "$@" &
  group=$!
  status=0
  wait "$group" || status=$?
  exit "$status"
fi

program=$1
shift
# The session bus starts the AT-SPI bus launcher on the first call for it.
for _ in $(seq 50); do
  if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.a11y.Bus.GetAddress >/dev/null 2>&1; then
    break
  fi
  sleep 0.1
done
# What a screen reader does when it starts.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
  string:ScreenReaderEnabled variant:boolean:true >/dev/null
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
  string:IsEnabled variant:boolean:true >/dev/null

if [ "$program" = - ]; then
  exec "$@"
fi

# On the X server of this session, whatever platform the caller's
# environment names: the offscreen platform has no accessibility bridge.
QT_QPA_PLATFORM=xcb "$program" >"$XDG_RUNTIME_DIR/game.log" 2>&1 &
export GAME_PID=$!
status=0
"$@" || status=$?
if ! kill -0 "$GAME_PID" 2>/dev/null; then
  echo "a11y_session: the game is no longer running" >&2
  cat "$XDG_RUNTIME_DIR/game.log" >&2
  status=1
fi
kill -TERM "$GAME_PID" 2>/dev/null || true
exit "$status"
