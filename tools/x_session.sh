# shellcheck shell=bash
# An X server of the script's own, and ways to wait on what it shows.
# Sourced by the scripts that drive the real program under Xvfb:
#
#   source tools/x_session.sh
#   x_session_start 1024x768x24       # Xvfb on a display it picks; exports DISPLAY
#   win=$(x_wait_window '^Quillory$') # the window, once it is mapped
#   x_wait_settled "$win"             # painted, and not repainting any more
#
# The machine is shared: Xvfb itself picks a free display (-displayfd), as
# guessing one by its lock file races against another script doing the same.
# Nothing here waits a fixed time; every wait polls for what it waits for and
# gives up after a bound, so a slow machine only makes the checks slower.
# Everything started is stopped at exit, in the reverse order of x_on_exit.

# How often a poll looks again, in seconds.
X_POLL_STEP=${X_POLL_STEP:-0.05}

# (Sourced a second time, it keeps what the first registered.)
[[ -v _x_exit_cmds ]] || _x_exit_cmds=()
_x_run_exit() {
  local cmd
  for cmd in "${_x_exit_cmds[@]}"; do eval "$cmd" || true; done
  _x_exit_cmds=()
}

# x_on_exit COMMAND: runs COMMAND (a string, evaluated) when the script
# exits, also on failure or on INT/TERM; the last registered runs first.
x_on_exit() {
  _x_exit_cmds=("$1" "${_x_exit_cmds[@]}")
  trap _x_run_exit EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
}

# x_poll SECONDS COMMAND [ARGS...]: runs COMMAND until it succeeds; fails
# when it has not within SECONDS.
x_poll() {
  local limit=$1
  shift
  local end
  end=$(_x_deadline "$limit")
  until "$@"; do
    _x_past "$end" && return 1
    sleep "$X_POLL_STEP"
  done
}

_x_usec() {  # SECONDS (2, 0.35) -> microseconds
  local int=${1%%.*} frac=000000
  [[ $1 == *.* ]] && frac=${1#*.}000000
  echo $((${int:-0} * 1000000 + 10#${frac:0:6}))
}
_x_deadline() { echo $((${EPOCHREALTIME/[.,]/} + $(_x_usec "$1"))); }
_x_past() { local now=${EPOCHREALTIME/[.,]/}; ((now > $1)); }

# x_session_start [SCREEN] [TIMEOUT]: starts Xvfb with one screen of SCREEN
# (WxHxDEPTH, 1024x768x24 unless given), exports DISPLAY, and returns once a
# client can talk to the server (xdpyinfo answers). X_SESSION_PID is the
# server; its log is kept in X_SESSION_LOG and shown when it does not start.
x_session_start() {
  local screen=${1:-1024x768x24} limit=${2:-20} number=""
  X_SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/xvfb.XXXXXX")
  X_SESSION_LOG=$X_SESSION_DIR/log
  # The server writes its display number to fd 3 once it listens.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
    3>"$X_SESSION_DIR/display" >"$X_SESSION_LOG" 2>&1 &
  X_SESSION_PID=$!
  x_on_exit "x_session_stop"
  if x_poll "$limit" _x_display_written; then
    number=$(<"$X_SESSION_DIR/display")
  fi
  if [ -z "$number" ]; then
    echo "x_session: Xvfb did not start:" >&2
    cat "$X_SESSION_LOG" >&2
    return 1
  fi
  export DISPLAY=":$number"
  if ! x_poll "$limit" _x_answers; then
    echo "x_session: Xvfb on $DISPLAY does not answer" >&2
    return 1
  fi
}

# The number is whole once its line has ended; a server that died writes none.
_x_display_written() {
  [[ $(tail -c1 "$X_SESSION_DIR/display" 2>/dev/null) == "" && -s $X_SESSION_DIR/display ]] ||
    x_gone "$X_SESSION_PID"
}
_x_answers() { xdpyinfo >/dev/null 2>&1; }

# x_session_stop: ends the server started by x_session_start, so that its
# display is free again.
x_session_stop() {
  [ -n "${X_SESSION_PID:-}" ] || return 0
  x_stop_process "$X_SESSION_PID"
  X_SESSION_PID=
  rm -rf "$X_SESSION_DIR"
}

# x_stop_process PID: ends the process PID (a child of this shell) with TERM,
# or KILL when it has not gone within 10 seconds; an empty PID is no process.
x_stop_process() {
  [ -n "${1:-}" ] || return 0
  kill -TERM "$1" 2>/dev/null || return 0
  x_poll 10 x_gone "$1" || kill -KILL "$1" 2>/dev/null || true
}

# x_gone PID: true once the process PID (a child of this shell) has ended.
x_gone() { ! kill -0 "$1" 2>/dev/null; }

# x_wait_window NAME [SECONDS] [XDOTOOL SEARCH OPTIONS...]: prints the id of
# the first visible window whose name matches the regular expression NAME,
# waiting for it to be mapped; fails after SECONDS (20).
x_wait_window() {
  local name=$1 limit=${2:-20}
  shift $(($# < 2 ? $# : 2))
  local win
  win=$(timeout "$limit" xdotool search --sync --onlyvisible "$@" --name "$name" 2>/dev/null | head -n1) || true
  [ -n "$win" ] || return 1
  echo "$win"
}

# x_wait_no_window NAME [SECONDS]: waits until no visible window is named NAME.
x_wait_no_window() {
  x_poll "${2:-20}" _x_no_window "$1"
}
_x_no_window() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }

# x_sig WINDOW [CROP]: a fingerprint of the window's pixels (of the part
# CROP, WxH+X+Y, when given), to tell two moments apart; fails when the
# pixels cannot be read (the window has gone).
x_sig() {
  local sum crop=()
  [ -n "${2:-}" ] && crop=(-crop "$2")
  # import asks for a click when it cannot find the window, so it is only
  # asked about a window that exists, and with a bound.
  if ! xwininfo -id "$1" >/dev/null 2>&1 ||
     ! sum=$(set -o pipefail; timeout 10 import -window "$1" "${crop[@]}" rgb:- 2>/dev/null | md5sum); then
    echo "x_session: cannot read the pixels of window $1" >&2
    return 1
  fi
  echo "${sum%% *}"
}

# x_wait_change WINDOW BEFORE [SECONDS] [CROP]: waits until the window's
# pixels (of CROP) differ from the fingerprint BEFORE; fails after SECONDS (5).
x_wait_change() {
  x_poll "${3:-5}" _x_differs "$1" "$2" "${4:-}"
}
_x_differs() { local sig; sig=$(x_sig "$1" "$3" 2>/dev/null) && [ "$sig" != "$2" ]; }

# x_wait_settled WINDOW [SECONDS] [QUIET]: waits until the window has shown
# nothing new for QUIET seconds (0.3), that is until it is drawn and has
# nothing more to draw; prints the fingerprint. Fails after SECONDS (20).
# A picture seen before is not new: the answer box's caret blinks twice a
# second, and would otherwise leave no quiet moment between it and the
# countdown. The countdown's text is new every second, so a QUIET of more
# than a second means "the countdown has stopped".
x_wait_settled() {
  local win=$1 limit=${2:-20} quiet=${3:-0.3}
  local end since="" taken sig quiet_us
  local -A seen=()
  end=$(_x_deadline "$limit")
  quiet_us=$(_x_usec "$quiet")
  while :; do
    taken=${EPOCHREALTIME/[.,]/}
    sig=$(x_sig "$win" 2>/dev/null) || sig=""
    if [ -n "$sig" ] && [ -z "${seen[$sig]:-}" ]; then
      seen[$sig]=1
      since=$((taken + quiet_us))
    elif [ -n "$sig" ] && ((taken > since)); then
      echo "$sig"
      return 0
    fi
    _x_past "$end" && return 1
    sleep "$X_POLL_STEP"
  done
}
