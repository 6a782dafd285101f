#!/usr/bin/env bash
# Wake-ups of the real game at rest (after a time-out, nothing counting down)
# and while a problem counts down, next to a bare Qt window at rest and
# counting down the same way (bench_bare_window --countdown); each on
# a desktop of its own with the accessibility bus on (tools/a11y_session.sh).
# Usage: bench/wakeups.sh [BUILD_DIR] [REST_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rest=${2:-30}
for program in "$build/quillory" "$build/bench/bench_bare_window"; do
  [ -x "$program" ] || { echo "wakeups: $program is not built" >&2; exit 1; }
done
echo "game ($build/quillory):"
tools/a11y_session.sh "$PWD/$build/quillory" \
  bash -c '/usr/bin/python3 bench/wakeups.py --game --rest "$1" --pid "$GAME_PID"' _ "$rest"
echo "bare Qt window ($build/bench/bench_bare_window):"
tools/a11y_session.sh "$PWD/$build/bench/bench_bare_window" \
  bash -c '/usr/bin/python3 bench/wakeups.py --rest "$1" --pid "$GAME_PID"' _ "$rest"
echo "bare Qt window counting down ($build/bench/bench_bare_window --countdown):"
# The session starts a program without arguments; this one execs the window.
wrapper=$(mktemp)
trap 'rm -f "$wrapper"' EXIT
printf '#!/bin/sh\nexec "%s" --countdown\n' "$PWD/$build/bench/bench_bare_window" >"$wrapper"
chmod +x "$wrapper"
tools/a11y_session.sh "$wrapper" \
  bash -c '/usr/bin/python3 bench/wakeups.py --settle 2 --rest 10 --label "counting down" --pid "$GAME_PID"'

