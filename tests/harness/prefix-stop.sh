#!/usr/bin/env bash
# Ends the wine server and the X server of a test run. The prefix stays for inspection
# until the next run replaces it.
set -uo pipefail
harness_dir=${1:?usage: prefix-stop.sh <harness dir>}
if [ -f "$harness_dir/env" ]; then
  # shellcheck disable=SC1091
  . "$harness_dir/env"
  "${SETUP_WINESERVER:-/usr/lib/wine/wineserver}" -k 2>/dev/null || true
fi
if [ -f "$harness_dir/xvfb.pid" ]; then
  kill "$(cat "$harness_dir/xvfb.pid")" 2>/dev/null || true
  rm -f "$harness_dir/xvfb.pid"
fi
exit 0
