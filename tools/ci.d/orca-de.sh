#!/usr/bin/env bash
# A German child's round with Orca: the desktop in German (the locale and
# LANGUAGE), so Orca, speech-dispatcher and espeak-ng speak with the German
# voice, and the game speaks from its German catalogue. Orca must say the
# problem, a right and a wrong verdict and the summary's rows in the
# catalogue's German words, each once and in order, and its voice must be
# German. The English round (orca.sh) holds every other moment.
# Usage: tools/ci.d/orca-de.sh [PROGRAM]   (QUILLORY_BUILD_DIR/quillory by default)
set -euo pipefail
cd "$(dirname "$0")/../.."
orca_name=orca-de

if [ "${ORCA_ROUND_INNER:-}" != 1 ]; then
  locale -a | grep -qix 'de_DE.utf-\?8' || { echo "$orca_name: no de_DE.UTF-8 locale (tools/setup.sh test)" >&2; exit 1; }
  unset LC_ALL LC_MESSAGES
  export LANG=de_DE.UTF-8 LANGUAGE=de ORCA_VOICE_LANGUAGE=de
fi
source tools/orca_round.sh

catalogue=translations/quillory_de.ts
german() { /usr/bin/python3 tools/catalogue_text.py "$catalogue" "$@"; }
# arg TEMPLATE VALUE...: %1, %2, ... filled in, as Qt's QString::arg does.
arg() {
  local text=$1 i=1
  shift
  for value in "$@"; do text=${text//%$i/$value}; i=$((i + 1)); done
  printf '%s' "$text"
}
words=()
mapfile -t words < <(german "Question %1: %2 %3 %4 equals" "plus" "That's correct!" "Wrong! Answer: %1" \
  "Your score is %1." "Next" "Your score is %1 in %2 total questions." "No." "Math problems" \
  "Correct Answer" "Result" "Correct!" "Wrong!" "first number" "second number" "verdict") || true
((${#words[@]} == 16)) || { echo "$orca_name: $catalogue lacks the round's words" >&2; exit 1; }
spoken_problem=${words[0]} plus=${words[1]} correct=${words[2]} wrong_answer=${words[3]}
your_score=${words[4]} next=${words[5]} score_line=${words[6]} h_no=${words[7]} h_problems=${words[8]}
h_correct=${words[9]} h_result=${words[10]} v_correct=${words[11]} v_wrong=${words[12]}
ORCA_DESCRIPTIONS=("${words[13]}" "${words[14]}" "${words[15]}")
# A verdict said as its own sentence ends with a stop, as the game says it.
sentence() { case $1 in *. | *!) printf '%s' "$1" ;; *) printf '%s.' "$1" ;; esac; }

mark start
QT_QPA_PLATFORM=xcb "$ORCA_PROGRAM" >"$work/game.log" 2>&1 &
game=$!
x_on_exit "x_stop_process $game"
win=$(x_wait_window '^Quillory$' 20) || { echo "$orca_name: the game did not show" >&2; exit 1; }
read -r a b _ < <(problem)
first=$(arg "$spoken_problem" 1 "$a" "$plus" "$b")
x_poll 5 now_has "$first" || true
quiet 1
expect_in_order "$first"

mark "Enter, right answer"
first_problem="$a $plus $b" first_answer=$((a + b))
type_digits "$first_answer"
key Return
said=$(sentence "$correct") score=$(arg "$your_score" 1)
x_poll 3 now_has "$said" || true
quiet 1
expect_in_order "$said $score $next"

mark "Enter, Question 2, wrong answer"
key Return
x_poll 3 now_has "$(arg "$spoken_problem" 2)" || true
quiet 1
read -r a b _ < <(problem)
expect_in_order "$(arg "$spoken_problem" 2 "$a" "$plus" "$b")"
wrong=$((a + b + 1))
type_digits "$wrong"
key Return
said="$(sentence "$(arg "$wrong_answer" $((a + b)))") $(arg "$your_score" 0) $next"
x_poll 3 now_has "$said" || true
quiet 1
expect_in_order "$said"

mark "End Game, the summary"
key Tab
quiet 1
key space
x_poll 3 now_has "$(arg "$score_line" 0 2)" || true
quiet 1.5
expect_in_order "$(arg "$score_line" 0 2)" "$h_no 1" "$h_problems $first_problem" \
  "$h_correct $first_answer" "$h_result $v_correct"

mark "Down, row 2"
key Down
quiet 1
expect_in_order "$h_no 2" "$h_problems $a $plus $b" "$h_correct $((a + b))" "$h_result $v_wrong"

# Orca logs the voice it asked speech-dispatcher for, and what it got.
grep -qE '^ *SD rate .* language de' "$log" || fail "the voice was not German: $(grep -m1 -E '^ *SD rate' "$log")"
orca_finish
