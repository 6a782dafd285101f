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
orca_name=orca
source tools/orca_round.sh

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

orca_finish
