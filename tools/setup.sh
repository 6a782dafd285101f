#!/usr/bin/env bash
# Installs what building, running and testing Quillory needs on Debian.
# Idempotent: apt-get runs only when a package is missing, and the package
# lists are refreshed only then.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgtest-dev
  fonts-liberation2 fontconfig
  xvfb xdotool imagemagick x11-utils
  # reliability checks: the system-call tracer for the no-writes check
  strace
  # benchmarks
  libbenchmark-dev time
  # desktop integration: validators, the accessibility bus and its client
  appstream desktop-file-utils at-spi2-core python3-pyatspi dbus-x11
  # the icon check draws the scalable icon to compare it with the program's
  librsvg2-bin
  # other desktops: the GTK theme bridge and its dark and high-contrast themes,
  # qt6ct for a dark Fusion palette, the Wayland plugin and a compositor
  qt6-gtk-platformtheme gnome-themes-extra qt6ct qt6-wayland weston
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "setup: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
