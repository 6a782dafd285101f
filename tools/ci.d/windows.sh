#!/usr/bin/env bash
# Windows as a platform of the same tree: cross-builds everything with
# MinGW-w64 against the Qt that tools/windows/qt.sh builds (once; cached),
# with warnings as errors; runs engine_tests.exe and ui_tests.exe under Wine
# (offscreen); plays a round of the real game under Wine on Xvfb
# (tools/windows/wine-play.sh); and runs the installer for every user, over
# the running game, for the current user and over an older install, each in
# a fresh Wine prefix (tools/windows/installer-check.sh).
# Prints the time of each part and the sizes of what a user downloads.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${QUILLORY_WINDOWS_BUILD_DIR:-build-win}
jobs=$(nproc 2>/dev/null || echo 2)
t0=$(date +%s)
lap() { echo "windows: $1 in $(($(date +%s) - t0)) s"; }

bash tools/setup.sh windows

# qt.sh fetches Qt's source where the machine's apt-get fetches its packages:
# its deb-src entries are the machine's own deb entries of this release, read
# from the one-line and the deb822 form alike; entries of other releases,
# disabled ones and third-party archives are left out.
apt_sources_check() (
  set -euo pipefail
  . tools/windows/apt_sources.sh
  t=$(mktemp -d)
  trap 'rm -rf "$t"' EXIT
  mkdir "$t/parts"
  cat >"$t/list" <<'ONE'
# the release, from a mirror, and its security suite with its own key
deb http://mirror.example/debian bookworm main contrib
deb [ arch=amd64 signed-by=/etc/keys/mirror.gpg ] http://mirror.example/debian-security bookworm-security main # fixes
deb-src http://mirror.example/debian bookworm main
#deb http://old.example/debian bookworm main
deb [trusted=yes] http://local.example/debian trixie main
deb https://vendor.example/apt stable main
ONE
  cat >"$t/parts/proxy.sources" <<'DEB822'
Types: deb deb-src
URIs: http://proxy.example:3142/debian
Suites: bookworm
 bookworm-updates sid
Components: main non-free-firmware
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGP
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb
Enabled: no
URIs: http://off.example/debian
Suites: bookworm
Components: main
DEB822
  echo 'deb http://ignored.example/debian bookworm main' >"$t/parts/other.list.disabled"
  cat >"$t/expected" <<'EXPECTED'
Types: deb-src
URIs: http://mirror.example/debian
Suites: bookworm
Components: main contrib

Types: deb-src
URIs: http://mirror.example/debian-security
Suites: bookworm-security
Components: main
Signed-By: /etc/keys/mirror.gpg

Types: deb-src
URIs: http://proxy.example:3142/debian
Suites: bookworm bookworm-updates
Components: main non-free-firmware
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGP
 -----END PGP PUBLIC KEY BLOCK-----

EXPECTED
  deb_src_entries "$t/list" "$t/parts" bookworm >"$t/got"
  diff -u "$t/expected" "$t/got" || { echo "windows: deb-src entries read wrong"; return 1; }
  . /etc/os-release
  deb_src_machine_entries "$VERSION_CODENAME" >"$t/machine"
  grep -q '^URIs: ' "$t/machine" || {
    echo "windows: this machine's apt sources have no deb entry for $VERSION_CODENAME"
    return 1
  }
  echo "windows: Qt's source would come from $(grep '^URIs: ' "$t/machine" | cut -c7- | tr '\n' ' ')"
)
apt_sources_check

qt=$(bash tools/windows/qt.sh | tail -n1)
lap "the Qt for Windows ready"

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/toolchain.cmake" \
  -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_BUILD_TYPE=Release -DQUILLORY_WERROR=ON >/dev/null
cmake --build "$build" -j "$jobs"
cmake --build "$build" -j "$jobs" --target windows_packages
lap "cross-built"

# The zip holds the game's folder, file for file.
zip=$(ls "$build"/Quillory-*-windows-x64.zip)
diff <(cd "$build" && find Quillory -type f | sort) <(unzip -Z1 "$zip" | grep -v '/$' | sort) || {
  echo "windows: the zip and the game's folder differ"
  exit 1
}

# The tests, in a Wine prefix of their own, with Qt's DLLs found on WINEPATH.
(
  source tools/x_session.sh
  source tools/windows/wine_session.sh
  wine_session_start
  # Qt's DLLs and MinGW's runtime, where the test programs find them.
  path=$(winepath -w "$qt/bin")
  for dll in libstdc++-6.dll libwinpthread-1.dll; do
    path+=";$(winepath -w "$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")")"
  done
  export WINEPATH=$path
  # Wine hands no QT_* variable of ours to a Windows program, but it does
  # hand those of the prefix's registry. The tests run offscreen (the rig's
  # default), and Qt's offscreen platform on Windows knows only the fonts of
  # QT_QPA_FONTDIR: without them every glyph is a box an em wide, and no
  # width a test measures means anything.
  timeout 60 wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /t REG_SZ /f \
    /d "$(winepath -w /usr/share/fonts/truetype/liberation2)" >/dev/null 2>&1
  # One process per suite: a Wine start costs more than most tests.
  for suite in engine_tests ui_tests; do
    timeout 900 wine "$build/tests/$suite.exe" --gtest_brief=1 >"$build/$suite.log" 2>&1 || {
      cat "$build/$suite.log"
      echo "windows: $suite.exe failed under Wine"
      exit 1
    }
    grep -E '^\[  (PASSED|SKIPPED) |tests? ran|SKIPPED \]' "$build/$suite.log" | sed "s/^/windows: $suite: /" | head -20
  done
)
lap "tests passed under Wine"

timeout 300 bash tools/windows/wine-play.sh "$build/Quillory" "$build/wine-play"
lap "the round played under Wine"
# A German desktop's round: Wine takes the user's language from the locale,
# and the game its catalogue from the user's display languages. The same
# round, photographed into wine-play-de; the Operator heading must not be
# the English one.
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE= \
  SUMMARY_TITLE=$(python3 tools/catalogue_text.py translations/quillory_de.ts Summary) \
  timeout 300 bash tools/windows/wine-play.sh "$build/Quillory" "$build/wine-play-de"
heading() { convert "$1" -crop 129x25+152+176 +repage -colorspace gray -threshold 50% "$2"; }
heading "$build/wine-play/window-right.png" "$build/wine-play/heading.png"
heading "$build/wine-play-de/window-right.png" "$build/wine-play-de/heading.png"
differing=$(compare -metric AE "$build/wine-play/heading.png" "$build/wine-play-de/heading.png" null: 2>&1 || true)
if ! [[ ${differing%%.*} =~ ^[0-9]+$ ]] || [ "${differing%%.*}" -lt 50 ]; then
  echo "windows: the round on a German desktop showed the English heading ($differing pixels differ)"
  exit 1
fi
lap "the round played in German under Wine ($differing pixels of the heading differ from English)"
timeout 300 bash tools/windows/wine-scaling.sh "$build/Quillory" "$build/wine-play"
lap "display scaling checked"

installer=$(ls "$build"/Quillory-*-windows-x64-setup.exe)
timeout 400 bash tools/windows/installer-check.sh "$installer"
lap "the installer round done"

echo "windows: installer $(basename "$installer") $(du -k "$installer" | cut -f1) KiB," \
     "zip $(basename "$zip") $(du -k "$zip" | cut -f1) KiB"
# Start-up beside the Linux build, when the Linux part of CI has built the
# benchmarks; a figure to read, not a verdict (the machine is shared).
if [ -x build/bench/bench_startup ]; then
  RUNS=5 timeout 300 bash tools/windows/startup-compare.sh build "$build" || true
fi
