#!/usr/bin/env bash
# The Windows build, from a fresh Debian machine: installs the cross compiler
# and NSIS, builds the Qt for Windows once (tools/windows/qt.sh: about half an
# hour on two cores the first time, then kept in ~/.cache/quillory), builds
# quillory.exe with MinGW-w64 and packs the portable zip and the installer.
#
#   bash tools/windows/build.sh [BUILD-DIR]      (default build-win)
#
# Prints where the zip and the installer are. The game's folder, ready to
# run, is BUILD-DIR/Quillory.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-win}
jobs=$(nproc 2>/dev/null || echo 2)

bash tools/setup.sh windows
qt=$(bash tools/windows/qt.sh | tail -n1)
[ -f "$qt/.complete" ] || { echo "build: no Qt for Windows at '$qt'" >&2; exit 1; }

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/windows/toolchain.cmake" \
  -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_BUILD_TYPE=Release ${QUILLORY_WINDOWS_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j "$jobs" --target windows_packages
ls "$build"/Quillory-*-windows-x64.zip "$build"/Quillory-*-windows-x64-setup.exe
