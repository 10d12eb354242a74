#!/usr/bin/env bash
# Runs one Windows test program under wine64 in the prefix of the current test run
# (made by prefix-start.sh; SETUP_HARNESS_DIR names its folder).
set -euo pipefail
harness_dir=${SETUP_HARNESS_DIR:?SETUP_HARNESS_DIR is not set: run the tests through ctest}
if [ ! -f "$harness_dir/env" ]; then
  echo "no wine prefix for this run: the harness.prefix.start test makes it" >&2
  exit 1
fi
# shellcheck disable=SC1091
. "$harness_dir/env"
exec "$SETUP_WINE" "$@"
