# shellcheck shell=bash
# A Wine prefix of the script's own, for the Windows build's checks. Sourced
# after tools/x_session.sh (it uses x_on_exit and x_poll):
#
#   source tools/x_session.sh
#   source tools/windows/wine_session.sh
#   wine_session_start                 # a fresh prefix; exports WINEPREFIX
#   wine_run 60 path/to/program.exe    # runs it, bounded
#
# Every prefix is new and private (a temporary folder), so checks on a shared
# machine neither meet nor inherit each other's state; it is removed at exit.
# Wine's Mono and Gecko installers are refused, and its debug output is off.
# Its menu builder is off too: it would copy every Start-menu entry a check
# makes (the installer's) into the desktop menus of the real home folder.

# wine_session_start: makes the prefix (wineboot, ~10-20 s) and keeps one
# wineserver running for it until exit. WINE_SESSION_DIR holds the prefix
# (WINEPREFIX) and room for a script's own files.
# WINE_SESSION_PARENT chooses where the session's folder is made (the
# temporary folder unless given).
wine_session_start() {
  WINE_SESSION_DIR=$(mktemp -d "${WINE_SESSION_PARENT:-${TMPDIR:-/tmp}}/wine.XXXXXX")
  export WINEPREFIX=$WINE_SESSION_DIR/prefix WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  x_on_exit "wine_session_stop"
  if ! timeout 180 wineboot -i >"$WINE_SESSION_DIR/wineboot.log" 2>&1; then
    echo "wine_session: wineboot failed:" >&2
    cat "$WINE_SESSION_DIR/wineboot.log" >&2
    return 1
  fi
  # Windows has Arial and Times New Roman; Wine stands the metric-compatible
  # Liberation fonts in for them, as fontconfig does on Linux. (MS Sans Serif
  # comes with Wine's own fonts.)
  cat >"$WINE_SESSION_DIR/fonts.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
REG
  timeout 60 wine regedit /S "$(winepath -w "$WINE_SESSION_DIR/fonts.reg")" >/dev/null 2>&1 || {
    echo "wine_session: could not set the font replacements" >&2
    return 1
  }
}

# wine_session_stop: ends every Wine process of the prefix and removes it.
wine_session_stop() {
  [ -n "${WINE_SESSION_DIR:-}" ] || return 0
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINE_SESSION_DIR"
  WINE_SESSION_DIR=
}

# wine_run SECONDS PROGRAM [ARGS...]: runs a Windows program to its end,
# failing when it takes longer than SECONDS.
wine_run() {
  local limit=$1
  shift
  timeout "$limit" wine "$@"
}

# wine_wait_idle SECONDS: waits until no program of the prefix runs any more
# (an uninstaller, for one, hands over to a copy of itself and returns).
wine_wait_idle() {
  timeout "$1" wineserver -w
}
