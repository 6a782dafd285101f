#!/usr/bin/env bash
# Orca, the screen reader Debian ships, plays one round of the game with its
# default settings: speech-dispatcher and espeak-ng speaking into a null
# sound card, a window manager for the focus, real keys from xdotool. What
# Orca spoke is read from its debug log ("SPEECH OUTPUT" lines) and held to
# what a blind child needs to hear at every moment of the round, once each
# and in the order a sighted child sees it:
#   Question 1 and the problem, the problem row in Orca's flat review, typed
#   digits, a right answer, Question 2, a wrong answer, Question 3 running
#   out of time, End Game and the summary (the score line, then the rows cell
#   by cell with their headers), Play Again and Question 1 of the new game.
# Nothing else may cut in (no share of the countdown, no End Game between
# problems). Prints the timeline of what Orca spoke, moment by moment.
# Usage: tools/ci.d/orca.sh [PROGRAM]   (QUILLORY_BUILD_DIR/quillory by default)
# ORCA_KEEP_LOG=FILE keeps Orca's debug log; ORCA_TRACE=1 traces the script.
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ "${ORCA_ROUND_INNER:-}" != 1 ]; then
  program=${1:-$PWD/${QUILLORY_BUILD_DIR:-build}/quillory}
  [ -x "$program" ] || { echo "orca: $program is not built" >&2; exit 1; }
  for tool in orca speech-dispatcher espeak-ng matchbox-window-manager xdotool; do
    command -v "$tool" >/dev/null || { echo "orca: $tool is missing (tools/setup.sh test)" >&2; exit 1; }
  done
  ORCA_ROUND_INNER=1 ORCA_PROGRAM=$program exec timeout 115 \
    tools/a11y_session.sh - bash ${ORCA_TRACE:+-x} "$0"
fi

# ---------------------------------------------------------------- the desktop
# tools/a11y_session.sh gave a display, a private HOME and runtime folder, a
# session bus and the accessibility bus, switched on.
source tools/x_session.sh
work=$HOME
status=0
fail() { echo "orca: FAILED $*"; status=1; }

# Without a sound card speech-dispatcher's default output stalls after a few
# utterances; ALSA into a null device takes everything at once.
mkdir -p "$HOME/.config/speech-dispatcher"
cp -r /etc/speech-dispatcher/. "$HOME/.config/speech-dispatcher/"
printf '\nAudioOutputMethod "alsa"\nDefaultModule espeak-ng\n' >>"$HOME/.config/speech-dispatcher/speechd.conf"
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
grep -q "buffering=1" "$orca_copy" || { echo "orca: cannot make Orca's debug file line-buffered" >&2; exit 1; }
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
heard() { spoken | grep -qF -- "$1"; }
if ! x_poll 30 heard "Screen reader on"; then
  echo "orca: Orca did not start" >&2
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
problem() { /usr/bin/python3 tools/orca_problem.py || echo "? ? ?"; }

mark start
QT_QPA_PLATFORM=xcb "$ORCA_PROGRAM" >"$work/game.log" 2>&1 &
game=$!
x_on_exit "x_stop_process $game"
win=$(x_wait_window '^Quillory$' 20) || { echo "orca: the game did not show" >&2; exit 1; }
x_poll 3 now_has "Question 1" || true
quiet 1
read -r a b _ < <(problem)
expect_in_order "Question 1: $a plus $b equals"
nothing_else "Quillory frame" "Question 1: $a plus $b equals"

# Orca's review of the screen, line by line: KP_8 (KP_Up without NumLock)
# says the line the focus is on.
mark "flat review, current line"
key KP_Up
quiet 1
expect_in_order "$a plus $b = Question 1: $a plus $b equals"
nothing_else "$a plus $b = Question 1: $a plus $b equals"

mark "digits typed"
answer=$((a + b))
first_problem="$a plus $b"
type_digits "$answer"
quiet 1
# Orca echoes each key, "1 ", "3 ".
echoed=$(said_now | tr -d '\n')
[ "$echoed" = "$(sed 's/./& /g' <<<"$answer")" ] || fail "digits typed: \"$echoed\" for $answer"

mark "Enter, right answer"
key Return
x_poll 3 now_has "That's correct!" || true
quiet 1
expect_in_order "That's correct! Your score is 1. Next"
nothing_else "That's correct! Your score is 1. Next"

mark "Enter, Question 2"
key Return
x_poll 3 now_has "Question 2" || true
quiet 1
read -r a b _ < <(problem)
expect_in_order "Question 2: $a plus $b equals"
nothing_else "Question 2: $a plus $b equals"

mark "Enter, wrong answer"
second_problem="$a plus $b"
wrong=$((a + b + 1))
type_digits "$wrong"
key Return
x_poll 3 now_has "Wrong!" || true
quiet 1
expect_in_order "Wrong! Answer: $((a + b)). Your score is 0. Next"
nothing_else "Wrong! Answer: $((a + b)). Your score is 0. Next"

mark "Enter, Question 3, time-out"
key Return
x_poll 3 now_has "Question 3" || true
read -r a b _ < <(problem)
x_poll 14 now_has "Time is over." || true
quiet 1.5
verdict=$(problem | cut -d' ' -f3-)
if [ "$verdict" = "That's correct!" ]; then score=1; else score=-1; verdict="$verdict."; fi
expect_in_order "Question 3: $a plus $b equals" "Time is over. $verdict Your score is $score. Next"
nothing_else "Question 3: $a plus $b equals" "Time is over. $verdict Your score is $score. Next"

mark "Tab to End Game"
key Tab
quiet 1
expect_in_order "End Game"
nothing_else "End Game"

mark "End Game"
key space
x_poll 3 now_has "Your score is" || true
quiet 1.5
expect_in_order "Your score is $score in 3 total questions." "No. 1" "Math problems $first_problem" \
  "Your Answer $answer" "Correct Answer $answer" "Result Correct!"
nothing_else "Summary" "Your score is $score in 3 total questions." "No. 1" "Math problems $first_problem" \
  "Your Answer $answer" "Correct Answer $answer" "Result Correct!"

mark "Down, row 2"
key Down
quiet 1
expect_in_order "No. 2" "Math problems $second_problem" "Your Answer $wrong" "Correct Answer $((wrong - 1))" \
  "Result Wrong!"
nothing_else "No. 2" "Math problems $second_problem" "Your Answer $wrong" "Correct Answer $((wrong - 1))" \
  "Result Wrong!"

mark "Play Again"
key Tab
quiet 1
expect_in_order "Play Again"
nothing_else "Play Again"
key space
x_poll 3 now_has "Question 1" || true
quiet 1.5
read -r a b _ < <(problem)
expect_in_order "Question 1: $a plus $b equals"
nothing_else "Play Again" "Quillory frame" "Question 1: $a plus $b equals"

# The second game's summary opens on its score line and first row as well.
mark "second game: right answer, End Game"
type_digits "$((a + b))"
key Return
x_poll 3 now_has "Your score is 1. Next" || true
key Tab
x_poll 3 now_has "End Game" || true
key space
x_poll 3 now_has "Your score is 1 in 1 total questions." || true
quiet 1.5
expect_in_order "That's correct! Your score is 1. Next" "End Game" "Summary" \
  "Your score is 1 in 1 total questions." "No. 1" "Math problems $a plus $b" "Result Correct!"

# ---------------------------------------------------------------- the timeline
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
if ((status == 0)); then echo "orca: every moment spoken"; fi
exit "$status"
