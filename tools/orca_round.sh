#!/usr/bin/env bash
# One Orca round's desktop and its vocabulary, sourced by the Orca checks in
# tools/ci.d (the caller has set orca_name and cd'ed to the tree's root):
# a display with the accessibility bus, speech-dispatcher and espeak-ng
# speaking into a null sound card, a window manager for the focus, Orca
# with a debug log flushed line by line, and the functions that hold what
# Orca spoke, moment by moment, to what the round expects.
# The caller runs again inside tools/a11y_session.sh; ORCA_ROUND_TIMEOUT
# (seconds, default 115) bounds the whole round.
if [ "${ORCA_ROUND_INNER:-}" != 1 ]; then
  program=${1:-$PWD/${QUILLORY_BUILD_DIR:-build}/quillory}
  [ -x "$program" ] || { echo "$orca_name: $program is not built" >&2; exit 1; }
  for tool in orca speech-dispatcher espeak-ng matchbox-window-manager xdotool; do
    command -v "$tool" >/dev/null || { echo "$orca_name: $tool is missing (tools/setup.sh test)" >&2; exit 1; }
  done
  ORCA_ROUND_INNER=1 ORCA_PROGRAM=$program exec timeout "${ORCA_ROUND_TIMEOUT:-115}" \
    tools/a11y_session.sh - bash ${ORCA_TRACE:+-x} "$0"
fi

# ---------------------------------------------------------------- the desktop
# tools/a11y_session.sh gave a display, a private HOME and runtime folder, a
# session bus and the accessibility bus, switched on.
source tools/x_session.sh
work=$HOME
status=0
fail() { echo "$orca_name: FAILED $*"; status=1; }

# Without a sound card speech-dispatcher's default output stalls after a few
# utterances; ALSA into a null device takes everything at once.
mkdir -p "$HOME/.config/speech-dispatcher"
cp -r /etc/speech-dispatcher/. "$HOME/.config/speech-dispatcher/"
printf '\nAudioOutputMethod "alsa"\nDefaultModule espeak-ng\n' >>"$HOME/.config/speech-dispatcher/speechd.conf"
# The desktop's language is the voice's: speech-dispatcher's own default is
# English whatever the locale.
if [ -n "${ORCA_VOICE_LANGUAGE:-}" ]; then
  printf 'DefaultLanguage "%s"\n' "$ORCA_VOICE_LANGUAGE" >>"$HOME/.config/speech-dispatcher/speechd.conf"
fi
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"

# Started here rather than by Orca, so that it is ended with the session.
speech-dispatcher -s -t 0 >"$work/speechd.log" 2>&1 &
speechd=$!
x_on_exit "x_stop_process $speechd"

matchbox-window-manager -use_titlebar no >"$work/wm.log" 2>&1 &
wm=$!
x_on_exit "x_stop_process $wm"

# Orca writes its debug file block-buffered: a copy that flushes every line
# lets the round wait for what was spoken.
orca_copy=$work/orca-line-buffered
sed "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" /usr/bin/orca >"$orca_copy"
grep -q "buffering=1" "$orca_copy" || { echo "$orca_name: cannot make Orca's debug file line-buffered" >&2; exit 1; }
log=$work/orca-debug.log
/usr/bin/python3 "$orca_copy" --debug-file "$log" >"$work/orca.out" 2>&1 &
orca_pid=$!
x_on_exit "x_stop_process $orca_pid"

# What Orca has spoken so far, one utterance a line.
spoken() {
  [ -f "$log" ] || return 0
  # 'TEXT' then the voice, as {...}, [{...}] or voice=NAME; TEXT may hold quotes.
  sed -nE "s/^.*SPEECH OUTPUT: '(.*)'( ?\[?\{.*\}\]?| voice=.*)?$/\1/p" "$log"
}
said_count() { spoken | wc -l; }
# Orca greets in the desktop's language; any first utterance will do.
spoke() { [ "$(said_count)" -gt 0 ]; }
if ! x_poll 30 spoke; then
  echo "$orca_name: Orca did not start" >&2
  cat "$work/orca.out" >&2
  exit 1
fi

# ---------------------------------------------------------------- moments
moments=()
starts=()
mark() { moments+=("$1"); starts+=("$(said_count)"); }
# Since the last mark.
said_now() { spoken | tail -n +"$((${starts[-1]} + 1))"; }
now_has() { said_now | grep -qF -- "$1"; }
# quiet SECONDS: nothing new spoken for SECONDS (within a bound of 4 s).
_quiet_since=""
_quiet_count=-1
_is_quiet() {
  local n
  n=$(said_count)
  if [ "$n" != "$_quiet_count" ]; then _quiet_count=$n; _quiet_since=${EPOCHREALTIME/[.,]/}; return 1; fi
  (( ${EPOCHREALTIME/[.,]/} - _quiet_since > $(_x_usec "$1") ))
}
quiet() { _quiet_count=-1; x_poll 4 _is_quiet "${1:-1}" || true; }
# expect_in_order TEXT...: each spoken once, in this order, since the mark.
expect_in_order() {
  local text all rest count
  all=$(said_now)
  rest=$all
  for text in "$@"; do
    count=$(grep -oF -- "$text" <<<"$all" | wc -l || true)
    if ((count == 0)); then fail "${moments[-1]}: \"$text\" was not spoken"; continue; fi
    ((count == 1)) || fail "${moments[-1]}: \"$text\" was spoken $count times"
    if [[ $rest == *"$text"* ]]; then
      rest=${rest#*"$text"}
    else
      fail "${moments[-1]}: \"$text\" came out of order"
    fi
  done
}
# nothing_else TEXT...: every line spoken since the mark holds one of TEXT,
# or is the echo of a key ("return ", "9 "): nothing else cut in.
nothing_else() {
  local line text ok
  while IFS= read -r line; do
    [ -n "$line" ] || continue
    [[ $line =~ ^[a-zA-Z0-9_]+\ $ ]] && continue
    ok=
    for text in "$@"; do [[ $line == *"$text"* ]] && ok=1; done
    [ -n "$ok" ] || fail "${moments[-1]}: \"$line\" was spoken as well"
  done < <(said_now)
}
key() { xdotool key --window "$win" "$@"; }
type_digits() { xdotool type --delay 120 --window "$win" "$1"; }
# The numbers on show and the verdict, as the accessibility bus reads them.
# ORCA_DESCRIPTIONS names them in the game's language (English by default).
problem() { /usr/bin/python3 tools/orca_problem.py ${ORCA_DESCRIPTIONS[@]+"${ORCA_DESCRIPTIONS[@]}"} || echo "? ? ?"; }


# What Orca spoke, moment by moment; then the round's verdict as the exit
# status (the game must still be running).
orca_finish() {
  local all m from to
  echo "What Orca spoke:"
  all=$(spoken)
  for ((m = 0; m < ${#moments[@]}; m++)); do
    from=$((${starts[m]} + 1))
    if ((m + 1 < ${#moments[@]})); then to=${starts[m + 1]}; else to=$(echo "$all" | wc -l); fi
    echo "  ${moments[m]}:"
    if ((to >= from)); then echo "$all" | sed -n "${from},${to}p" | sed 's/^/    "/; s/$/"/'; fi
  done
  if [ -n "${ORCA_KEEP_LOG:-}" ]; then cp "$log" "$ORCA_KEEP_LOG"; fi
  if ! kill -0 "$game" 2>/dev/null; then fail "the game is no longer running"; fi
  if ((status == 0)); then echo "$orca_name: every moment spoken"; fi
  exit "$status"
}
