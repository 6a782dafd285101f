#!/usr/bin/env bash
# A real assistive-technology client plays the game: over the AT-SPI bus,
# with Debian's at-spi2-core and python3-pyatspi, it reads Question 1, the
# two numbers and the operator, answers, hears the verdict and the time-out,
# reads the summary row by row, and sends D-Bus Properties.GetAll to every
# accessible object without bringing the game down.
# Then once more under Qt's GTK platform theme, which starts GTK inside the
# game: the game must still be one application on the bus, with its windows.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${QUILLORY_BUILD_DIR:-build}
program=$PWD/$build/quillory
[ -x "$program" ] || { echo "atspi: $program is not built" >&2; exit 1; }
timeout 120 tools/a11y_session.sh "$program" \
  bash -c '/usr/bin/python3 tools/atspi_play.py --pid "$GAME_PID"'

echo "atspi: again with QT_QPA_PLATFORMTHEME=gtk3"
QT_QPA_PLATFORMTHEME=gtk3 timeout 120 tools/a11y_session.sh "$program" bash -c '
  status=0
  /usr/bin/python3 tools/atspi_play.py --pid "$GAME_PID" || status=$?
  # Without GTK in the game this round would prove nothing.
  if ! grep -q "libgtk-3" "/proc/$GAME_PID/maps"; then
    echo "atspi: the GTK platform theme was not loaded (qt6-gtk-platformtheme?)" >&2
    status=1
  fi
  exit "$status"'
