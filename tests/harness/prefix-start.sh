#!/usr/bin/env bash
# Makes the Wine prefix of one test run: a fresh prefix, so that nothing leaks in from
# an earlier run or from the developer's own prefix, and an X server when there is no
# display. Writes the environment every test program runs with to <harness dir>/env.
set -euo pipefail
harness_dir=${1:?usage: prefix-start.sh <harness dir>}
wine_bin=${WINE64:-/usr/lib/wine/wine64}
wine_server=${WINESERVER:-/usr/lib/wine/wineserver}
prefix="$harness_dir/wineprefix"
mkdir -p "$harness_dir"

# End what an earlier run may have left: its wine server and its X server.
if [ -d "$prefix" ]; then
  WINEPREFIX="$prefix" "$wine_server" -k 2>/dev/null || true
fi
if [ -f "$harness_dir/xvfb.pid" ]; then
  kill "$(cat "$harness_dir/xvfb.pid")" 2>/dev/null || true
  rm -f "$harness_dir/xvfb.pid"
fi
rm -rf "$prefix"

display=${DISPLAY:-}
if [ -z "$display" ]; then
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$harness_dir/xvfb.log" 2>&1 &
      echo $! >"$harness_dir/xvfb.pid"
      display=":$n"
      break
    fi
  done
  [ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
  done
fi

cat >"$harness_dir/env" <<ENV
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY="$display"
export SETUP_WINE="$wine_bin"
export SETUP_WINESERVER="$wine_server"
ENV
# shellcheck disable=SC1091
. "$harness_dir/env"
# A persistent server for the whole run: each test program then starts in a tenth of a second.
mkdir -p "$prefix"
"$wine_server" -p </dev/null >/dev/null 2>&1
"$wine_bin" wineboot -i >"$harness_dir/wineboot.log" 2>&1
"$wine_bin" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion' /v ProgramFilesDir >/dev/null
# Every program runs in one virtual desktop: its windows are drawn with their frames as
# Windows draws them, and hiding a window does not wait for a window manager that
# Xvfb does not have.
"$wine_bin" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
"$wine_bin" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
# The desktop wineboot opened is not a virtual one: start the servers again.
"$wine_server" -k
"$wine_server" -w
"$wine_server" -p </dev/null >/dev/null 2>&1
"$wine_bin" wineboot >>"$harness_dir/wineboot.log" 2>&1
echo "wine prefix ready: $prefix (display $display)"
