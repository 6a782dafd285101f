#!/usr/bin/env bash
# The Debian package: builds it with CPack from the build tree, checks what
# it holds and depends on, validates its desktop entry and AppStream file,
# compares the scalable icon with the one the program draws, installs it
# (with dpkg when run as root, else unpacked into an empty root) and starts
# the installed program on a display of its own to see Question 1. Checks
# too that no file of the tree names a package archive or registry.
set -euo pipefail
cd "$(dirname "$0")/../.."
root_dir=$PWD
build=${QUILLORY_BUILD_DIR:-build}
app_id=org.quillory.Quillory

work=$(mktemp -d)
installed_with_dpkg=
cleanup() {
  if [ -n "$installed_with_dpkg" ]; then
    dpkg -r quillory >/dev/null 2>&1 || echo "package: could not remove quillory again" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' INT TERM

failures=0
passes=0
check() {
  local what=$1
  shift
  if "$@"; then
    passes=$((passes + 1))
    echo "ok     $what"
  else
    failures=$((failures + 1))
    echo "FAILED $what"
  fi
}

# No file of the project names a package archive or registry: whatever the
# build fetches comes from where the machine's own tools are pointed (its apt
# sources, a mirror, a proxy). Caught: the addresses of Debian's, Ubuntu's
# and the language registries' servers, and any apt entry written with an
# address. Kept: hosts under .example, which stand for none (the tests of
# reading apt's sources use them). The dots are bracketed so that this file
# does not match itself.
addresses_in_tree() {
  local hosts='([a-z0-9-]+[.])*((deb|security|ftp|http|snapshot|archive|incoming)[.]debian[.](org|net)|ftp[.][a-z]+[.]debian[.]org|(archive|security|ports|[a-z]+[.]archive)[.]ubuntu[.]com|ppa[.]launchpad(content)?[.]net|registry[.](npmjs[.]org|yarnpkg[.]com)|pypi[.](org|python[.]org)|files[.]pythonhosted[.]org|(static[.]|index[.])?crates[.]io|proxy[.]golang[.]org|rubygems[.]org|repo1?[.]maven[.](org|apache[.]org)|api[.]nuget[.]org|download[.]qt[.]io|dl[.]winehq[.]org|deb[.]nodesource[.]com|packages[.](microsoft|cloud[.]google)[.]com|download[.]docker[.]com)'
  local files
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files)
  else
    files=$(find . -path './build*' -prune -o -path ./.git -prune -o -type f -print)
  fi
  local found
  found=$(xargs -d '\n' grep -nIE -e "[a-z+]+://$hosts([:/]|\$|[^a-z0-9.-])" \
      -e "(^|[^a-z-])deb(-src)? +(\[[^]]*\] +)?[a-z+]+://" <<<"$files" |
    grep -vE "://[^/ ]*[.]example([:/ ]|\$)" || true)
  [ -z "$found" ] || { echo "$found"; return 1; }
}
check "no file of the tree names a package archive or registry" addresses_in_tree

cmake --build "$build" --target quillory quillory_icons >/dev/null
(cd "$work" && timeout 120 cpack --config "$root_dir/$build/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  echo "package: cpack failed" >&2
  exit 1
}
deb=$(find "$work/deb" -maxdepth 1 -name 'quillory_*.deb' | head -n1)
check "cpack made a .deb" test -n "$deb"
[ -n "$deb" ] || exit 1
echo "package: $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
expected=(/usr/bin/quillory
  "/usr/share/applications/$app_id.desktop"
  "/usr/share/metainfo/$app_id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$app_id.svg")
for size in 16 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for f in "${expected[@]}"; do
  check "the package holds $f" grep -qxF "$f" "$work/contents"
done
check "the package holds nothing of the tests or tools" \
  bash -c "! grep -E '_tests|snapshot|wayland_drive|render_icons|/include/|\\.a\$' '$work/contents'"

depends=$(dpkg-deb -f "$deb" Depends)
echo "package: Depends: $depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation2; do
  check "it depends on $dep" grep -qE "(^|, )$dep( |,|$)" <<<"$depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "package: Recommends: $recommends"
check "it recommends qt6-wayland (the Wayland platform plugin)" \
  grep -qE "(^|, )qt6-wayland( |,|$)" <<<"$recommends"
for rec in qt6-translations-l10n fonts-wqy-microhei fonts-lohit-deva fonts-dejavu-core; do
  check "it recommends $rec (Qt's own catalogues, the fonts of other scripts)" \
    grep -qE "(^|, )$rec( |,|$)" <<<"$recommends"
done

# The Description as package tools show it: the synopsis, then the long text
# as paragraphs, each line indented by exactly one space (two or more would
# make it preformatted text).
description=$(dpkg-deb -f "$deb" Description)
echo "package: Description:"
sed 's/^/package: | /' <<<"$description"
description_ok() {
  local synopsis body
  synopsis=$(head -n1 <<<"$description")
  body=$(tail -n +2 <<<"$description")
  [ "$synopsis" = "Arithmetic flash cards for children" ] || { echo "synopsis: $synopsis"; return 1; }
  [ -n "$body" ] || { echo "no long description"; return 1; }
  if grep -vE '^ [^ ]' <<<"$body"; then echo "(lines not indented by one space)"; return 1; fi
  if grep -E '^.{81}' <<<"$body"; then echo "(lines over 80 columns)"; return 1; fi
  head -n1 <<<"$body" | grep -qE '^ Quillory ' || { echo "the long text starts: $(head -n1 <<<"$body")"; return 1; }
}
check "the Description is a synopsis and a long text indented by one space" description_ok

mkdir -p "$work/root"
dpkg-deb -x "$deb" "$work/root"
# Hints count: one says the entry would show in two menus.
validate_desktop() {
  local out
  out=$(desktop-file-validate "$work/root/usr/share/applications/$app_id.desktop" 2>&1) || {
    echo "$out"
    return 1
  }
  [ -z "$out" ] || { echo "$out"; return 1; }
}
check "desktop-file-validate accepts the entry with no error, warning or hint" validate_desktop
check "appstreamcli validate --no-net accepts the metainfo" \
  appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml"
check "the installed program has no run path into a build tree" \
  bash -c "! readelf -d '$work/root/usr/bin/quillory' | grep -qE 'RPATH|RUNPATH'"
# Symbols and debugging information stay out of the package (a
# RelWithDebInfo build's program is some 30 times its stripped size).
stripped() {
  local what
  what=$(file -b "$work/root/usr/bin/quillory")
  echo "package: /usr/bin/quillory: $(stat -c %s "$work/root/usr/bin/quillory") bytes, ${what##*, }"
  [[ $what == *", stripped" ]]
}
check "the program in the package is stripped" stripped

# The scalable icon must show what the program draws.
icon_matches() {
  local size=$1 png="$work/root/usr/share/icons/hicolor/${1}x${1}/apps/$app_id.png" metric
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || return 1
  rsvg-convert -w "$size" -h "$size" "$work/root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    -o "$work/svg-$size.png"
  metric=$(compare -metric RMSE "$work/svg-$size.png" "$png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
  echo "package: icon ${size}px differs from the SVG by RMSE $metric"
  awk -v m="$metric" 'BEGIN { exit !(m != "" && m < 0.02) }'
}
for size in 48 256; do
  check "the ${size}px icon matches the SVG" icon_matches "$size"
done

if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W quillory >/dev/null 2>&1; then
  # dpkg refuses the package if a dependency is missing.
  DEBIAN_FRONTEND=noninteractive dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || {
    cat "$work/dpkg.log"
    exit 1
  }
  installed_with_dpkg=1
  program=/usr/bin/quillory
  echo "package: installed with dpkg"
else
  for dep in $(tr ',' '\n' <<<"$depends" | sed 's/(.*//; s/|.*//' | tr -d ' '); do
    check "dependency $dep is installed" dpkg-query -W "$dep"
  done
  program=$work/root/usr/bin/quillory
  echo "package: unpacked into an empty root"
fi

# Started from an empty folder with nothing of the source or build trees
# in reach: what it loads must come from the system.
mkdir "$work/empty"
cat >"$work/look.sh" <<EOF
set -euo pipefail
/usr/bin/python3 "$root_dir/tools/atspi_play.py" --pid "\$GAME_PID" --question-only
window=\$(xdotool search --sync --pid "\$GAME_PID" --name '^Quillory\$' | head -n1)
geometry=\$(xwininfo -id "\$window" | awk '/Width:/ {w=\$2} /Height:/ {h=\$2} END {print w "x" h}')
echo "package: the window is \$geometry"
[ "\$geometry" = 616x520 ] || { echo "FAILED the window keeps its 616 x 520 layout"; exit 1; }
import -window "\$window" "$work/shot.png"
# The green problem panel and dark text where "Question 1" stands.
panel=\$(/usr/bin/convert "$work/shot.png" -format '%[hex:p{30,30}]' info:)
text=\$(/usr/bin/convert "$work/shot.png" -crop 441x25+160+416 -colorspace Gray -format '%[fx:minima]' info:)
echo "package: panel colour #\$panel, darkest in the question line \$text"
[ "\${panel:0:6}" = 80FF80 ] || { echo "FAILED the problem panel is green"; exit 1; }
awk -v t="\$text" 'BEGIN { exit !(t < 0.3) }' || { echo "FAILED text stands in the question line"; exit 1; }
if grep -E "$root_dir" "/proc/\$GAME_PID/maps" >/dev/null; then
  echo "FAILED the installed program loaded a file from the work tree"; exit 1
fi
EOF
check "the installed program starts and shows Question 1" \
  bash -c "cd '$work/empty' && timeout 90 '$root_dir/tools/a11y_session.sh' '$program' bash '$work/look.sh'"

echo "package: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
