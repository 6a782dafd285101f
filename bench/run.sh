#!/usr/bin/env bash
# Builds the benchmarks in release mode, runs them and prints one table:
# medians, spreads and the ratios against bare Qt, with the machine they ran on.
#
#   bash bench/run.sh          the full run (about nine minutes; the countdown
#                              alone takes 2 x 110 s of real time)
#   bash bench/run.sh --quick  a short run that checks the benchmarks work; its
#                              figures are too small a sample to quote
#
# It starts with tools/setup.sh, as the README's other commands do. The
# build goes to build-bench/ (QUILLORY_BENCH_BUILD overrides it); the
# detailed output of every program goes to build-bench/bench-log.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLORY_BENCH_BUILD:-$root/build-bench}
quick=0
[ "${1:-}" = "--quick" ] && quick=1

if ((quick)); then
  startup_runs=3 enter_problems=100 longest_problems=3000 countdown_problems=1
else
  startup_runs=15 enter_problems=1000 longest_problems=32767 countdown_problems=10
fi

bash "$root/tools/setup.sh" bench
echo "== building the benchmarks (Release) in $build =="
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUILLORY_TESTS=OFF -DQUILLORY_TOOLS=OFF -DQUILLORY_SANITIZE=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target benchmarks | tail -n 1

b=$build/bench
log=$build/bench-log.txt
rows=$build/bench-rows.tsv
: >"$log"
: >"$rows"
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

source "$root/tools/x_session.sh"
x_on_exit 'rm -rf "$work"'
busy_pid=
x_on_exit 'x_stop_process "$busy_pid"'

# A virtual X server of its own, on a display that Xvfb picks.
x_session_start 1280x1024x24 2>>"$log" || { echo "Xvfb did not start (see $log)"; exit 1; }
xdisplay=$DISPLAY
# Only the runs on X see the server: with DISPLAY set, Qt's offscreen platform
# opens the X display as well, which adds about ten milliseconds to start-up.
unset DISPLAY

load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# Runs one benchmark program; its table rows are kept, the rest is logged.
run() {
  local title=$1
  shift
  echo "== $title ==" | tee -a "$log"
  if ! "$@" 2>>"$log" | tee -a "$log" | grep '^ROW' >>"$rows"; then
    echo "benchmark failed: $* (see $log)"
    tail -n 5 "$log"
    exit 1
  fi
}

run "problem generation" "$b/bench_generation"
run "start-up, offscreen" "$b/bench_startup" --platform offscreen --runs "$startup_runs"
run "start-up, Xvfb" env DISPLAY="$xdisplay" "$b/bench_startup" --platform xcb --runs "$startup_runs"
run "Enter to verdict, offscreen" env QT_QPA_PLATFORM=offscreen "$b/bench_enter" --problems "$enter_problems"
run "Enter to verdict, Xvfb" env QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay" "$b/bench_enter" --problems "$enter_problems"
run "the longest game" env QT_QPA_PLATFORM=offscreen "$b/bench_longest" --problems "$longest_problems"
run "countdown, idle" env QT_QPA_PLATFORM=offscreen "$b/bench_countdown" --problems "$countdown_problems" --load idle
# The other core kept busy by a process that only spins.
(while :; do :; done) &
busy_pid=$!
run "countdown, other core busy" env QT_QPA_PLATFORM=offscreen "$b/bench_countdown" --problems "$countdown_problems" --load "one core spinning"
x_stop_process "$busy_pid"
busy_pid=

load_after=$(cut -d' ' -f1-3 /proc/loadavg)
qt=$(awk -F'\t' '$1 == "INFO" && $2 == "Qt" {print $3; exit}' "$log")
cpu=$(awk -F': ' '/^model name/ {print $2; exit}' /proc/cpuinfo)

echo
echo "Machine: $(nproc) cores, $cpu, $(awk '/MemTotal/ {printf "%.1f GB RAM", $2/1048576}' /proc/meminfo), Linux $(uname -r)"
echo "Qt: $qt; compiler: $(c++ --version | head -n 1)"
echo "Load average (1, 5, 15 min): $load_before before, $load_after after"
((quick)) && echo "QUICK RUN: samples too small to quote."
echo
{
  printf 'figure\tcondition\tgame (median)\tspread\tbare Qt\tratio\ttarget\tverdict\n'
  cut -f2- "$rows"
} | awk -F'\t' '
  { for (i = 1; i <= NF; i++) { cell[NR, i] = $i; if (length($i) > width[i]) width[i] = length($i) }
    if (NF > cols) cols = NF }
  END { for (r = 1; r <= NR; r++) { line = ""
          for (i = 1; i <= cols; i++) line = line sprintf(i < cols ? "%-" width[i] + 2 "s" : "%s", cell[r, i])
          print line } }'
echo
missed=$(awk -F'\t' '$9 == "MISSED"' "$rows" | wc -l)
echo "$missed target(s) missed; details in $log"
