#!/usr/bin/env bash
# Start-up of the Linux build against the Windows build under Wine, on the
# same Xvfb, in alternating rounds (RUNS, 10 unless given), timed by the
# benchmarks' own watcher (bench_startup, startup_probe): from just before
# the program is started to the first paint of Question 1 flushed to its
# window, noticed by the probe inside the program (preloaded into the Linux
# build; loaded by Qt as a generic plugin into the Windows build, through
# the prefix's registry environment, the one route by which Wine hands a
# program QT_* variables). The bare Qt window of the benchmarks runs beside
# them on both, to tell Wine's cost from the game's. Prints every round, the
# medians and the ratios.
# Wine's first start in a new prefix also fills its caches: it is timed apart.
#
#   tools/windows/startup-compare.sh [LINUX-BUILD] [WINDOWS-BUILD]
#     (defaults: build, build-win, both configured; the benchmark and the
#      probe's Windows form are built here when missing)
set -euo pipefail
cd "$(dirname "$0")/../.."
linux_build=$(realpath "${1:-build}")
win_build=$(realpath "${2:-build-win}")
runs=${RUNS:-10}

cmake --build "$linux_build" --target bench_startup >/dev/null
# The benchmarks are off in a Windows build; of them only the probe has a
# Windows form.
cmake -S . -B "$win_build" -DQUILLORY_BENCH=ON >/dev/null
cmake --build "$win_build" --target startup_probe bench_bare_window >/dev/null

source tools/x_session.sh
source tools/windows/wine_session.sh
x_session_start 1024x768x24
wine_session_start
plugins="$(winepath -w "$win_build/probe-plugins");$(winepath -w "$win_build/Quillory")"
for setting in "QT_PLUGIN_PATH=$plugins" QT_QPA_GENERIC_PLUGINS=quillory-probe; do
  timeout 60 wine reg add 'HKCU\Environment' /v "${setting%%=*}" /t REG_SZ /f /d "${setting#*=}" >/dev/null 2>&1 ||
    { echo "startup: could not set ${setting%%=*} in the prefix"; exit 1; }
done
# One server for every start, as Windows keeps its own running (the one
# wineboot started ends first).
timeout 30 wineserver -w || true
wineserver -p
export XDG_RUNTIME_DIR=$WINE_SESSION_DIR/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$linux_build/bench/bench_startup" --versus-wine "$win_build/Quillory" \
  --wine-bare "$win_build/bench/bench_bare_window.exe" --runs "$runs" 2>&1 | sed 's/^/startup: /'
