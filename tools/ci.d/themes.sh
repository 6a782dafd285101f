#!/usr/bin/env bash
# Every text of both windows must read under the desktop's colours: the real
# program is played under the default theme, GTK's Adwaita:dark,
# HighContrast and HighContrastInverse and a dark Fusion palette (qt6ct),
# each with and without the skin file, and the contrast of every text is
# measured from the pixels (tools/theme_contrast.py). The photographs stay in
# build/themes/.
#   tools/ci.d/themes.sh [PROGRAM [OUTDIR]] [-- THEME...]
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/../.."
build=${QUILLORY_BUILD_DIR:-build}
program=$(realpath "${1:-$build/quillory}")
out=$(realpath -m "${2:-$build/themes}")
[ -x "$program" ] || { echo "themes: $program is not built" >&2; exit 1; }
shift $(( $# > 2 ? 2 : $# )) || true
[ "${1:-}" = -- ] && shift
only=()
for t in "$@"; do only+=(--theme "$t"); done

rm -rf "$out"
mkdir -p "$out"
# The numbers of the problem are read through the accessibility bus, to give
# the right answer; the check starts the program itself, once per theme.
exec tools/a11y_session.sh - timeout 600 /usr/bin/python3 tools/theme_contrast.py \
  --program "$program" --out "$out" "${only[@]}"
