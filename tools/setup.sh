#!/usr/bin/env bash
# Installs the Debian packages a Quillory command needs, by group:
#   bash tools/setup.sh play      build and start the game
#   bash tools/setup.sh test      build and run every test and check
#   bash tools/setup.sh bench     the benchmarks
#   bash tools/setup.sh windows   the Windows cross-build and its Wine tests
# Several groups may be named; with none, "test". Idempotent: apt-get runs
# only when a package is missing, and the package lists are refreshed only
# then.
set -euo pipefail

# Building and starting the game: the compiler, Qt and the fonts the windows
# name (Liberation stands in for Arial and Times New Roman).
play=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins
  # libX11, to ask the X server for held keys' repeats without releases
  libx11-dev
  fonts-liberation2 fontconfig
  # the catalogues: lupdate and lrelease with their CMake functions, and
  # Qt's own catalogues (the message boxes' button, the answer box's menu)
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # glyphs the Liberation fonts lack, found by Qt's font fallback: Chinese,
  # Japanese and Korean (5 MB), Devanagari (0.2 MB), Arabic and Hebrew
  fonts-wqy-microhei fonts-lohit-deva fonts-dejavu-core
)
test=(
  "${play[@]}" libgtest-dev
  # the real program under Xvfb, driven and photographed
  xvfb xdotool imagemagick x11-utils
  # a held Enter under a window manager, with the server's key repeat (xset)
  openbox x11-xserver-utils
  # reliability checks: the system-call tracer for the no-writes check
  strace
  # the benchmarks build with the tests
  libbenchmark-dev time
  # desktop integration: validators, the accessibility bus and its client
  appstream desktop-file-utils at-spi2-core python3-pyatspi dbus-x11
  # the screen reader Debian ships, its speech server and voice, and a window
  # manager to give the game the focus (tools/ci.d/orca.sh)
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng matchbox-window-manager
  # the German desktop's locale for the German round (tools/ci.d/orca-de.sh)
  locales
  # the icon check draws the scalable icon to compare it with the program's
  librsvg2-bin
  # the package check tells a stripped program from one with its symbols
  file
  # other desktops: the GTK theme bridge and its dark and high-contrast themes,
  # qt6ct for a dark Fusion palette, the Wayland plugin and a compositor
  qt6-gtk-platformtheme gnome-themes-extra qt6ct qt6-wayland weston
)
bench=("${play[@]}" libbenchmark-dev time xvfb x11-utils xdotool imagemagick python3)
windows=(
  "${play[@]}" libgtest-dev
  # the cross compiler; mingw-w64-x86-64-dev by name, or tchar.h is missing
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  # apt-get source for Debian's qtbase
  dpkg-dev
  # the icon file, drawn from the scalable icon
  librsvg2-bin imagemagick
  # the installer, and the zip looked into
  nsis unzip
  # the tests and the game under Wine (64-bit), with Wine's own fonts (MS
  # Sans Serif), on Xvfb, driven and photographed
  wine wine64 fonts-wine xvfb xdotool x11-utils python3
  # the German round under Wine takes its language from the locale
  locales
)

groups=("$@")
((${#groups[@]})) || groups=(test)
packages=()
for g in "${groups[@]}"; do
  case $g in
    play) packages+=("${play[@]}") ;;
    test) packages+=("${test[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    windows) packages+=("${windows[@]}") ;;
    *) echo "setup: unknown group $g (play, test, bench, windows)" >&2; exit 2 ;;
  esac
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The German rounds need a German desktop: Orca and speech-dispatcher take
# their language from the locale, which a fresh Debian machine has not made.
for g in "${groups[@]}"; do
  if [[ $g =~ ^(test|windows)$ ]] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
    echo "setup: making the de_DE.UTF-8 locale"
    "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
done
