#!/usr/bin/env bash
# The game on Wayland: weston's headless backend and Qt's Wayland platform
# plugin. Headless weston has no input devices, so build/tools/wayland_drive
# starts the game through the program's own start-up and plays the round
# itself (Question 1 by itself, a right answer, End Game, Play Again, a wrong
# answer, End Game, the summary's close button), and checks that both windows
# carry the game's own title strip (no maximize, no minimize on the summary)
# and that a double click on it changes nothing. What the compositor was told
# is read from the client's protocol log: the caption, the app id of the
# desktop entry, a minimum size equal to the maximum size, so it cannot be
# resized, and never a request to maximize.
set -euo pipefail
cd "$(dirname "$0")/../.."

drive=build/tools/wayland_drive
[[ -x $drive ]] || cmake --build build --target wayland_drive
plugin=$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' -print -quit)
if [[ -z $plugin ]] || ! command -v weston >/dev/null; then
  echo "wayland: FAIL: weston and qt6-wayland are needed (tools/setup.sh installs them)"
  exit 1
fi

work=$(mktemp -d)
chmod 700 "$work"
weston_pid=
cleanup() {
  [[ -n $weston_pid ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work
socket=quillory-ci
weston --backend=headless-backend.so --socket="$socket" --width=1024 --height=768 \
  --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [[ -S $work/$socket ]] && break
  kill -0 "$weston_pid" 2>/dev/null || { cat "$work/weston.log"; exit 1; }
  sleep 0.1
done
[[ -S $work/$socket ]] || { echo "wayland: FAIL: weston did not start"; exit 1; }

failures=0
check() {
  local what=$1; shift
  if "$@"; then echo "wayland: ok   $what"; else echo "wayland: FAIL $what"; failures=$((failures + 1)); fi
}

# QT_IM_MODULE=none: Qt 6.4's Wayland text-input context dereferences the
# seat's missing keyboard when a key is released on a seat without one, as
# headless weston's is; a real session has a keyboard.
status=0
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_IM_MODULE=none WAYLAND_DEBUG=1 \
  timeout 60 "$drive" >"$work/drive.out" 2>"$work/protocol.log" || status=$?
cat "$work/drive.out"
grep -E 'Protocol error|error 4:|xdg_surface geometry' "$work/protocol.log" || true

check "the program ended by the summary's close button with status 0 (was $status)" test "$status" -eq 0
check "the round was played to its end" grep -qx 'wayland-drive: PASS' "$work/drive.out"
check "it ran on the Wayland platform" grep -qx 'wayland-drive: platform wayland' "$work/drive.out"
check "the main window's caption is Quillory" grep -qF 'set_title("Quillory")' "$work/protocol.log"
check "the summary's caption is Summary" grep -qF 'set_title("Summary")' "$work/protocol.log"
check "the app id is the desktop entry's" grep -qF 'set_app_id("org.quillory.Quillory")' "$work/protocol.log"
mins=$(grep -oE 'xdg_toplevel@[0-9]+\.set_min_size\([0-9]+, [0-9]+\)' "$work/protocol.log" |
  sed -E 's/\.set_min_size/ /' | sort -u)
maxs=$(grep -oE 'xdg_toplevel@[0-9]+\.set_max_size\([0-9]+, [0-9]+\)' "$work/protocol.log" |
  sed -E 's/\.set_max_size/ /' | sort -u)
echo "wayland: minimum sizes: $(tr '\n' ' ' <<<"$mins")"
check "both windows told the compositor a fixed size" \
  test "$(wc -l <<<"$mins")" -ge 2 -a -n "$mins" -a "$mins" = "$maxs"
check "no size of 0 among them" bash -c "! grep -q '(0, 0)' <<<'$mins'"
check "never a request to maximize" bash -c "! grep -q 'set_maximized' '$work/protocol.log'"
check "no protocol error" bash -c "! grep -q 'Protocol error' '$work/protocol.log'"

if ((failures)); then
  echo "wayland: $failures check(s) failed"
  exit 1
fi
echo "wayland: all checks passed"
