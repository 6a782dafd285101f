#!/usr/bin/env bash
# Builds the Qt the Windows build links against, from Debian's own source of
# qtbase, cross-compiled with MinGW-w64. The build is kept in a cache folder
# outside the tree and reused while the Qt version and the options below are
# the same; the last line printed is that folder (CMAKE_PREFIX_PATH).
#   bash tools/windows/qt.sh            # build if needed, print the prefix
# QUILLORY_CACHE overrides the cache folder (default ~/.cache/quillory).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/toolchain.cmake

log() { echo "qt.sh: $*" >&2; }

# moc, rcc and uic come from the host's Qt, so the source must be the same
# version as the host's qt6-base-dev.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$host_version" ]; then
  log "qt6-base-dev is not installed (run tools/setup.sh windows)"; exit 1
fi

# Every option that changes what is built; the cache key is their hash.
options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DFEATURE_dbus=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_network=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_vulkan=OFF
  # Debian's source drops the wintab headers tablet support needs.
  -DFEATURE_tabletevent=OFF
  # Stays on: 6.4's Windows platform plugin does not compile without it.
  -DFEATURE_opengl=ON
)
key=$( { echo "$host_version"; printf '%s\n' "${options[@]}"; cat "$toolchain"; } | sha256sum | cut -c1-12)
cache=${QUILLORY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillory}
prefix=$cache/qt-mingw-${host_version%%+*}-$key

# One build at a time: a second run (another checkout's build, a check)
# waits for the first and reuses what it built, rather than wiping the
# work folder under it.
mkdir -p "$cache"
exec 9>"$cache/.qt-mingw-$key.lock"
if ! flock -n 9; then
  log "another run is building this Qt; waiting for it"
  flock 9
fi

if [ -f "$prefix/.complete" ]; then
  log "reusing $prefix"
  echo "$prefix"; exit 0
fi

work=$cache/qt-mingw-work-$key
rm -rf "$work"; mkdir -p "$work"
start=$(date +%s)

# A private apt state with deb-src entries taken from the machine's own
# (the archive, mirror or proxy its apt-get already uses), so the machine's
# own lists stay as they are.
apt_dir=$work/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
. /etc/os-release
. "$here/apt_sources.sh"
deb_src_machine_entries "$VERSION_CODENAME" >"$apt_dir/sources.list.d/qt-source.sources"
if [ ! -s "$apt_dir/sources.list.d/qt-source.sources" ]; then
  log "no deb entry for $VERSION_CODENAME in apt's sources (apt-config dump | grep Dir::Etc); cannot fetch Debian's source of qt6-base"
  exit 1
fi
apt_opts=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
          -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
          -o APT::Sandbox::User=root)
log "fetching Debian's source of qt6-base $host_version"
apt-get "${apt_opts[@]}" update -q >&2
(cd "$work" && apt-get "${apt_opts[@]}" source -q --only-source "qt6-base=$host_version" >&2)
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -n "$src" ] || { log "no source unpacked"; exit 1; }

log "configuring ($(nproc) jobs)"
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  "${options[@]}" >"$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log" >&2; exit 1; }
log "building (the first time takes about half an hour on two cores)"
nice -n 10 cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || { tail -n 60 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -n 40 "$work/install.log" >&2; exit 1; }
touch "$prefix/.complete"
rm -rf "$work"
log "built in $(( $(date +%s) - start )) s into $prefix"
echo "$prefix"
