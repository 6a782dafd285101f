#!/usr/bin/env bash
# Renders window states at the classroom scale factors 1, 1.5 and 2 with
# the snapshot tool, into OUTDIR/scale-1, OUTDIR/scale-1.5, OUTDIR/scale-2,
# and checks that every picture has the window's layout size times the
# scale. With --readme, also refreshes the picture the README shows.
# Usage: tools/scale-snapshots.sh [--readme] OUTDIR [STATE...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUILLORY_BUILD_DIR:-build}

readme=
if [ "${1:-}" = --readme ]; then
  readme=1
  shift
fi
if [ $# -lt 1 ]; then
  echo "usage: $0 [--readme] OUTDIR [STATE...]" >&2
  exit 2
fi
out=$1
shift
states=("$@")
[ ${#states[@]} -gt 0 ] || states=(judged-right judged-wrong timed-out multi-picked question-mul-hard summary)

cmake --build "$build" --target snapshot >/dev/null
failures=0
for scale in 1 1.5 2; do
  dir="$out/scale-$scale"
  mkdir -p "$dir"
  QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=offscreen "$build/tools/snapshot" "$dir" "${states[@]}" >/dev/null
  for state in "${states[@]}"; do
    png="$dir/$state.png"
    case $state in
      summary*) w=600 h=323 ;;
      *) w=616 h=520 ;;
    esac
    want=$(awk -v w=$w -v h=$h -v s=$scale 'BEGIN { printf "%dx%d", int(w * s + 0.5), int(h * s + 0.5) }')
    got=$(identify -format '%wx%h' "$png")
    if [ "$got" = "$want" ]; then
      echo "ok     $png is $got"
    else
      echo "FAILED $png is $got, not $want"
      failures=$((failures + 1))
    fi
  done
done
if [ -n "$readme" ]; then
  cp "$out/scale-2/judged-right.png" packaging/screenshots/main-window-scale-2.png
  cp "$out/scale-2/summary.png" packaging/screenshots/summary-window-scale-2.png
  echo "refreshed packaging/screenshots/"
fi
[ "$failures" -eq 0 ]
