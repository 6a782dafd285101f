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
  source "$(dirname "$0")/x_session.sh"
  work=$(mktemp -d)
  x_on_exit 'rm -rf "$work"'
  x_session_start 1280x1024x24 || { echo "a11y_session: Xvfb did not start" >&2; exit 1; }
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  export HOME="$work/home"
  mkdir -p "$HOME"
  # A session of its own, in a process group of its own, ended before the
  # X server so that nothing in it loses its display midway. Its daemons (the
  # bus, the accessibility bus and its registry) talk about their plumbing on
  # stdout and stderr: that goes to a log, shown only when the command fails;
  # the command keeps the caller's.
  exec {caller_stdout}>&1 {caller_stderr}>&2
  A11Y_SESSION_INNER=1 A11Y_SESSION_STDOUT=$caller_stdout A11Y_SESSION_STDERR=$caller_stderr \
    setsid dbus-run-session -- "$0" "$@" >"$work/daemons.log" 2>&1 &
  group=$!
  x_on_exit 'kill -TERM -- "-$group" 2>/dev/null; wait "$group" 2>/dev/null'
  status=0
  wait "$group" || status=$?
  if [ "$status" -ne 0 ] && [ -s "$work/daemons.log" ]; then
    echo "a11y_session: the session's daemons said:" >&2
    sed 's/^/  /' "$work/daemons.log" >&2
  fi
  exit "$status"
fi

if [ -n "${A11Y_SESSION_STDERR:-}" ]; then
  exec 1>&"$A11Y_SESSION_STDOUT" 2>&"$A11Y_SESSION_STDERR" \
    {A11Y_SESSION_STDOUT}>&- {A11Y_SESSION_STDERR}>&-
  unset A11Y_SESSION_STDOUT A11Y_SESSION_STDERR
fi
program=$1
shift
source "$(dirname "$0")/x_session.sh"
# The session bus starts the AT-SPI bus launcher on the first call for it.
a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1
}
x_poll 5 a11y_bus_up || true
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
