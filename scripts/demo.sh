#!/usr/bin/env bash
# The main job: runs a whole setup session on the bundled sample media under Wine, in a
# Wine virtual desktop, and prints how it ended.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/build.sh
demo_dir="$root/build/demo"
mkdir -p "$demo_dir"
export WINEPREFIX="$demo_dir/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
xvfb_pid=""
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 141 190); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$demo_dir/xvfb.log" 2>&1 &
      xvfb_pid=$!
      export DISPLAY=":$n"
      break
    fi
  done
  sleep 1
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "[demo] making the Wine prefix"
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot -i >"$demo_dir/wineboot.log" 2>&1
fi
media=$("$wine" winepath -w "$root/media/sample" 2>/dev/null | tr -d '\r')
echo "[demo] running the setup on $media"
set +e
(cd "$root/media/sample" && "$wine" explorer /desktop=setup,1024x768 "$root/build/x86_64/bin/setup.exe" "$media")
code=$?
set -e
echo "[demo] the launcher ended with exit code $code"
